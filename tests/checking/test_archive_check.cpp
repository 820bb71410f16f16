// The archive check on a small system and archive: the grid rows, the CSV
// bytes, where the CSV goes, and the grid's filters.

#include "ArchiveCheck.h"
#include "CheckCsv.h"
#include "CheckFixtures.h"
#include "CheckGrid.h"
#include "GridFilter.h"
#include "Progress.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace dvx {
namespace {

// Rows 1..3: 1..10, 11..20, and 1..5 with 11..15.
std::unique_ptr<SystemState> fixtureSystem(std::uint8_t numerone, float price) {
    return test::systemOf({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                           {11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
                           {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}},
                          numerone, price);
}

// Scores 10/0/5 (Numerone 5), 7/3/8 (Numerone 7), and an empty record.
Archivio fixtureArchive() {
    return test::archiveOf({
        test::drawOf(101, "10/12/2026", "14:00", test::setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 5),
        test::drawOf(102, "1°dic 2026", "15:00", test::setOf({1, 2, 3, 4, 5, 6, 7, 11, 12, 13}), 7),
        Estrazione{},
    });
}

std::vector<GridRow> cellsOf(const std::vector<ArchiveCheckRow>& rows) {
    std::vector<GridRow> cells;
    for (const auto& row : rows) {
        cells.push_back(archiveCheckCells(row));
    }
    return cells;
}

struct Expected {
    const char* name;
    std::uint8_t numerone;
    float price;
    std::vector<GridRow> cells;
};

class FixtureCheck : public ::testing::TestWithParam<Expected> {};

TEST_P(FixtureCheck, GivesOneRowPerDraw) {
    const auto& c = GetParam();
    const auto system = fixtureSystem(c.numerone, c.price);
    Progress progress;
    EXPECT_EQ(cellsOf(SpoglioArchivioEstrazioni(*system, fixtureArchive(), 1, 3, progress)),
              c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixtureCheck,
    ::testing::Values(Expected{"HigherPrice",
                               7,
                               2.0f,
                               {{"101", "10/12/2026", "14:00", "01-02-03-04-05-06-07-08-09-10",
                                 "5",   "10",         "0",     "0",
                                 "1",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "1"},
                                {"102", "1°dic 2026", "15:00", "01-02-03-04-05-06-07-11-12-13",
                                 "7",   "8+1",        "3+1",   "0",
                                 "0",   "0",          "0",     "1",
                                 "0",   "1",          "0",     "1",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0"},
                                {"0", "",  "",  "",  "0", "0", "0", "0", "0", "0", "0", "0",
                                 "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "3"}}},
                      Expected{"LowerPriceCountsNoLowScore",
                               7,
                               1.0f,
                               {{"101", "10/12/2026", "14:00", "01-02-03-04-05-06-07-08-09-10",
                                 "5",   "10",         "0",     "0",
                                 "1",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0"},
                                {"102", "1°dic 2026", "15:00", "01-02-03-04-05-06-07-11-12-13",
                                 "7",   "8+1",        "3+1",   "0",
                                 "0",   "0",          "0",     "1",
                                 "0",   "1",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0"},
                                {"0", "",  "",  "",  "0", "0", "0", "0", "0", "0", "0", "0",
                                 "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}}},
                      // The empty record's Numerone 0 is no hit for a system without one.
                      Expected{"SystemWithoutNumerone",
                               0,
                               2.0f,
                               {{"101", "10/12/2026", "14:00", "01-02-03-04-05-06-07-08-09-10",
                                 "5",   "10",         "0",     "0",
                                 "1",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "0",     "0",
                                 "0",   "0",          "1"},
                                {"102", "1°dic 2026", "15:00", "01-02-03-04-05-06-07-11-12-13",
                                 "7",   "8",          "3",     "0",
                                 "0",   "0",          "0",     "0",
                                 "1",   "0",          "1",     "0",
                                 "1",   "0",          "0",     "0",
                                 "0",   "0",          "0"},
                                {"0", "",  "",  "",  "0", "0", "0", "0", "0", "0", "0", "0",
                                 "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "3"}}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ArchiveCheck, RangeListsShowDateAndContest) {
    const auto archive = fixtureArchive();
    EXPECT_EQ(rangeListEntry(archive[1]), "10/12/2026 - 101");
    EXPECT_EQ(rangeListEntry(archive[3]), " - 0");
}

TEST(ArchiveCheck, ScoresOnlyTheChosenRange) {
    const auto system = fixtureSystem(7, 2.0f);
    const auto archive = fixtureArchive();
    Progress progress;
    const auto all = SpoglioArchivioEstrazioni(*system, archive, 1, 3, progress);

    EXPECT_EQ(SpoglioArchivioEstrazioni(*system, archive, 2, 3, progress),
              std::vector<ArchiveCheckRow>(all.begin() + 1, all.end()));
    EXPECT_EQ(SpoglioArchivioEstrazioni(*system, archive, 2, 2, progress),
              std::vector<ArchiveCheckRow>{all[1]});
    EXPECT_TRUE(SpoglioArchivioEstrazioni(*system, archive, 3, 2, progress).empty());
}

// Records the percentages the check reports.
struct PercentLog final : Progress {
    std::vector<int> percents;
    void setPercent(int percent) override { percents.push_back(percent); }
};

TEST(ArchiveCheck, ReportsEachNewPercentageOfTheRange) {
    const auto system = fixtureSystem(7, 2.0f);
    std::vector<Estrazione> draws(250, fixtureArchive()[1]);
    const auto archive = test::archiveOf(draws);
    PercentLog log;
    SpoglioArchivioEstrazioni(*system, archive, 2, 3, log);
    EXPECT_EQ(log.percents, (std::vector<int>{50, 100}));

    log.percents.clear();
    SpoglioArchivioEstrazioni(*system, archive, 1, 250, log);
    ASSERT_EQ(log.percents.size(), 101u); // 0 (after the first draw) to 100, each once
    EXPECT_EQ(log.percents.front(), 0);
    EXPECT_TRUE(std::is_sorted(log.percents.begin(), log.percents.end()));
    EXPECT_EQ(log.percents.back(), 100);

    log.percents.clear();
    SpoglioArchivioEstrazioni(*system, archive, 3, 2, log);
    EXPECT_TRUE(log.percents.empty());
}

TEST(ArchiveCheckGrid, WidestCellOfEachColumnIncludesTheHeader) {
    const auto system = fixtureSystem(7, 2.0f);
    Progress progress;
    const auto texts =
        gridTexts(SpoglioArchivioEstrazioni(*system, fixtureArchive(), 1, 3, progress));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], archiveCheckCells(SpoglioArchivioEstrazioni(*system, fixtureArchive(), 2, 2,
                                                                    progress)[0]));
    const auto widest = widestCells(texts);
    EXPECT_EQ(widest[0], "Concorso ");
    EXPECT_EQ(widest[3], "01-02-03-04-05-06-07-08-09-10");
    EXPECT_EQ(widest[5], "Max"); // the first of the longest, before "8+1"
    EXPECT_EQ(widest[7], "Pt.10+1");
    EXPECT_EQ(widestCells({}), archiveCheckHeader());
}

TEST(ArchiveCheckCsv, WritesHeaderAndRowsWithASemicolonAfterEveryCell) {
    const auto system = fixtureSystem(7, 2.0f);
    Progress progress;
    const auto rows = SpoglioArchivioEstrazioni(*system, fixtureArchive(), 1, 2, progress);

    EXPECT_EQ(archiveCheckCsv(rows),
              "Concorso ;Data ;Ora ;Colonna ;Numerone ;Max;Min;Pt.10+1;Pt.10;Pt.09+1;Pt.09;"
              "Pt.08+1;Pt.08;Pt.07+1;Pt.07;Pt.03+1;Pt.03;Pt.02+1;Pt.02;Pt.01+1;Pt.01;Pt.00+1;"
              "Pt.00;\r\n"
              "101;10/12/2026;14:00;01-02-03-04-05-06-07-08-09-10;5;10;0;"
              "0;1;0;0;0;0;0;0;0;0;0;0;0;0;0;1;\r\n"
              "102;1\xB0"
              "dic 2026;15:00;01-02-03-04-05-06-07-11-12-13;7;8+1;3+1;"
              "0;0;0;0;1;0;1;0;1;0;0;0;0;0;0;0;\r\n");
    EXPECT_EQ(archiveCheckCsv({}),
              "Concorso ;Data ;Ora ;Colonna ;Numerone ;Max;Min;Pt.10+1;Pt.10;Pt.09+1;Pt.09;"
              "Pt.08+1;Pt.08;Pt.07+1;Pt.07;Pt.03+1;Pt.03;Pt.02+1;Pt.02;Pt.01+1;Pt.01;Pt.00+1;"
              "Pt.00;\r\n");
}

struct CsvName {
    const char* fileName;
    const char* csv;
};

class ArchiveCheckCsvPath : public ::testing::TestWithParam<CsvName> {};

TEST_P(ArchiveCheckCsvPath, IsTheSystemNameInTheCsvFolder) {
    EXPECT_EQ(archiveCheckCsvPath("/prog/", GetParam().fileName), GetParam().csv);
}

INSTANTIATE_TEST_SUITE_P(Names, ArchiveCheckCsvPath,
                         ::testing::Values(CsvName{"nuovo.dvx", "/prog/csv/nuovo.csv"},
                                           CsvName{"/home/u/sistemi/MySystem.DVX",
                                                   "/prog/csv/mysystem.csv"},
                                           CsvName{"a.dvx.dvx", "/prog/csv/a.csv.csv"}));

TEST(ExportTocsv, CreatesTheFolderWritesEveryRowAndOpensTheFile) {
    test::ScratchFolder program;
    const auto system = fixtureSystem(7, 2.0f);
    Progress progress;
    const auto first = SpoglioArchivioEstrazioni(*system, fixtureArchive(), 1, 3, progress);
    const auto second = SpoglioArchivioEstrazioni(*system, fixtureArchive(), 2, 2, progress);
    test::RecordingPlatform platform;

    ASSERT_TRUE(exportTocsv(first, program.folder(), "sistemi/MySystem.dvx", platform));
    EXPECT_EQ(program.read("csv/mysystem.csv"), archiveCheckCsv(first));
    ASSERT_TRUE(exportTocsv(second, program.folder(), "sistemi/MySystem.dvx", platform));

    EXPECT_EQ(program.read("csv/mysystem.csv"), archiveCheckCsv(second));
    EXPECT_EQ(platform.opened, (std::vector<std::string>(2, program.file("csv/mysystem.csv"))));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST(ExportTocsv, ReportsAFolderThatCannotBeMadeAndOpensNothing) {
    test::ScratchFolder program;
    program.write("csv", "a file where the folder should be");
    test::RecordingPlatform platform;

    EXPECT_FALSE(exportTocsv({}, program.folder(), "nuovo.dvx", platform));

    ASSERT_EQ(platform.messages.size(), 1u);
    const auto& shown = platform.lastMessage();
    EXPECT_EQ(shown.text.rfind("Error ", 0), 0u) << shown.text;
    EXPECT_TRUE(shown.text.ends_with(") in procedure exportTocsv of Form frmSpoglioEstrazioni"))
        << shown.text;
    EXPECT_EQ(shown.title, "");
    EXPECT_EQ(shown.icon, Icon::None);
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(program.read("csv"), "a file where the folder should be");
    EXPECT_EQ(platform.busyDepth, 0);
}

class GridFilters : public ::testing::Test {
protected:
    void SetUp() override {
        const auto system = fixtureSystem(7, 2.0f);
        Progress progress;
        rows = cellsOf(SpoglioArchivioEstrazioni(*system, fixtureArchive(), 1, 3, progress));
        rows.push_back(rows[0]); // a draw checked twice repeats its texts
    }
    static constexpr int kMax = 5;
    static constexpr int kPt00 = 22;
    std::vector<GridRow> rows;

    std::vector<bool> shown(const GridRow& choices) const {
        std::vector<bool> visible;
        for (const auto& row : rows) {
            visible.push_back(rowPassesFilters(row, choices));
        }
        return visible;
    }
};

TEST_F(GridFilters, ListEachTextOnceInOrderOfFirstAppearance) {
    EXPECT_EQ(filterChoices(rows, kMax), (std::vector<std::string>{"*", "10", "8+1", "0"}));
    EXPECT_EQ(filterChoices(rows, kPt00), (std::vector<std::string>{"*", "1", "0", "3"}));
    EXPECT_EQ(filterChoices({}, kMax), std::vector<std::string>{"*"});
}

TEST_F(GridFilters, ShowRowsMatchingEveryChosenValueExactly) {
    auto choices = noFilters();
    EXPECT_EQ(shown(choices), (std::vector<bool>{true, true, true, true}));

    choices[kMax] = "10";
    EXPECT_EQ(shown(choices), (std::vector<bool>{true, false, false, true}));

    choices[kMax] = "8"; // "8+1" is another text
    EXPECT_EQ(shown(choices), (std::vector<bool>{false, false, false, false}));

    choices[kMax] = "0";
    choices[kPt00] = "3";
    EXPECT_EQ(shown(choices), (std::vector<bool>{false, false, true, false}));

    choices[kPt00] = "1";
    EXPECT_EQ(shown(choices), (std::vector<bool>{false, false, false, false}));
}

} // namespace
} // namespace dvx
