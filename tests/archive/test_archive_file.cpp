#include "ArchiveFile.h"
#include "ArchiveFiller.h"
#include "ArchiveFixtures.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace dvx {
namespace {

using test::archiveOf;
using test::draw;
using test::putInt32;
using test::putText;

// The bytes of one record, written out field by field as the format states.
std::string recordBytes(std::string_view data, std::string_view ora, std::uint32_t concorso,
                        std::uint32_t numeri, std::uint8_t numerone) {
    std::string out;
    putText(out, data);
    putText(out, ora);
    putInt32(out, concorso);
    putInt32(out, numeri);
    out += static_cast<char>(numerone);
    return out;
}

TEST(ArchiveRecord, GoldenBytes) {
    // 1..10 is 0x3FF; 11..20 is 0xFFC00; concorso 70000 is 0x00011170.
    const auto first = recordBytes("10/12/2026", "14:00", 70000, 0x3FF, 5);
    const auto second = recordBytes("1/2/26    ", "9:0  ", 0xFFFFFFFF, 0xFFC00, 20);
    ASSERT_EQ(first.size(), kRecordSize);
    EXPECT_EQ(first.substr(15, 4), std::string("\x70\x11\x01\x00", 4));

    std::string written;
    appendRecord(written, draw("10/12/2026", "14:00", 70000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5));
    appendRecord(written, draw("1/2/26", "9:0", -1, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 20));
    EXPECT_EQ(written, first + second);

    const auto back = readRecord(second.data());
    EXPECT_EQ(back.data, "1/2/26    ");
    EXPECT_EQ(back.ora, "9:0  ");
    EXPECT_EQ(back.concorso, -1);
    EXPECT_EQ(back.numeri, 0xFFC00);
    EXPECT_EQ(back.numerone, 20);
}

TEST(ArchiveRecord, TextsAreWindows1252AndEmptyRecordsAreZeros) {
    std::string written;
    appendRecord(written, draw("lunedì", "12:00", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1));
    EXPECT_EQ(written.substr(0, 10), std::string("luned\xEC    ", 10));
    EXPECT_EQ(readRecord(written.data()).data, "lunedì    ");

    std::string empty;
    appendRecord(empty, Estrazione{});
    EXPECT_EQ(empty, std::string(kRecordSize, '\0'));
}

class ArchiveFileTest : public ::testing::Test {
protected:
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    std::string path = scratch.file("archivio/decaventrix.dat");

