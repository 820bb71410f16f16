// The covering search: whatever it returns is a complete cover, never larger
// than where it started, and the same on every run; the orbit search's
// covers are whole orbits of their shift.

#include "CoverSearch.h"
#include "CyclicCover.h"
#include "Guarantee.h"
#include "MatrixDesign.h"
#include "Subsets.h"
#include "WeightedCover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <vector>

namespace dvx {
namespace {

std::vector<std::uint32_t> allSets(int v, int size) {
    std::vector<std::uint32_t> sets;
    forEachSubset((std::uint32_t{1} << v) - 1, size, [&](std::uint32_t s) { sets.push_back(s); });
    std::sort(sets.begin(), sets.end());
    return sets;
}

// The points no column covers, by brute force.
std::int32_t uncovered(const CoverProblem& problem, const std::vector<std::uint32_t>& columns) {
    const int needed = std::popcount(problem.points.front()) - problem.radius;
    std::int32_t missing = 0;
    for (const std::uint32_t point : problem.points) {
        const bool covered = std::any_of(columns.begin(), columns.end(), [&](std::uint32_t c) {
            return std::popcount(c & point) >= needed;
        });
        missing += covered ? 0 : 1;
    }
    return missing;
}

bool allArePoints(const CoverProblem& problem, const std::vector<std::uint32_t>& columns) {
    return std::all_of(columns.begin(), columns.end(), [&](std::uint32_t c) {
        return std::binary_search(problem.points.begin(), problem.points.end(), c);
    });
}

struct Case {
    int v;
    int size;
    int radius;
};

class CoverSearchCase : public ::testing::TestWithParam<Case> {};

TEST_P(CoverSearchCase, GreedyAndSearchGiveCompleteCoversAndRepeatThemselves) {
    const auto [v, size, radius] = GetParam();
    CoverProblem problem{allSets(v, size), radius};
    const auto greedy = greedyCover(problem);
    ASSERT_FALSE(greedy.empty());
    EXPECT_EQ(uncovered(problem, greedy), 0);
    EXPECT_TRUE(allArePoints(problem, greedy));

    for (const CoverMethod method : {CoverMethod::Anneal, CoverMethod::Tabu, CoverMethod::Weighted,
                                     CoverMethod::WeightedTabu}) {
        const CoverSearchLimits limits{60'000, 7, method};
        const auto found = improveCover(problem, greedy, limits);
        EXPECT_EQ(uncovered(problem, found), 0);
        EXPECT_TRUE(allArePoints(problem, found));
        EXPECT_LE(found.size(), greedy.size());
        EXPECT_EQ(improveCover(problem, greedy, limits), found) << "not repeatable";
    }
}

INSTANTIATE_TEST_SUITE_P(Small, CoverSearchCase,
                         ::testing::Values(Case{12, 10, 1}, Case{13, 10, 1}, Case{14, 10, 2},
                                           Case{13, 8, 1}, Case{15, 10, 3}));

TEST(CoverSearch, FindsTheKnownOptimumForThirteenNumbersAtGuaranteeNine) {
    // 13 columns are known to be the fewest; the greedy needs more.
    CoverProblem problem{allSets(13, 10), 1};
    const auto greedy = greedyCover(problem);
    const auto found = improveCover(problem, greedy, {400'000, 3});
    EXPECT_GT(greedy.size(), 13U);
    EXPECT_EQ(found.size(), 13U);
    EXPECT_EQ(uncovered(problem, found), 0);
}

TEST(CoverSearch, CoversOnlyTheGivenPointsWithColumnsAmongThem) {
    // Half of the 10-sets of 14 numbers, as a condition would leave them.
    CoverProblem problem{{}, 1};
    for (const std::uint32_t s : allSets(14, 10)) {
        if (std::popcount(s & 0x5555u) % 2 == 0) {
            problem.points.push_back(s);
        }
    }
    for (const CoverMethod method :
         {CoverMethod::Anneal, CoverMethod::Weighted, CoverMethod::WeightedTabu}) {
        const auto found = improveCover(problem, greedyCover(problem), {100'000, 5, method});
        EXPECT_EQ(uncovered(problem, found), 0);
        EXPECT_TRUE(allArePoints(problem, found));
    }
}

TEST(CoverSearch, WeightedSearchReachesTheBestKnownCoverOfFourteenNumbers) {
    // 42 columns are the fewest known; annealing stays at 43 or more.
    CoverProblem problem{allSets(14, 10), 1};
    const auto found =
        improveCover(problem, greedyCover(problem), {1'000'000, 1, CoverMethod::Weighted});
    EXPECT_EQ(found.size(), 42U);
    EXPECT_EQ(uncovered(problem, found), 0);
}

TEST(CoverSearch, WeightedTabuReachesTheBestKnownCoverOfSeventeenNumbersAtGuaranteeSeven) {
    // 9 columns are the fewest known; the greedy gives 12 and annealing
    // stays at 11 even with a hundred million moves.
    CoverProblem problem{allSets(17, 10), 3};
    const auto greedy = greedyCover(problem);
    const auto found = improveCover(problem, greedy, {10'000, 1, CoverMethod::WeightedTabu});
    EXPECT_GT(greedy.size(), 9U);
    EXPECT_EQ(found.size(), 9U);
    EXPECT_EQ(uncovered(problem, found), 0);
}

TEST(CoverSearch, ComplementPairsGiveAMirroredCoverAndFallBackWhereThereIsNoMirror) {
    // Every 5-set of 10 numbers: each column's complement is a point too.
    CoverProblem halves{allSets(10, 5), 1};
    CoverSearchLimits paired{20'000, 3, CoverMethod::WeightedTabu};
    paired.complementPairs = true;
    const auto greedy = greedyCover(halves);
    const auto found = improveCover(halves, greedy, paired);
    EXPECT_EQ(uncovered(halves, found), 0);
    EXPECT_LT(found.size(), greedy.size());
    const std::set<std::uint32_t> columns(found.begin(), found.end());
    EXPECT_EQ(columns.size(), found.size());
    for (const std::uint32_t column : found) {
        EXPECT_TRUE(columns.count(0x3FFu & ~column)) << "no mirror for " << column;
    }
    EXPECT_EQ(improveCover(halves, greedy, paired), found) << "not repeatable";

    // Sets of 10 from 14 have no complements among them: the plain search runs.
    CoverProblem tens{allSets(14, 10), 2};
    const auto start = greedyCover(tens);
    const auto plain = improveCover(tens, start, {20'000, 3, CoverMethod::WeightedTabu});
    EXPECT_EQ(improveCover(tens, start, paired), plain);
}

TEST(WeightedSetCover, WeighsEachCandidateByItsPrice) {
    // Elements 0..3. One candidate covers all at price 5, two halves cost 2
    // each, and singletons cost 2: the two halves are the cheapest cover.
    SetCoverInstance instance;
    instance.elements = 4;
    instance.addCandidate({0, 1, 2, 3}, 5);
    instance.addCandidate({0, 1}, 2);
    instance.addCandidate({2, 3}, 2);
    for (std::int32_t e = 0; e < 4; ++e) {
        instance.addCandidate({e}, 2);
    }
    EXPECT_EQ(weightedSetCover(instance, {}, {1000, 1}), (std::vector<std::int32_t>{1, 2}));
    EXPECT_TRUE(weightedSetCover(instance, {1}, {1000, 1}).empty()) << "no cover to start from";
}

TEST(CoverSearch, ACancelKeepsTheLastCompleteCover) {
    CoverProblem problem{allSets(15, 10), 1};
    const auto greedy = greedyCover(problem);
    const bool cancel = true;
    const auto found = improveCover(problem, greedy, {10'000'000, 1}, {nullptr, &cancel});
    EXPECT_EQ(uncovered(problem, found), 0);
    EXPECT_LE(found.size(), greedy.size());
}

struct ShiftCase {
    int v;
    CycleLengths cycles;
};

class OrbitCase : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(OrbitCase, CoverIsCompleteAndMadeOfWholeOrbits) {
    const auto& [v, cycles] = GetParam();
    const auto columns = cyclicCover(v, 10, 1, cycles, {200'000, 9});
    ASSERT_FALSE(columns.empty());
    CoverProblem problem{allSets(v, 10), 1};
    EXPECT_EQ(uncovered(problem, columns), 0);

    // Shifting every column once gives the same set of columns.
    std::vector<int> image(static_cast<std::size_t>(v));
    int first = 0;
    for (std::size_t b = 0; b < image.size(); ++b) {
        image[b] = static_cast<int>(b);
    }
    for (const int length : cycles) {
        for (int i = 0; i < length; ++i) {
            image[static_cast<std::size_t>(first + i)] = first + (i + 1) % length;
        }
        first += length;
    }
    const std::set<std::uint32_t> all(columns.begin(), columns.end());
    for (const std::uint32_t column : columns) {
        std::uint32_t shifted = 0;
        for (int b = 0; b < v; ++b) {
            if ((column >> b) & 1) {
                shifted |= std::uint32_t{1} << image[static_cast<std::size_t>(b)];
            }
        }
        EXPECT_TRUE(all.count(shifted)) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Shifts, OrbitCase,
                         ::testing::Values(ShiftCase{14, {14}}, ShiftCase{14, {13, 1}},
                                           ShiftCase{15, {5, 5, 5}}, ShiftCase{15, {3, 3, 3}},
                                           ShiftCase{14, {4, 4, 4}}));

TEST(CyclicCover, RefusesShiftsItCannotTrack) {
    EXPECT_TRUE(cyclicCover(20, 10, 1, {4, 5, 7}, {1000, 1}).empty()); // order 140
    EXPECT_TRUE(cyclicCover(9, 10, 1, {9}, {1000, 1}).empty());
}

TEST(MatrixDesign, FixedPositionsAreInEveryColumnAndTheRestIsCovered) {
    const MatrixPlan plan{14, 1, 2};
    MatrixEffort effort;
    effort.annealMoves = 50'000;
    const auto design = designMatrix(plan, effort);
    ASSERT_FALSE(design.columns.empty());
    EXPECT_LE(static_cast<std::int32_t>(design.columns.size()), design.greedyColumns);
    std::vector<NumberSet> columns;
    for (const NumberSet column : design.columns) {
        EXPECT_EQ(column & 3, 3) << column;
        EXPECT_EQ(std::popcount(static_cast<std::uint32_t>(column)), kColumnSize);
        columns.push_back(column);
    }
    // Every draw holding positions 1 and 2 finds a column with 9 of its numbers.
    CoverProblem draws{{}, 1};
    for (const std::uint32_t s : allSets(14, 10)) {
        if ((s & 3) == 3) {
            draws.points.push_back(s);
        }
    }
    std::vector<std::uint32_t> asSets(columns.begin(), columns.end());
    EXPECT_EQ(uncovered(draws, asSets), 0);
}

} // namespace
} // namespace dvx
