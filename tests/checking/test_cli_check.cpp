// decaventrix-cli check and check-archive, run as a real program over a
// small system and archive of the test's own.

#include "ArchiveCheck.h"
#include "ArchiveFile.h"
#include "CheckCsv.h"
#include "CheckFixtures.h"
#include "CliRunner.h"
#include "Progress.h"
#include "ScratchFolder.h"
#include "SystemFileIO.h"
#include "SystemOdds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dvx {
namespace {

test::ProgramRun cli(std::vector<std::string> args) {
    return test::runProgram(DVX_CLI_PATH, args);
}

const std::vector<test::Column> kColumns = {{1, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                                            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                            {1, 2, 3, 4, 5, 11, 12, 13, 14, 15},
                                            {2, 11, 12, 13, 14, 15, 16, 17, 18, 19}};

const std::vector<Estrazione> kDraws = {
    test::drawOf(101, "10/12/2026", "14:00", test::setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 5),
    test::drawOf(102, "11/12/2026", "15:00", test::setOf({1, 2, 3, 4, 5, 6, 7, 11, 12, 13}), 7),
    test::drawOf(103, "12/12/2026", "16:00", test::setOf({1, 3, 5, 7, 9, 11, 13, 15, 17, 19}), 7),
};

class CliCheck : public ::testing::Test {
protected:
    test::ScratchFolder dir;
    std::string text;    // the columns as a column text file
    std::string system;  // the same columns as a system file
    std::string archive; // the draws

    void SetUp() override {
        std::string lines;
        for (const auto& column : kColumns) {
            for (const auto n : column) {
                lines += std::to_string(n) + " ";
            }
            lines += "\r\n";
        }
        text = dir.write("cols.txt", lines);
        system = dir.file("cols.dvx");
        const auto state = test::systemOf(kColumns, 0, 2.0f);
        ASSERT_FALSE(saveSystemFile(system, *state));
        std::string records;
        for (const auto& draw : kDraws) {
            appendRecord(records, draw);
        }
        archive = dir.write("decaventrix.dat", records);
    }

    // What the archive check gives for records first..last at a stake.
    static std::string expectedCsv(int first, int last, std::uint8_t numerone, float price) {
        const auto state = test::systemOf(kColumns, numerone, price);
        Progress progress;
        return archiveCheckCsv(
            SpoglioArchivioEstrazioni(*state, test::archiveOf(kDraws), first, last, progress));
    }
};

TEST_F(CliCheck, ListsTheWinningColumnsOfEachCategory) {
    for (const auto& file : {text, system}) {
        const auto run =
            cli({"check", file, "--win", "20,1-9", "--win-numerone", "4", "--numerone", "4"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "Colonna vincente: 01 02 03 04 05 06 07 08 09 20 Numerone 04\n"
                           "Punti 10: 0\n"
                           "Punti 10+1: 0\n"
                           "Punti 9: 0\n"
                           "Punti 9+1: 1\n"
                           "  c.2\n"
                           "Punti 8: 0\n"
                           "Punti 8+1: 0\n"
                           "Punti 7: 0\n"
                           "Punti 7+1: 0\n"
                           "Punti 0: 0\n"
                           "Punti 0+1: 0\n"
                           "Punti 1: 0\n"
                           "Punti 1+1: 2\n"
                           "  c.1 c.4\n"
                           "Punti 2: 0\n"
                           "Punt 2+1: 0\n"
                           "Punt 3: 0\n"
                           "Punti 3+1: 0\n"
                           "Massimo punteggio raggiunto  9+1\n"
                           "Minimo punteggio raggiunto  1+1\n");
    }
}

TEST_F(CliCheck, LowerPriceAndNoNumeroneListOnlyHighScores) {
    const auto run = cli({"check", text, "--win", "1-10", "--win-numerone", "4", "--price", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Punti 10: 1\n  c.2\nPunti 10+1: 0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Punti 1: 0\n"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("Massimo punteggio raggiunto  10\n"
                                  "Minimo punteggio raggiunto  1\n"))
        << run.out;
}

TEST_F(CliCheck, WritesOneCsvRowPerDrawOfTheRange) {
    struct Case {
        std::vector<std::string> options;
        int first;
        int last;
        std::uint8_t numerone;
        float price;
        const char* out;
    };
    const std::vector<Case> cases = {
        {{}, 1, 3, 0, 2.0f, "3 estrazioni\n"},
        {{"--from", "2", "--numerone", "7", "--price", "1"}, 2, 3, 7, 1.0f, "2 estrazioni\n"},
        {{"--to", "1", "--numerone", "5"}, 1, 1, 5, 2.0f, "1 estrazioni\n"},
    };
    for (const auto& c : cases) {
        const auto csv = dir.file("out.csv");
        std::vector<std::string> args = {"check-archive", system,  "--archive",
                                         archive,         "--csv", csv};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto run = cli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(dir.read("out.csv"), expectedCsv(c.first, c.last, c.numerone, c.price)) << c.out;
    }
}

TEST_F(CliCheck, OddsPrintTheExactOddsOfTheSystemAtItsStake) {
    for (const auto& [numerone, price] : {std::pair<std::uint8_t, float>{0, 2.0f}, {4, 1.0f}}) {
        std::vector<std::string> args = {"odds", text, "--price", price == 1.0f ? "1" : "2"};
        if (numerone != 0) {
            args.insert(args.end(), {"--numerone", std::to_string(numerone)});
        }
        const auto run = cli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        std::string expected;
        for (const auto& line :
             oddsReport(systemOdds(*test::systemOf(kColumns, numerone, price)))) {
            expected += line + "\n";
        }
        EXPECT_EQ(run.out, expected);
        EXPECT_NE(run.out.find("\nmassimo 10: 4\n"), std::string::npos) << run.out;
    }
}

struct Refused {
    const char* name;
    std::vector<std::string> args; // after the subcommand; SYS, ARC and CSV are replaced
    const char* err;
};

class CliCheckRefuses : public CliCheck, public ::testing::WithParamInterface<Refused> {};

TEST_P(CliCheckRefuses, WithExitStatusTwo) {
    std::vector<std::string> args;
    for (const auto& a : GetParam().args) {
        args.push_back(a == "SYS"   ? system
                       : a == "ARC" ? archive
                       : a == "CSV" ? dir.file("out.csv")
                                    : a);
    }
    const auto run = cli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(GetParam().err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(dir.read("out.csv"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliCheckRefuses,
    ::testing::Values(
        Refused{"RepeatedWinningNumber",
                {"check", "SYS", "--win", "1-9,9", "--win-numerone", "4"},
                "Colonna Errata: Duplicazione di numeri\n"},
        Refused{"WinningNumberAboveTwenty",
                {"check", "SYS", "--win", "1-9,21", "--win-numerone", "4"},
                "Colonna Errata: Valore 21 non ammesso\n"},
        Refused{"NoWinningNumerone",
                {"check", "SYS", "--win", "1-10", "--win-numerone", "0"},
                "Colonna Errata: Valore 0 non ammesso\n"},
        Refused{"NineWinningNumbers",
                {"check", "SYS", "--win", "1-9", "--win-numerone", "4"},
                "--win needs 10 numbers"},
        Refused{"BadPrice",
                {"check", "SYS", "--win", "1-10", "--win-numerone", "4", "--price", "3"},
                "--price must be 1 or 2"},
        Refused{"BadNumerone",
                {"check", "SYS", "--win", "1-10", "--win-numerone", "4", "--numerone", "21"},
                "--numerone"},
        Refused{"MissingSystem",
                {"check", "nowhere.dvx", "--win", "1-10", "--win-numerone", "4"},
                "cannot read nowhere.dvx"},
        Refused{"MissingArchive",
                {"check-archive", "SYS", "--archive", "nowhere.dat", "--csv", "CSV"},
                "cannot read nowhere.dat"},
        Refused{"RangePastTheArchive",
                {"check-archive", "SYS", "--archive", "ARC", "--to", "4", "--csv", "CSV"},
                "--to: 4 is outside 1..3"},
        Refused{"NoCsv", {"check-archive", "SYS", "--archive", "ARC"}, "--csv is required"},
        Refused{"ReversedRange",
                {"check-archive", "SYS", "--archive", "ARC", "--from", "3", "--to", "2", "--csv",
                 "CSV"},
                "--from 3 comes after --to 2"},
        Refused{"CsvOverTheArchive",
                {"check-archive", "SYS", "--archive", "ARC", "--csv", "ARC"},
                "is also an input"},
        Refused{"OddsWithoutSystem", {"odds", "--price", "2"}, "a SYSTEM file"},
        Refused{"OddsBadPrice", {"odds", "SYS", "--price", "0"}, "--price must be 1 or 2"},
        Refused{"OddsWinningColumn", {"odds", "SYS", "--win", "1-10"}, "unexpected argument"},
        Refused{"OddsMissingSystem", {"odds", "nowhere.dvx"}, "cannot read nowhere.dvx"}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace dvx
