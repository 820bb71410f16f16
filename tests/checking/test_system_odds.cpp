// Exact odds over every possible draw: against the draw-by-draw count on
// random systems (odd rows included), and against the closed forms of the
// integral system, a single column and an empty system.

#include "CheckFixtures.h"
#include "LexicographicColumns.h"
#include "LiteralOdds.h"
#include "NumberSet.h"
#include "SystemOdds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace dvx {
namespace {

using Random = std::mt19937;

int uniform(Random& random, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

std::int64_t choose(int n, int k) {
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

// Columns drawn from a random set of numbers in play; now and then a row
// the loaders would refuse (a repeat, an empty position, a 21).
std::unique_ptr<SystemState> randomSystem(Random& random) {
    auto pool = test::numbersUpTo(kNumbers);
    std::shuffle(pool.begin(), pool.end(), random);
    pool.resize(static_cast<std::size_t>(uniform(random, 10, 20)));
    std::vector<test::Column> columns(static_cast<std::size_t>(uniform(random, 1, 14)));
    for (auto& column : columns) {
        std::shuffle(pool.begin(), pool.end(), random);
        std::copy_n(pool.begin(), kColumnSize, column.begin());
        std::sort(column.begin(), column.end());
        const auto at = static_cast<std::size_t>(uniform(random, 0, kColumnSize - 1));
        switch (uniform(random, 0, 5)) {
        case 0:
            column[at] = column[(at + 1) % column.size()];
            break;
        case 1:
            column[at] = 0;
            break;
        case 2:
            column[at] = 21;
            break;
        default:
            break;
        }
    }
    return test::systemOf(columns, static_cast<std::uint8_t>(uniform(random, 0, 20)),
                          uniform(random, 0, 1) == 0 ? 1.0f : 2.0f);
}

TEST(SystemOdds, MatchesTheDrawByDrawCountOnRandomSystems) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        Random random(seed);
        const auto system = randomSystem(random);
        EXPECT_EQ(systemOdds(*system), test::literalSystemOdds(*system)) << "seed " << seed;
    }
}

// A repeated number scores twice, empty positions and 21 never: such rows
// fall outside the transform over number sets.
TEST(SystemOdds, RowsTheLoadersRefuseScoreAsTheCheckScoresThem) {
    const auto system = test::systemOf({{3, 3, 3, 3, 3, 4, 5, 6, 7, 8},
                                        {1, 2, 3, 4, 5, 6, 7, 8, 9, 9},
                                        {0, 0, 0, 11, 12, 13, 14, 15, 16, 17},
                                        {1, 2, 3, 4, 5, 6, 7, 8, 9, 21},
                                        {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
                                       4, 2.0f);
    EXPECT_EQ(systemOdds(*system), test::literalSystemOdds(*system));
}

std::unique_ptr<SystemState> integralOfTwenty(std::uint8_t numerone, float price) {
    const auto sets = test::lexicographicColumns(test::numbersUpTo(kNumbers));
    std::vector<test::Column> columns(sets.size() - 1);
    for (std::size_t i = 1; i < sets.size(); ++i) {
        rowOfSet(sets[i], columns[i - 1].data());
    }
    return test::systemOf(columns, numerone, price);
}

TEST(SystemOdds, IntegralOfTwentyReachesTenAndZeroInEveryDraw) {
    const auto system = integralOfTwenty(5, 2.0f);
    const auto odds = systemOdds(*system);
    EXPECT_EQ(odds.drawsByMax[10], kPossibleDraws);
    EXPECT_EQ(odds.drawsByMin[0], kPossibleDraws);
    EXPECT_EQ(odds.drawsWithWin, kPossibleDraws);
    for (int p = 0; p <= kMaxPoints; ++p) {
        // Every draw: C(10, p) x C(10, 10 - p) columns score p.
        EXPECT_EQ(odds.columnsByPoints[static_cast<std::size_t>(p)],
                  kPossibleDraws * choose(10, p) * choose(10, p))
            << p;
    }
    // The single check's counts of the integral system, split 19 to 1 by
    // the Numerone.
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 0), 19.0 / 20.0);     // Punti 10
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 1), 1.0 / 20.0);      // Punti 10+1
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 3), 100.0 / 20.0);    // Punti 9+1
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 6), 14400.0 * 0.95);  // Punti 7
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 14), 14400.0 * 0.95); // Punt 3
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 9), 1.0 / 20.0);      // Punti 0+1
}

