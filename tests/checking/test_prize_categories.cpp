// Which scores win, at which price, under which list and label.

#include "CheckFixtures.h"
#include "PrizeCategories.h"

#include <gtest/gtest.h>

#include <string_view>

namespace dvx {
namespace {

struct Category {
    int points;
    bool hit;
    int single;
    std::string_view singleLabel;
    int archive;
    std::string_view archiveLabel;
};

class PrizeCategory : public ::testing::TestWithParam<Category> {};

TEST_P(PrizeCategory, HasItsListsAndLabels) {
    const auto& c = GetParam();
    ASSERT_EQ(singleCheckIndex(c.points, c.hit), c.single);
    EXPECT_EQ(kSingleCheckLabels[static_cast<std::size_t>(c.single)], c.singleLabel);
    ASSERT_EQ(archiveCheckIndex(c.points, c.hit), c.archive);
    EXPECT_EQ(kArchiveCheckLabels[static_cast<std::size_t>(c.archive)], c.archiveLabel);
}

TEST_P(PrizeCategory, LowScoresWinOnlyAtTheHigherPrice) {
    const auto& c = GetParam();
    EXPECT_TRUE(pointsWin(c.points, 2.0f));
    EXPECT_EQ(pointsWin(c.points, 1.0f), c.points >= 7);
}

INSTANTIATE_TEST_SUITE_P(All16, PrizeCategory,
                         ::testing::Values(Category{10, false, 0, "Punti 10", 1, "Pt.10"},
                                           Category{10, true, 1, "Punti 10+1", 0, "Pt.10+1"},
                                           Category{9, false, 2, "Punti 9", 3, "Pt.09"},
                                           Category{9, true, 3, "Punti 9+1", 2, "Pt.09+1"},
                                           Category{8, false, 4, "Punti 8", 5, "Pt.08"},
                                           Category{8, true, 5, "Punti 8+1", 4, "Pt.08+1"},
                                           Category{7, false, 6, "Punti 7", 7, "Pt.07"},
                                           Category{7, true, 7, "Punti 7+1", 6, "Pt.07+1"},
                                           Category{0, false, 8, "Punti 0", 15, "Pt.00"},
                                           Category{0, true, 9, "Punti 0+1", 14, "Pt.00+1"},
                                           Category{1, false, 10, "Punti 1", 13, "Pt.01"},
                                           Category{1, true, 11, "Punti 1+1", 12, "Pt.01+1"},
                                           Category{2, false, 12, "Punti 2", 11, "Pt.02"},
                                           Category{2, true, 13, "Punt 2+1", 10, "Pt.02+1"},
                                           Category{3, false, 14, "Punt 3", 9, "Pt.03"},
                                           Category{3, true, 15, "Punti 3+1", 8, "Pt.03+1"}));

TEST(PrizeCategory, MiddleAndImpossibleScoresNeverWin) {
    for (const int points : {4, 5, 6, -1, 11}) {
        for (const bool hit : {false, true}) {
            EXPECT_EQ(singleCheckIndex(points, hit), -1) << points;
            EXPECT_EQ(archiveCheckIndex(points, hit), -1) << points;
        }
        EXPECT_FALSE(pointsWin(points, 2.0f)) << points;
        EXPECT_FALSE(pointsWin(points, 1.0f)) << points;
    }
}

struct Scoring {
    const char* name;
    test::Column column;
    NumberSet drawn;
    int points;
};

class PointsOf : public ::testing::TestWithParam<Scoring> {};

TEST_P(PointsOf, CountsTheDrawnNumbersOfTheColumn) {
    EXPECT_EQ(pointsOf(GetParam().column.data(), GetParam().drawn), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointsOf,
    ::testing::Values(Scoring{"AllDrawn",
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                              test::setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                              10},
                      Scoring{"NoneDrawn",
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                              test::setOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
                              0},
                      Scoring{"Highest",
                              {11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
                              test::setOf({1, 2, 3, 4, 5, 6, 7, 18, 19, 20}),
                              3},
                      Scoring{"EmptyPositionsAndStrayNumbersAreNeverDrawn",
                              {1, 2, 0, 0, 21, 0, 0, 0, 0, 0},
                              test::setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) | NumberSet{1} << 20,
                              2},
                      Scoring{"ARepeatedNumberCountsEachTime",
                              {5, 5, 6, 7, 8, 9, 10, 11, 12, 13},
                              test::setOf({1, 2, 3, 4, 5, 14, 15, 16, 17, 18}),
                              2},
                      Scoring{"EmptyDraw", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, 0}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace dvx
