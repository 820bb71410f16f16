#include "FileBytes.h"
#include "FileCommands.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "SystemFile.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/resource.h>

namespace dvx {
namespace {

namespace fs = std::filesystem;
using test::RecordingPlatform;
using test::ScratchFolder;
using test::SystemImage;

constexpr const char* kColumnsText = "01 02 03 04 05 06 07 08 09 10\r\n"
                                     "03 04 05 06 07 08 09 10 11 12\r\n";

class FileCommands : public ::testing::Test {
protected:
    FileCommands() {
        // A developed system of 1..11 with a Numerone and a condition.
        for (int n = 1; n <= 11; ++n) {
            selectNumber(state, n, true);
        }
        rebuildNumbersInPlay(state);
        state.numerone = 9;
        state.pricePerColumn = 2.0f;
        state.condizioni.sommaOn = kTrue;
        state.condizioni.somma = {70, 90};
        state.sistema.columnCount = 1;
        state.sistema.typeText = "Integrale";
        const std::uint8_t row[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
        std::copy(row, row + 10, state.colonne.row(1));
        state.developedMark = kDeveloped;
        state.fileName = "nuovo.dvx";
    }

    // Everything of the system a file command might change.
    std::string snapshot() const {
        return systemFileBytes(state) + "|" + state.fileName + "|" +
               std::to_string(state.numerone) + "|" + std::to_string(state.developedMark) + "|" +
               std::to_string(state.sistema.countInPlay);
    }

    std::string folder(const char* name) const { return scratch.folder() + name; }

    ScratchFolder scratch;
    RecordingPlatform platform;
    FileSession session;
    SystemState state;
};

TEST_F(FileCommands, OpenReplacesTheSystemAndReportsWhatToShow) {
    SystemImage image;
    image.type = "Condizionato";
    image.block[2] = image.block[3] = '\xFF'; // sum switch
    image.tail = test::Bytes().i32(12345).i32(1).i32(0x3FF).i32(0x7).i16(-1).i32(100).str();
    const auto path = scratch.write("sistemi/Prova.DVX", image.bytes());
    platform.fileNames.push_back(path);

    const auto result = openSystem(state, session, platform, scratch.folder());

    EXPECT_EQ(platform.fileRequests,
              std::vector<std::string>{"open " + folder("sistemi") +
                                       "|Sistemi Decaventrix (*.dvx)|*.dvx"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyDepth, 0);
    EXPECT_TRUE(result.systemReplaced);
    EXPECT_TRUE(result.developed);
    EXPECT_TRUE(result.checks.somma);
    EXPECT_TRUE(result.checks.colonnaFiltro);
    EXPECT_FALSE(result.checks.pariDispari || result.checks.fisse || result.checks.ridotto ||
                 result.checks.consecutivi);
    EXPECT_EQ(result.panel1, "prova.dvx");
    EXPECT_EQ(state.fileName, path);
    EXPECT_EQ(state.numerone, 0);
    EXPECT_EQ(state.sistema.countInPlay, 12);
    EXPECT_TRUE(state.selected[11]);
    EXPECT_EQ(state.sistema.columnCount, 2);
    EXPECT_EQ(state.sistema.typeText, "Condizionato");
}

TEST_F(FileCommands, OpenShowsOneMessageForUnknownIdentifiers) {
    SystemImage image;
    image.tail = test::Bytes().i32(12345).i32(7).i32(300).i32(2).i32(0x4).i16(-1).str();
    platform.fileNames.push_back(scratch.write("x.dvx", image.bytes()));

    const auto result = openSystem(state, session, platform, scratch.folder());

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Condizione non riconosciuta\r\nID : 7");
    EXPECT_EQ(platform.lastMessage().title, "E R R O R E");
    EXPECT_EQ(platform.lastMessage().icon, Icon::Critical);
    EXPECT_TRUE(result.systemReplaced);
    EXPECT_TRUE(result.checks.consecutivi);
}

TEST_F(FileCommands, OpenCancelledOrMissingLeavesEverything) {
    const auto before = snapshot();
    EXPECT_FALSE(openSystem(state, session, platform, scratch.folder()).systemReplaced);
    EXPECT_TRUE(platform.messages.empty());

    platform.fileNames.push_back(scratch.file("missing.dvx"));
    EXPECT_FALSE(openSystem(state, session, platform, scratch.folder()).systemReplaced);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 53 (File not found) in procedure menuapri_Click of Form frmMAIN");
    EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(FileCommands, OpenOfAFileLargerThanAnySystemSaysItCannotBeRead) {
    SystemImage image;
    platform.fileNames.push_back(
        scratch.write("huge.dvx", image.bytes() + std::string(kSystemFileMaxSize, '\0')));
    const auto before = snapshot();
    EXPECT_FALSE(openSystem(state, session, platform, scratch.folder()).systemReplaced);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Questo file non puo' essere letto");
    EXPECT_EQ(platform.lastMessage().title, "E R R O R E");
    EXPECT_EQ(snapshot(), before);
}

struct RefusedFileCase {
    const char* name;
    void (*spoil)(SystemImage&);
    SystemFileFault fault;
};

class OpenRefused : public FileCommands, public ::testing::WithParamInterface<RefusedFileCase> {};

TEST_P(OpenRefused, OneMessageAndNothingChanged) {
    SystemImage image;
    GetParam().spoil(image);
    const auto bytes = image.bytes();
    EXPECT_EQ(parseSystemFile(bytes).fault, GetParam().fault);
    platform.fileNames.push_back(scratch.write("bad.dvx", bytes));
    const auto before = snapshot();

    const auto result = openSystem(state, session, platform, scratch.folder());

    EXPECT_FALSE(result.systemReplaced);
    EXPECT_FALSE(result.panel1.has_value());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Questo file non puo' essere letto");
    EXPECT_EQ(platform.lastMessage().title, "E R R O R E");
    EXPECT_EQ(platform.lastMessage().icon, Icon::Critical);
    EXPECT_EQ(platform.busyDepth, 0);
    EXPECT_EQ(snapshot(), before);
}

std::string filterEntries(int count) {
    test::Bytes b;
    b.i32(12345);
    for (int i = 0; i < count; ++i) {
        b.i32(1).i32(0x3FF).i32(0x7).i16(-1);
    }
    return b.i32(100).str();
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, OpenRefused,
    ::testing::Values(
        RefusedFileCase{"TagCase", [](SystemImage& i) { i.tag = "DVX00000003"; },
                        SystemFileFault::UnknownTag},
        RefusedFileCase{"TagNewer", [](SystemImage& i) { i.tag = "dvx00000004"; },
                        SystemFileFault::UnknownTag},
        RefusedFileCase{"TagOlder", [](SystemImage& i) { i.tag = "dvx00000000"; },
                        SystemFileFault::UnknownTag},
        RefusedFileCase{"ShorterThanTag",
                        [](SystemImage& i) {
                            i = SystemImage{};
                            i.tag = "dvx0";
                            i.count = 0;
                            i.type.clear();
                        },
                        SystemFileFault::UnknownTag},
        RefusedFileCase{"EndsInTypeText",
                        [](SystemImage& i) {
                            i.type = std::string(300, 'x');
                            i.keep = 11 + 1 + 4 + 2 + 299;
                        },
                        SystemFileFault::Truncated},
        RefusedFileCase{"EndsInConditions",
                        [](SystemImage& i) {
                            i.block.resize(30);
                            i.columns.clear();
                        },
                        SystemFileFault::Truncated},
        RefusedFileCase{"TwentyOneNumbers", [](SystemImage& i) { i.count = 21; },
                        SystemFileFault::TooManyNumbers},
        RefusedFileCase{"NumberInPlayZero", [](SystemImage& i) { i.slots[4] = 0; },
                        SystemFileFault::BadNumberInPlay},
        RefusedFileCase{"NumberInPlayTwice", [](SystemImage& i) { i.slots[4] = 4; },
                        SystemFileFault::BadNumberInPlay},
        RefusedFileCase{"TenFixedNumbers", [](SystemImage& i) { i.block[41] = 10; },
                        SystemFileFault::BadConditions},
        RefusedFileCase{"FixedNumber21", [](SystemImage& i) { i.block[33] = 21; },
                        SystemFileFault::BadConditions},
        RefusedFileCase{"ReductionLevel4", [](SystemImage& i) { i.block[44] = 4; },
                        SystemFileFault::BadConditions},
        RefusedFileCase{"ColumnCountAboveCapacity",
                        [](SystemImage& i) { i.columnCount = kColumnCapacity + 1; },
                        SystemFileFault::TooManyColumns},
        RefusedFileCase{"ColumnCountNegative", [](SystemImage& i) { i.columnCount = -1; },
                        SystemFileFault::TooManyColumns},
        RefusedFileCase{"ColumnsPastTheEnd", [](SystemImage& i) { i.columnCount = 3; },
                        SystemFileFault::ColumnsPastEnd},
        RefusedFileCase{"ColumnNumberZero", [](SystemImage& i) { i.columns[1][0] = 0; },
                        SystemFileFault::BadColumnNumber},
        RefusedFileCase{"ColumnNumber21", [](SystemImage& i) { i.columns[1][9] = 21; },
                        SystemFileFault::BadColumnNumber},
        RefusedFileCase{"ColumnNumberTwice", [](SystemImage& i) { i.columns[0][9] = 1; },
                        SystemFileFault::BadColumnNumber},
        RefusedFileCase{"HundredAndOneFilters", [](SystemImage& i) { i.tail = filterEntries(101); },
                        SystemFileFault::TooManyFilters},
        RefusedFileCase{"FilterEntryCut",
                        [](SystemImage& i) { i.tail = filterEntries(1).substr(0, 4 + 4 + 6); },
                        SystemFileFault::Truncated},
        RefusedFileCase{"IdentifierCut",
                        [](SystemImage& i) { i.tail = filterEntries(1).substr(0, 4 + 14 + 2); },
                        SystemFileFault::Truncated}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FileCommands, HundredFiltersAreAccepted) {
    SystemImage image;
    image.tail = filterEntries(100);
    const auto read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.content.filtri.count, 100);
}

TEST_F(FileCommands, SaveOfTheInitialNameLandsInTheSystemsFolder) {
    const auto result = saveSystem(state, session, platform, scratch.folder());

    const auto target = folder("sistemi/nuovo.dvx");
    EXPECT_TRUE(platform.fileRequests.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(scratch.read("sistemi/nuovo.dvx"), systemFileBytes(state));
    EXPECT_EQ(state.fileName, target);
    EXPECT_EQ(result.panel1, "nuovo.dvx");
    EXPECT_FALSE(result.systemReplaced);
    // Only the file itself is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder("sistemi")), fs::directory_iterator{}),
              1);

    // No name at all is taken as the initial one.
    state.fileName.clear();
    state.sistema.typeText = "again";
    saveSystem(state, session, platform, scratch.folder());
    EXPECT_EQ(state.fileName, target);
    EXPECT_EQ(scratch.read("sistemi/nuovo.dvx"), systemFileBytes(state));
}

TEST_F(FileCommands, SaveAsTakesTheChosenNameOnlyWhenWritten) {
    platform.fileNames.push_back(std::nullopt);
    saveSystemAs(state, session, platform, scratch.folder());
    EXPECT_EQ(state.fileName, "nuovo.dvx");
    EXPECT_EQ(platform.fileRequests,
              std::vector<std::string>{"save " + folder("sistemi") +
                                       "|Sistemi Decaventrix (*.dvx)|*.dvx|"});

    platform.fileNames.push_back(scratch.file("no-such-folder/a.dvx"));
    saveSystemAs(state, session, platform, scratch.folder());
    EXPECT_EQ(state.fileName, "nuovo.dvx");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 76 (Path not found) in procedure menusalvacome_Click of Form frmMAIN");

    const auto chosen = scratch.file("Mio.dvx");
    platform.fileNames.push_back(chosen);
    const auto result = saveSystemAs(state, session, platform, scratch.folder());
    EXPECT_EQ(state.fileName, chosen);
    EXPECT_EQ(result.panel1, "mio.dvx");
    EXPECT_EQ(scratch.read("Mio.dvx"), systemFileBytes(state));
}

// A write that fails half-way (the file size limit stands in for a full
// disk) and a rename that fails (the target is a folder) both leave what
// was there before.
TEST_F(FileCommands, FailedSaveKeepsThePreviousFile) {
    const auto target = scratch.write("sistemi/keep.dvx", "previous content");
    state.fileName = target;
    state.sistema.columnCount = 5000; // some 50 kB
    for (int r = 1; r <= 5000; ++r) {
        std::copy(state.colonne.row(1), state.colonne.row(1) + 10, state.colonne.row(r));
    }
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    saveSystem(state, session, platform, scratch.folder());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(scratch.read("sistemi/keep.dvx"), "previous content");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 61 (Disk full) in procedure menusalva_Click of Form frmMAIN");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder("sistemi")), fs::directory_iterator{}),
              1);

    fs::create_directories(folder("sistemi/dir.dvx/inside"));
    state.fileName = folder("sistemi/dir.dvx");
    saveSystem(state, session, platform, scratch.folder());
    EXPECT_TRUE(fs::is_directory(folder("sistemi/dir.dvx/inside")));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 75 (Path/File access error) in procedure menusalva_Click of Form frmMAIN");
    EXPECT_EQ(state.fileName, folder("sistemi/dir.dvx"));
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(FileCommands, ImportReplacesTheSystemAndTheNextSaveAsksForAName) {
    const auto path = scratch.write("txt/Colonne.TXT", kColumnsText);
    platform.fileNames.push_back(path);

    const auto result = importColumns(state, session, platform, scratch.folder());

    EXPECT_EQ(platform.fileRequests,
              std::vector<std::string>{"open " + folder("txt") + "|File TXT (*.txt)|*.txt"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(result.systemReplaced);
    EXPECT_TRUE(result.developed);
    EXPECT_FALSE(result.checks.somma); // the reset cleared the conditions
    EXPECT_EQ(result.panel1, "colonne.txt");
    EXPECT_EQ(result.costPicture, "€ ###,###,##0.00");
    EXPECT_EQ(state.fileName, path);
    EXPECT_EQ(state.sistema.typeText, "FILE TXT");
    EXPECT_EQ(state.sistema.columnCount, 2);
    EXPECT_EQ(state.sistema.countInPlay, 12);
    EXPECT_EQ(state.numerone, 0);
    EXPECT_EQ(state.colonne.row(2)[9], 12);

    // Save asks for a name; cancelling writes nothing anywhere.
    platform.fileNames.push_back(std::nullopt);
    saveSystem(state, session, platform, scratch.folder());
    ASSERT_EQ(platform.fileRequests.size(), 2u);
    EXPECT_EQ(platform.fileRequests.back().rfind("save ", 0), 0u);
    EXPECT_EQ(scratch.read("txt/Colonne.TXT"), kColumnsText);
    EXPECT_FALSE(fs::exists(folder("sistemi")));

    // Once named, Save writes there without asking again.
    platform.fileNames.push_back(scratch.file("imported.dvx"));
    saveSystem(state, session, platform, scratch.folder());
    state.sistema.typeText = "changed";
    saveSystem(state, session, platform, scratch.folder());
    EXPECT_EQ(platform.fileRequests.size(), 3u);
    EXPECT_EQ(scratch.read("imported.dvx"), systemFileBytes(state));
    EXPECT_EQ(scratch.read("txt/Colonne.TXT"), kColumnsText);
}

TEST_F(FileCommands, RefusedImportNamesTheLineAndChangesNothing) {
    const auto before = snapshot();
    const auto path = scratch.write("bad.txt", std::string(kColumnsText) + "\t1  2 3\r\n");

    const auto result = ImportaColonneTxt(state, session, platform, path);

    EXPECT_FALSE(result.systemReplaced);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 9 (Subscript out of range) in procedure ImportaColonneTxt of Modulo corpo "
              "\r\nRiga [1 2 3]");
    EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    EXPECT_EQ(platform.lastMessage().title, "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(session.askNameOnSave);

    ImportaColonneTxt(state, session, platform, scratch.file("none.txt"));
    EXPECT_EQ(platform.lastMessage().text,
              "Error 53 (File not found) in procedure ImportaColonneTxt of Modulo corpo "
              "\r\nRiga []");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(FileCommands, EmptyImportLeavesAnEditingSystemNamedAfterTheFile) {
    const auto path = scratch.write("vuoto.txt", "\r\n \t \r\n");
    const auto result = ImportaColonneTxt(state, session, platform, path);
    EXPECT_TRUE(result.systemReplaced);
    EXPECT_FALSE(result.developed);
    EXPECT_EQ(state.sistema.columnCount, 0);
    EXPECT_EQ(state.sistema.countInPlay, 0);
    EXPECT_EQ(state.sistema.typeText, "FILE TXT");
}

TEST_F(FileCommands, ExportWritesIntoTheTextFolderUnderTheSystemName) {
    state.fileName = "/somewhere/Sistema.dvx.DVX";
    SalvaColonneTxt(state, platform, scratch.folder());
    EXPECT_EQ(scratch.read("txt/sistema.txt.txt"), " 01 02 03 04 05 06 07 08 09 11 \r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Esportazione file [sistema.txt.txt] avvenuta con successo");
    EXPECT_EQ(platform.lastMessage().icon, Icon::Information);

    // After an import the name has no ".dvx" and is used as it is.
    ImportaColonneTxt(state, session, platform, scratch.write("in/Colonne.txt", kColumnsText));
    SalvaColonneTxt(state, platform, scratch.folder());
    EXPECT_EQ(scratch.read("txt/colonne.txt"), " 01 02 03 04 05 06 07 08 09 10 \r\n"
                                               " 03 04 05 06 07 08 09 10 11 12 \r\n");
    EXPECT_EQ(platform.lastMessage().text, "Esportazione file [colonne.txt] avvenuta con successo");
}

TEST_F(FileCommands, ExportOfASystemWithoutColumnsKeepsTheFileOfThatName) {
    // Import grande.txt, clear the system, export: the columns on disk stay.
    const auto source = scratch.write("txt/grande.txt", kColumnsText);
    ImportaColonneTxt(state, session, platform, source);
    resetSystem(state, false);
    platform.messages.clear();

    SalvaColonneTxt(state, platform, scratch.folder());

    EXPECT_EQ(scratch.read("txt/grande.txt"), kColumnsText);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Nessuna colonna da esportare");
    EXPECT_EQ(platform.lastMessage().title, "A T T E N Z I O N E");
    EXPECT_EQ(platform.lastMessage().icon, Icon::Exclamation);
}

TEST_F(FileCommands, ExportFailureIsReportedAndWritesNothing) {
    scratch.write("txt", "a file where the folder should be");
    SalvaColonneTxt(state, platform, scratch.folder());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 76 (Path not found) in procedure SalvaColonneTxt of Modulo corpo");
    EXPECT_EQ(scratch.read("txt"), "a file where the folder should be");
}

} // namespace
} // namespace dvx