struct StakeCase {
    std::uint8_t numerone;
    float price;
    std::int64_t drawsWithWin;
    double punti0;
    double punti0Hit;
    double punti7Hit;
};

class SingleColumnOdds : public ::testing::TestWithParam<StakeCase> {};

// One column meets the draws as the hypergeometric law says, whatever the
// stake; the stake decides what wins and how the Numerone splits it.
TEST_P(SingleColumnOdds, FollowTheHypergeometricLaw) {
    const auto& stake = GetParam();
    const auto system =
        test::systemOf({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, stake.numerone, stake.price);
    const auto odds = systemOdds(*system);
    for (int p = 0; p <= kMaxPoints; ++p) {
        const auto draws = choose(10, p) * choose(10, 10 - p);
        EXPECT_EQ(odds.drawsByMax[static_cast<std::size_t>(p)], draws) << p;
        EXPECT_EQ(odds.drawsByMin[static_cast<std::size_t>(p)], draws) << p;
        EXPECT_EQ(odds.columnsByPoints[static_cast<std::size_t>(p)], draws) << p;
    }
    EXPECT_EQ(odds.drawsWithWin, stake.drawsWithWin);
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 8), stake.punti0);
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 9), stake.punti0Hit);
    EXPECT_DOUBLE_EQ(expectedWinningColumns(odds, 7), stake.punti7Hit);
    EXPECT_DOUBLE_EQ(winProbability(odds),
                     static_cast<double>(stake.drawsWithWin) / kPossibleDraws);
}

constexpr double kOneDraw = 1.0 / kPossibleDraws;
constexpr std::int64_t kSevenOrMore = 14400 + 2025 + 100 + 1;

INSTANTIATE_TEST_SUITE_P(Stakes, SingleColumnOdds,
                         ::testing::Values(StakeCase{0, 2.0f, 2 * kSevenOrMore, kOneDraw, 0.0, 0.0},
                                           StakeCase{7, 2.0f, 2 * kSevenOrMore, kOneDraw * 19 / 20,
                                                     kOneDraw / 20, 14400 * kOneDraw / 20},
                                           StakeCase{7, 1.0f, kSevenOrMore, 0.0, 0.0,
                                                     14400 * kOneDraw / 20}));

TEST(SystemOdds, WithoutColumnsEveryDrawKeepsTheStartValues) {
    const auto system = test::systemOf({}, 3, 2.0f);
    const auto odds = systemOdds(*system);
    EXPECT_EQ(odds.drawsByMax[0], kPossibleDraws);
    EXPECT_EQ(odds.drawsByMin[10], kPossibleDraws);
    EXPECT_EQ(odds.drawsWithWin, 0);
    EXPECT_EQ(expectedWinningColumns(odds, 0), 0.0);
}

TEST(SystemOdds, ReportListsHighestAndLowestFromTenDown) {
    const auto system = test::systemOf({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, 7, 2.0f);
    const auto lines = oddsReport(systemOdds(*system));
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    ASSERT_LT(at("massimo 10: 1"), at("massimo 9: 100"));
    ASSERT_LT(at("massimo 0: 1"), at("minimo 10: 1"));
    ASSERT_LT(at("minimo 5: 63504"), at("minimo 0: 1"));
    EXPECT_LT(at("almeno una colonna vincente: 33052 su 184756 (17.8895%)"),
              static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_LT(at("Punti 10+1: 0.000000271"), static_cast<std::ptrdiff_t>(lines.size()));
}

TEST(SystemOdds, PanelTextsUseTheUserSeparators) {
    const auto system = integralOfTwenty(5, 2.0f);
    Separators italian;
    italian.thousands = ".";
    italian.decimal = ",";
    const auto texts = oddsTexts(systemOdds(*system), italian);
    EXPECT_EQ(texts.highest[10], "100,0000%");
    EXPECT_EQ(texts.highest[9], "0,0000%");
    EXPECT_EQ(texts.lowest[0], "100,0000%");
    EXPECT_EQ(texts.win, "Almeno una colonna vincente: 100,0000%");
    EXPECT_EQ(texts.expected[6], "13.680,000000"); // Punti 7
    EXPECT_EQ(texts.expected[1], "0,050000");      // Punti 10+1
}

TEST(SystemOdds, PercentTextUsesTheLocaleSeparator) {
    EXPECT_EQ(percentText(1.0, ","), "100,0000%");
    EXPECT_EQ(percentText(0.178895, ","), "17,8895%");
    EXPECT_EQ(percentText(0.0, "."), "0.0000%");
}

} // namespace
} // namespace dvx
