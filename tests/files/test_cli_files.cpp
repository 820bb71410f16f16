#include "CliRunner.h"
#include "FileBytes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace dvx {
namespace {

using test::runProgram;
using test::ScratchFolder;

TEST(CliFiles, ImportWritesASystemThatShowPrints) {
    ScratchFolder scratch;
    const auto txt = scratch.write("in.txt", "\t3 4 5 6 7 8 9 10 11 12\r\n\r\n"
                                             " 01 02 03 04 05 06 07 08 09 10 \r\n");
    const auto dvx = scratch.file("out.dvx");

    const auto imported = runProgram(DVX_CLI_PATH, {"import", txt, "--save", dvx});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "2 colonne, FILE TXT\n");

    const auto shown = runProgram(DVX_CLI_PATH, {"show", dvx});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("Tipo: FILE TXT\n"), std::string::npos);
    EXPECT_NE(shown.out.find("Numeri in gioco [12]: 01 02 03 04 05 06 07 08 09 10 11 12\n"),
              std::string::npos);
    EXPECT_NE(shown.out.find("Colonne:\n 03 04 05 06 07 08 09 10 11 12 \r\n"
                             " 01 02 03 04 05 06 07 08 09 10 \r\n"),
              std::string::npos);
}

TEST(CliFiles, ImportNeverSavesOverItsSource) {
    ScratchFolder scratch;
    const std::string columns = " 01 02 03 04 05 06 07 08 09 10 \r\n";
    const auto txt = scratch.write("x.txt", columns);
    for (const auto& target : {txt, scratch.folder() + "./x.txt"}) {
        const auto run = runProgram(DVX_CLI_PATH, {"import", txt, "--save", target});
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("is also an input"), std::string::npos) << run.err;
        EXPECT_EQ(scratch.read("x.txt"), columns);
    }
}

TEST(CliFiles, RefusedLineIsQuotedShortAndEscaped) {
    ScratchFolder scratch;
    // One long line with control bytes: no column, and no terminal garbage.
    const auto txt =
        scratch.write("bad.txt", "1 2 3\x1B[2J\x07" + std::string(100000, '9') + "\r\n");
    const auto run = runProgram(DVX_CLI_PATH, {"show", txt});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err.size();
    EXPECT_LT(run.err.size(), 300u);
    EXPECT_NE(run.err.find("line [1 2 3\\x1B[2J\\x07999"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("...]"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos);
}

struct CliRefusalCase {
    const char* name;
    const char* file;
    const char* bytes;
    const char* command;
    const char* errorPart;
};

class CliFilesRefusal : public ::testing::TestWithParam<CliRefusalCase> {};

TEST_P(CliFilesRefusal, ExitsWithTwoAndOneLine) {
    const auto& c = GetParam();
    ScratchFolder scratch;
    const auto path = scratch.write(c.file, c.bytes);
    const auto out = scratch.file("out.dvx");
    const auto run = std::string(c.command) == "show"
                         ? runProgram(DVX_CLI_PATH, {"show", path})
                         : runProgram(DVX_CLI_PATH, {"import", path, "--save", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, CliFilesRefusal,
    ::testing::Values(CliRefusalCase{"ShortLine", "a.txt", "1 2 3\r\n", "import", "line [1 2 3]"},
                      CliRefusalCase{"NotASystem", "a.dvx", "dvx99999999xxxxxxxxxxxxxxxxxxxxxxxxx",
                                     "show", "Questo file non puo' essere letto"},
                      CliRefusalCase{"TextNumber", "b.txt", "1 2 3 4 5 6 7 8 9 99\r\n", "show",
                                     "line [1 2 3 4 5 6 7 8 9 99]"}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace dvx