    void SetUp() override { scratch.write("archivio/.keep", ""); }
};

TEST_F(ArchiveFileTest, SaveThenLoadGivesTheSameDrawsInOrder) {
    const auto saved = archiveOf({
        draw("10/12/2026", "14:00", 3, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 2),
        draw("10/12/2026", "13:00", 2, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 7),
        draw("10/12/2026", "14:00", 3, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 2),
    });
    ASSERT_TRUE(SaveDVXArchive(path, saved, platform));
    EXPECT_EQ(scratch.read("archivio/decaventrix.dat").size(), 3 * kRecordSize);

    Archivio loaded;
    ASSERT_TRUE(LoadArchivioDVX(path, loaded, platform));
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(ArchiveFileTest, LoadDropsEmptyRecordsSilently) {
    std::string bytes;
    bytes += recordBytes("01/01/2026", "08:00", 1, 0x3FF, 1);
    bytes += std::string(kRecordSize, '\0');
    bytes += recordBytes("01/01/2026", "09:00", 2, 0xFFC00, 2);
    bytes += std::string(kRecordSize, '\0');
    scratch.write("archivio/decaventrix.dat", bytes);

    Archivio loaded;
    ASSERT_TRUE(LoadArchivioDVX(path, loaded, platform));
    ASSERT_EQ(loaded.upperBound(), 2);
    EXPECT_EQ(loaded[1].concorso, 1);
    EXPECT_EQ(loaded[2].concorso, 2);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ArchiveFileTest, LengthThatIsNoWholeNumberOfRecordsIsRefused) {
    const auto kept = archiveOf({draw("x", "y", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    for (const std::size_t tail : {std::size_t{1}, std::size_t{11}, kRecordSize - 1}) {
        platform.messages.clear();
        scratch.write("archivio/decaventrix.dat",
                      recordBytes("01/01/2026", "08:00", 1, 0x3FF, 1) + std::string(tail, '\x7F'));
        Archivio loaded = kept;
        EXPECT_FALSE(LoadArchivioDVX(path, loaded, platform)) << tail;
        EXPECT_EQ(loaded, kept) << tail;
        ASSERT_EQ(platform.messages.size(), 1u) << tail;
        EXPECT_EQ(platform.messages[0].text,
                  "Error 59 (Bad record length) in procedure LoadArchivioDVX of Form frmUpdate");
    }
}

// A damaged record between two good ones: skipped, counted in one message.
struct DamagedRecord {
    const char* name;
    std::uint32_t numeri;
    std::uint8_t numerone;
};

class DamagedArchiveRecord : public ArchiveFileTest,
                             public ::testing::WithParamInterface<DamagedRecord> {};

TEST_P(DamagedArchiveRecord, IsSkippedWithOneMessageAndTheRestLoads) {
    const auto& c = GetParam();
    std::string bytes = recordBytes("01/01/2026", "08:00", 1, 0x3FF, 1);
    bytes += recordBytes("01/01/2026", "09:00", 2, c.numeri, c.numerone);
    bytes += recordBytes("01/01/2026", "10:00", 3, c.numeri, c.numerone);
    bytes += recordBytes("01/01/2026", "11:00", 4, 0xFFC00, 0); // no Numerone recorded: kept
    scratch.write("archivio/decaventrix.dat", bytes);

    Archivio loaded;
    ASSERT_TRUE(LoadArchivioDVX(path, loaded, platform));
    ASSERT_EQ(loaded.upperBound(), 2);
    EXPECT_EQ(loaded[1].concorso, 1);
    EXPECT_EQ(loaded[2].concorso, 4);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Estrazioni non valide ignorate: 2");
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedArchiveRecord,
                         ::testing::Values(DamagedRecord{"NumeroneTwentyOne", 0x3FF, 21},
                                           DamagedRecord{"NumeroneAllOnes", 0x3FF, 255},
                                           DamagedRecord{"OneNumber", 0x1, 5},
                                           DamagedRecord{"NineNumbers", 0x1FF, 5},
                                           DamagedRecord{"ElevenNumbers", 0x7FF, 5},
                                           DamagedRecord{"AllTwentyNumbers", 0xFFFFF, 5},
                                           DamagedRecord{"NumberAboveTwenty", 0x1003FE, 5},
                                           DamagedRecord{"NegativeSet", 0xFFFFFFFF, 5}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ArchiveFileParse, RandomBytesNeverGiveADrawTheGameCannotDraw) {
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<char>(seed >> 24);
    };
    std::string bytes(kRecordSize * 5000, '\0');
    for (auto& b : bytes) {
        b = next();
    }
    // A few genuine draws among the noise.
    for (std::size_t r = 0; r < 5000; r += 500) {
        bytes.replace(
            r * kRecordSize, kRecordSize,
            recordBytes("01/01/2026", "08:00", static_cast<std::uint32_t>(r), 0x55555, 3));
    }
    const auto read = parseArchiveFile(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_GE(read.archivio.drawCount(), 10);
    EXPECT_EQ(read.archivio.drawCount() + read.skipped, 5000);
    for (int i = 1; i <= read.archivio.upperBound(); ++i) {
        EXPECT_TRUE(holdsValidDraw(read.archivio[i])) << i;
    }
}

TEST_F(ArchiveFileTest, MissingFileIsCreatedEmptyAndGivesOneEmptyRecord) {
    Archivio loaded = archiveOf({draw("x", "y", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    ASSERT_TRUE(LoadArchivioDVX(path, loaded, platform));
    EXPECT_EQ(loaded.upperBound(), 1);
    EXPECT_TRUE(loaded[1].empty());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(ArchiveFileTest, MissingFolderReportsThePathAndKeepsTheArchive) {
    const auto kept = archiveOf({draw("x", "y", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    const auto badPath = scratch.file("nowhere/decaventrix.dat");

    Archivio loaded = kept;
    EXPECT_FALSE(LoadArchivioDVX(badPath, loaded, platform));
    EXPECT_EQ(loaded, kept);
    EXPECT_FALSE(SaveDVXArchive(badPath, kept, platform));

    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Error 76 (Path not found --> " + badPath +
                                             ") in procedure LoadArchivioDVX of Form frmUpdate");
    EXPECT_EQ(platform.messages[1].text, "Error 76 (Path not found --> " + badPath +
                                             ") in procedure SaveDVXArchive of Form frmUpdate");
    EXPECT_EQ(platform.messages[0].icon, Icon::None);
    EXPECT_EQ(platform.messages[0].title, "");
}

TEST_F(ArchiveFileTest, UnreadablePathIsAnAccessError) {
    const auto kept = archiveOf({draw("x", "y", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    const auto folder = scratch.file("archivio");
    Archivio loaded = kept;
    EXPECT_FALSE(LoadArchivioDVX(folder, loaded, platform));
    EXPECT_EQ(loaded, kept);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Error 75 (Path/File access error --> " + folder +
                                             ") in procedure LoadArchivioDVX of Form frmUpdate");
}

TEST_F(ArchiveFileTest, FailedSaveLeavesNoTemporaryFileBehind) {
    const auto old = archiveOf({draw("x", "y", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    // A folder in the way of the target makes the final rename fail.
    const auto blocked = scratch.file("archivio/blocked.dat");
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_FALSE(SaveDVXArchive(blocked, old, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(") in procedure SaveDVXArchive of Form frmUpdate"),
              std::string::npos);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.file("archivio"))) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".keep", "blocked.dat"}));
    EXPECT_TRUE(std::filesystem::exists(blocked + "/inside"));
}

TEST_F(ArchiveFileTest, EmptyRecordsInMemoryAreWrittenOut) {
    Archivio withGap = archiveOf({draw("a", "b", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1)});
    withGap.resize(3);
    ASSERT_TRUE(SaveDVXArchive(path, withGap, platform));
    const auto bytes = scratch.read("archivio/decaventrix.dat");
    ASSERT_EQ(bytes.size(), 3 * kRecordSize);
    EXPECT_EQ(bytes.substr(kRecordSize), std::string(2 * kRecordSize, '\0'));
}

TEST(ArchiveFiller, CapacityDoublesWhenFullAndShrinksToTheCount) {
    ArchiveFiller filler;
    const auto one = draw("a", "b", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1);
    struct Step {
        int draws;    // appended so far
        int capacity; // room reserved after them
    };
    const Step steps[] = {{1, 2000},    {1999, 2000}, {2000, 4000},
                          {3999, 4000}, {4000, 8000}, {8000, 16000}};
    int appended = 0;
    for (const auto& step : steps) {
        while (appended < step.draws) {
            Estrazione d = one;
            d.concorso = ++appended;
            filler.append(d);
        }
        EXPECT_EQ(filler.capacity(), step.capacity) << "after " << step.draws;
    }
    const auto archivio = std::move(filler).finish();
    ASSERT_EQ(archivio.upperBound(), 8000);
    for (int i = 1; i <= archivio.upperBound(); ++i) {
        ASSERT_EQ(archivio[i].concorso, i);
    }
    EXPECT_EQ(ArchiveFiller{}.finish().upperBound(), 1);
}

} // namespace
} // namespace dvx
