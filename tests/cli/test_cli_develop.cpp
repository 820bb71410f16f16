// decaventrix-cli develop, run as a real program.

#include "CliRunner.h"
#include "ScratchFolder.h"
#include "SystemFileIO.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dvx {
namespace {

test::ProgramRun develop(std::vector<std::string> args) {
    args.insert(args.begin(), "develop");
    return test::runProgram(DVX_CLI_PATH, args);
}

struct GoodCase {
    const char* name;
    std::vector<std::string> args;
    const char* out;
};

class CliDevelop : public ::testing::TestWithParam<GoodCase> {};

TEST_P(CliDevelop, PrintsCountAndType) {
    const auto run = develop(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliDevelop,
    ::testing::Values(
        GoodCase{"Integral20", {"--numbers", "1-20"}, "184756 colonne, Integrale\n"},
        GoodCase{"ReduceZeroKeepsEveryColumn",
                 {"--numbers", "1-12", "--reduce", "0"},
                 "66 colonne, Ridotto N-0\n"},
        GoodCase{"Eleven1", {"--numbers", "1-11", "--reduce", "1"}, "1 colonne, Ridotto N-1\n"},
        GoodCase{"Eleven3", {"--numbers", "1-11", "--reduce", "3"}, "1 colonne, Ridotto N-3\n"},
        GoodCase{"Twelve1", {"--numbers", "1-12", "--reduce", "1"}, "6 colonne, Ridotto N-1\n"},
        GoodCase{"Twelve2", {"--numbers", "1-12", "--reduce", "2"}, "1 colonne, Ridotto N-2\n"},
        GoodCase{"Thirteen1", {"--numbers", "1-13", "--reduce", "1"}, "21 colonne, Ridotto N-1\n"},
        GoodCase{"Thirteen2", {"--numbers", "1-13", "--reduce", "2"}, "4 colonne, Ridotto N-2\n"},
        GoodCase{"Thirteen3", {"--numbers", "1-13", "--reduce", "3"}, "1 colonne, Ridotto N-3\n"},
        GoodCase{"Fourteen1", {"--numbers", "1-14", "--reduce", "1"}, "72 colonne, Ridotto N-1\n"},
        GoodCase{"Fourteen2", {"--numbers", "1-14", "--reduce", "2"}, "8 colonne, Ridotto N-2\n"},
        GoodCase{"Fourteen3", {"--numbers", "1-14", "--reduce", "3"}, "3 colonne, Ridotto N-3\n"},
        GoodCase{"ReducedAndConditioned",
                 {"--numbers", "1-14", "--reduce", "1", "--sum", "55-155"},
                 "72 colonne, Ridotto N-1 Condizionato\n"},
        GoodCase{
            "SumFiftyFive", {"--numbers", "1-20", "--sum", "55-55"}, "1 colonne, Condizionato\n"},
        GoodCase{"AllEven", {"--numbers", "1-20", "--even", "10"}, "1 colonne, Condizionato\n"},
        GoodCase{"NoTwoConsecutive",
                 {"--numbers", "1-20", "--consecutive", "1"},
                 "11 colonne, Condizionato\n"},
        GoodCase{"FixedNotInPlayDropped",
                 {"--numbers", "1-12", "--fixed", "5,17"},
                 "55 colonne, Condizionato\n"},
        GoodCase{"FilterOfAllTen",
                 {"--numbers", "4-17", "--filter", "4-17:10"},
                 "1001 colonne, Condizionato\n"},
        GoodCase{"TwoFilters",
                 {"--numbers", "1-12", "--filter", "1-3:0", "--filter", "4:0-10"},
                 "0 colonne, Condizionato\n"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliDevelopExport, WritesOneLinePerColumn) {
    test::ScratchFolder scratch;
    const auto path = scratch.file("undici.txt");
    const auto run = develop({"--numbers", "1-11", "--export", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "11 colonne, Integrale\n");
    const auto text = scratch.read("undici.txt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
    EXPECT_EQ(text.substr(0, 33), " 01 02 03 04 05 06 07 08 09 10 \r\n");
    EXPECT_EQ(text.substr(text.size() - 33), " 02 03 04 05 06 07 08 09 10 11 \r\n");
}

TEST(CliDevelopSave, WritesASystemFileThatReadsBack) {
    test::ScratchFolder scratch;
    const auto path = scratch.file("sistema.dvx");
    const auto run = develop({"--numbers", "1-13", "--sum", "60-120", "--filter", "1-5:1-3",
                              "--reduce", "2", "--save", path});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.out.find(" colonne, Ridotto N-2 Condizionato\n"), std::string::npos) << run.out;
    const int printed = std::stoi(run.out);

    std::error_code error;
    const auto read = readSystemFile(path, error);
    ASSERT_FALSE(error) << error.message();
    ASSERT_TRUE(read.ok());
    const auto& c = read.content;
    EXPECT_EQ(c.sistema.columnCount, printed);
    EXPECT_EQ(c.columns.size(), static_cast<std::size_t>(printed));
    EXPECT_EQ(c.sistema.typeText, "Ridotto N-2 Condizionato");
    EXPECT_EQ(c.sistema.countInPlay, 13);
    EXPECT_EQ(c.condizioni.somma[0], 60);
    EXPECT_EQ(c.condizioni.somma[1], 120);
    EXPECT_NE(c.condizioni.sommaOn, 0);
    EXPECT_EQ(c.condizioni.ridottoLevel, 2);
    ASSERT_EQ(c.filtri.count, 1);
    EXPECT_EQ(c.filtri.entries[1].column, 0b11111);
    EXPECT_EQ(c.filtri.entries[1].presences, 0b1110);
}

std::vector<std::string> tooManyFilters() {
    std::vector<std::string> args{"--numbers", "1-12"};
    for (int j = 0; j <= 100; ++j) {
        args.insert(args.end(), {"--filter", "1-5:0-10"});
    }
    return args;
}

struct BadCase {
    const char* name;
    std::vector<std::string> args;
};

class CliDevelopRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(CliDevelopRefuses, WithStatusTwoAndOneLine) {
    const auto run = develop(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.size() > 1 && run.err.back() == '\n') << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliDevelopRefuses,
    ::testing::Values(BadCase{"NoNumbers", {}}, BadCase{"NumbersWithoutValue", {"--numbers"}},
                      BadCase{"NineNumbers", {"--numbers", "1-9"}},
                      BadCase{"NumberOutOfRange", {"--numbers", "1-10,21"}},
                      BadCase{"NumberZero", {"--numbers", "0-10"}},
                      BadCase{"NumberTwice", {"--numbers", "1-10,5"}},
                      BadCase{"MalformedNumbers", {"--numbers", "1-10,x"}},
                      BadCase{"TenFixed", {"--numbers", "1-12", "--fixed", "1-10"}},
                      BadCase{"FixedTwice", {"--numbers", "1-12", "--fixed", "3,3"}},
                      BadCase{"EvenEleven", {"--numbers", "1-12", "--even", "11"}},
                      BadCase{"EvenEmpty", {"--numbers", "1-12", "--even", ""}},
                      BadCase{"SumNotARange", {"--numbers", "1-12", "--sum", "60"}},
                      BadCase{"SumBelowFiftyFive", {"--numbers", "1-12", "--sum", "40-70"}},
                      BadCase{"SumReversed", {"--numbers", "1-12", "--sum", "90-70"}},
                      BadCase{"ConsecutiveZero", {"--numbers", "1-12", "--consecutive", "0"}},
                      BadCase{"FilterWithoutPresences", {"--numbers", "1-12", "--filter", "1-5"}},
                      BadCase{"FilterPresenceEleven", {"--numbers", "1-12", "--filter", "1-5:11"}},
                      BadCase{"FilterTwoColons", {"--numbers", "1-12", "--filter", "1-5:1:2"}},
                      BadCase{"FilterNumberZero", {"--numbers", "1-12", "--filter", "0-3:1"}},
                      BadCase{"FilterEmptyNumbers", {"--numbers", "1-12", "--filter", ":1"}},
                      BadCase{"HundredAndOneFilters", tooManyFilters()},
                      BadCase{"ReduceFour", {"--numbers", "1-12", "--reduce", "4"}},
                      BadCase{"ReduceNegative", {"--numbers", "1-12", "--reduce", "-1"}},
                      BadCase{"ReduceNotANumber", {"--numbers", "1-12", "--reduce", "two"}},
                      BadCase{"UnknownOption", {"--numbers", "1-12", "--bogus"}},
                      BadCase{"ExportIntoMissingFolder",
                              {"--numbers", "1-12", "--export", "/nonexistent-dvx-folder/a.txt"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliDevelopOutputs, BothFilesAreWrittenOrNeither) {
    test::ScratchFolder scratch;
    const auto exported = scratch.write("a.txt", "earlier columns\r\n");
    // The system file cannot be written: the export must not happen either.
    auto run = develop(
        {"--numbers", "1-11", "--export", exported, "--save", scratch.file("missing/a.dvx")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--save: cannot write " + scratch.file("missing/a.dvx")),
              std::string::npos)
        << run.err;
    EXPECT_EQ(scratch.read("a.txt"), "earlier columns\r\n");

    run = develop({"--numbers", "1-11", "--export", exported, "--save", exported});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("name the same file"), std::string::npos) << run.err;
    EXPECT_EQ(scratch.read("a.txt"), "earlier columns\r\n");

    run = develop({"--numbers", "1-11", "--export", exported, "--save", scratch.file("a.dvx")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(scratch.read("a.txt").size(), 11u * 33u);
    EXPECT_EQ(scratch.read("a.dvx").substr(0, 11), "dvx00000003");
}

} // namespace
} // namespace dvx
