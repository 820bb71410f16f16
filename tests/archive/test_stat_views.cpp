#include "ArchiveFixtures.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "StatViews.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

using test::archiveOf;
using test::draw;

// Two draws: 1..10, then the odd numbers.
const Archivio kTwoDraws = archiveOf({
    draw("9/12/2026", "22:00", 70001, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5),
    draw("10/12/2026", "23:00", 70002, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 20),
});

struct ViewCase {
    int view;
    const char* title;
    std::size_t bars;
    const char* firstKey;
    const char* lastKey;
    std::size_t seriesCount;
    std::vector<std::int32_t> firstSeries; // all the values of the first series
};

class StatViewOf : public ::testing::TestWithParam<ViewCase> {};

TEST_P(StatViewOf, HasItsBarsKeysAndValues) {
    const auto& c = GetParam();
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    const auto figures = recomputeStatistics(kTwoDraws, scratch.file("stat.csv"), platform);
    const auto chart = statView(figures, c.view);
    EXPECT_EQ(chart.title, c.title);
    ASSERT_EQ(chart.categories.size(), c.bars);
    EXPECT_EQ(chart.categories.front(), c.firstKey);
    EXPECT_EQ(chart.categories.back(), c.lastKey);
    ASSERT_EQ(chart.series.size(), c.seriesCount);
    for (const auto& s : chart.series) {
        EXPECT_EQ(s.values.size(), c.bars) << s.name;
    }
    EXPECT_EQ(chart.series.front().values, c.firstSeries);
    EXPECT_EQ(chart.barLabels.size(), c.bars);
    EXPECT_FALSE(chart.axisX.empty());
    EXPECT_FALSE(chart.axisY.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Views, StatViewOf,
    ::testing::Values(
        ViewCase{0, "Consecutivi", 10, "01", "10", 1, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        ViewCase{1, "Ripetuti", 11, "00", "10", 1, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
        ViewCase{2, "Pari", 11, "00", "10", 1, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
        ViewCase{3, "Dispari", 11, "00", "10", 1, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
        ViewCase{4, "Somma", 10, "055-065", "146-155", 1, {1, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
        ViewCase{5, "Frequenza Numeri", 20, "01", "20", 1, {2, 1, 2, 1, 2, 1, 2, 1, 2, 1,
                                                            1, 0, 1, 0, 1, 0, 1, 0, 1, 0}},
        // Ritardo attuale: 0 for the odd numbers, 1 for 2..10 even, 2 for the rest.
        ViewCase{6, "Ritardi", 20, "01", "20", 2, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1,
                                                   0, 2, 0, 2, 0, 2, 0, 2, 0, 2}}),
    [](const auto& param) { return "View" + std::to_string(param.param.view); });

TEST(StatView, RitardiShowsCurrentAndLongest) {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    const auto figures = recomputeStatistics(kTwoDraws, scratch.file("stat.csv"), platform);
    const auto chart = statView(figures, kRitardiView);
    EXPECT_EQ(chart.series[0].name, "Ritardo attuale");
    EXPECT_EQ(chart.series[1].name, "Ritardo massimo");
    // 11 was out of the first draw only.
    EXPECT_EQ(chart.series[1].values[10], 1);
    EXPECT_EQ(chart.barLabels[11], "12 -->      2 /     2");
    EXPECT_EQ(figures.draws, 2);
}

TEST(StatView, RecomputingWritesTheFileAndReportsItsErrors) {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    recomputeStatistics(kTwoDraws, scratch.file("stat.csv"), platform);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(scratch.read("stat.csv").substr(0, 9), "Concorso;");

    // No folder to write into: the tables still come back with the message.
    const auto figures = recomputeStatistics(kTwoDraws, scratch.file("none/stat.csv"), platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 76 (Path not found) in procedure Statistiche of Form frmStatistiche");
    EXPECT_EQ(figures.tables.frequenza[1], 2);
}

TEST(StatView, AxisScaleHasWholeTicksAboveTheTallestBar) {
    struct Case {
        std::int32_t highest;
        AxisScale expected;
    };
    for (const auto& c :
         {Case{0, {1, 1}}, Case{1, {2, 1}}, Case{2, {3, 1}}, Case{9, {10, 1}}, Case{10, {12, 2}},
          Case{97, {120, 20}}, Case{1000, {1200, 200}}, Case{18000, {20000, 2000}}}) {
        EXPECT_EQ(axisScale(c.highest), c.expected) << c.highest;
    }
    for (std::int32_t highest = 0; highest < 5000; highest += 7) {
        const auto scale = axisScale(highest);
        EXPECT_GT(scale.top, highest);
        EXPECT_EQ(scale.top % scale.step, 0);
        EXPECT_LE(scale.top / scale.step, 10);
    }
}

} // namespace
} // namespace dvx
