#include "Guarantee.h"
#include "LexicographicColumns.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace dvx {
namespace {

using test::lexicographicColumns;
using test::numbersUpTo;

int inCommon(NumberSet a, NumberSet b) {
    return std::popcount(static_cast<std::uint32_t>(a & b));
}

std::vector<int> numbersOf(NumberSet set) {
    std::vector<int> numbers;
    for (int x = 1; x <= kNumbers; ++x) {
        if (contains(set, x)) {
            numbers.push_back(x);
        }
    }
    return numbers;
}

// The check done the plain way: every combination against every column.
GuaranteeReport bruteForce(const std::vector<NumberSet>& columns, NumberSet inPlay, int level) {
    GuaranteeReport report;
    const std::vector<NumberSet> combinations = lexicographicColumns(numbersOf(inPlay));
    for (std::size_t i = 1; i < combinations.size(); ++i) {
        const NumberSet combination = combinations[i];
        const bool covered = std::any_of(columns.begin(), columns.end(), [&](NumberSet column) {
            return inCommon(column, combination) >= kColumnSize - level;
        });
        if (!covered) {
            if (report.holds) {
                report.holds = false;
                report.firstUncovered = combination;
            }
            ++report.uncoveredCount;
        }
    }
    return report;
}

void expectSameReport(const GuaranteeReport& actual, const GuaranteeReport& expected) {
    EXPECT_EQ(actual.holds, expected.holds);
    EXPECT_EQ(actual.firstUncovered, expected.firstUncovered);
    EXPECT_EQ(actual.uncoveredCount, expected.uncoveredCount);
}

// Random column sets, from a handful (each column's neighbourhood marked) to
// thousands (coverage spread swap by swap), with columns that leave the play.
class AgreesWithBruteForce : public ::testing::TestWithParam<int> {};

TEST_P(AgreesWithBruteForce, OnRandomSystems) {
    const int level = GetParam();
    std::mt19937 random(4242u + static_cast<unsigned>(level));
    const std::vector<NumberSet> everyColumn = lexicographicColumns(numbersUpTo(kNumbers));
    const int columnCounts[] = {0, 1, 7, 60, 400, 3000};
    for (int trial = 0; trial < 18; ++trial) {
        std::vector<int> pool = numbersUpTo(kNumbers);
        std::shuffle(pool.begin(), pool.end(), random);
        const int playCount = std::uniform_int_distribution<int>(10, 15)(random);
        NumberSet inPlay = 0;
        for (int i = 0; i < playCount; ++i) {
            inPlay |= maskOf(pool[static_cast<std::size_t>(i)]);
        }
        const std::vector<NumberSet> playColumns = lexicographicColumns(numbersOf(inPlay));

        const int columnCount = columnCounts[trial % 6];
        const bool someOutside = trial % 2 == 1;
        std::vector<NumberSet> columns;
        for (int c = 0; c < columnCount; ++c) {
            const auto& from = someOutside && c % 3 == 0 ? everyColumn : playColumns;
            columns.push_back(
                from[std::uniform_int_distribution<std::size_t>(1, from.size() - 1)(random)]);
        }
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(playCount) +
                     " numbers, " + std::to_string(columnCount) + " columns");
        expectSameReport(checkGuarantee(columns, inPlay, level),
                         bruteForce(columns, inPlay, level));
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, AgreesWithBruteForce, ::testing::Values(0, 1, 2, 3));

struct ReducedCase {
    int numbers;
    int level;
};

void PrintTo(const ReducedCase& c, std::ostream* os) {
    *os << c.numbers << " numbers, N-" << c.level;
}

class ReducedSystem : public ::testing::TestWithParam<ReducedCase> {};

// A reduction keeps its promise; without any one of its columns, some
// combination close only to that column loses it.
TEST_P(ReducedSystem, HoldsAndBreaksWithoutAnyColumn) {
    const auto& c = GetParam();
    std::vector<NumberSet> candidates = lexicographicColumns(numbersUpTo(c.numbers));
    auto colonne = std::make_unique<ColumnTable>();
    const bool cancel = false;
    Progress progress;
    const std::int32_t kept =
        ridotto(*colonne, candidates.data(), static_cast<std::int32_t>(candidates.size()) - 1,
                c.level, cancel, progress);
    const NumberSet inPlay = (NumberSet{1} << c.numbers) - 1;

    const GuaranteeReport whole = checkGuarantee(*colonne, kept, inPlay, c.level);
    EXPECT_TRUE(whole.holds);
    EXPECT_EQ(whole.firstUncovered, 0);
    EXPECT_EQ(whole.uncoveredCount, 0);

    std::vector<NumberSet> columns;
    for (std::int32_t r = 1; r <= kept; ++r) {
        columns.push_back(setOfRow(colonne->row(r)));
    }
    for (std::size_t removed = 0; removed < columns.size(); removed += 1 + columns.size() / 5) {
        SCOPED_TRACE("without column " + std::to_string(removed + 1));
        std::vector<NumberSet> others = columns;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(removed));
        const GuaranteeReport report = checkGuarantee(others, inPlay, c.level);
        EXPECT_FALSE(report.holds);
        EXPECT_GE(inCommon(report.firstUncovered, columns[removed]), kColumnSize - c.level);
        expectSameReport(report, bruteForce(others, inPlay, c.level));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReducedSystem,
                         ::testing::Values(ReducedCase{11, 1}, ReducedCase{13, 1},
                                           ReducedCase{14, 2}, ReducedCase{16, 3},
                                           ReducedCase{12, 0}));

TEST(Guarantee, NamesTheFirstUncoveredCombination) {
    // With 1..12 in play the column 1..10 alone gives 9 points unless both
    // 11 and 12 are drawn: the 45 combinations holding both miss out, the
    // first of them being 1..8 11 12.
    const auto setOf = [](std::vector<std::uint8_t> numbers) {
        return setOfRow(numbers.data(), static_cast<int>(numbers.size()));
    };
    const std::vector<NumberSet> columns{setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})};
    const NumberSet inPlay = (NumberSet{1} << 12) - 1;
    EXPECT_TRUE(checkGuarantee(columns, inPlay & ~maskOf(12), 1).holds);

    const GuaranteeReport report = checkGuarantee(columns, inPlay, 1);
    EXPECT_FALSE(report.holds);
    EXPECT_EQ(report.firstUncovered, setOf({1, 2, 3, 4, 5, 6, 7, 8, 11, 12}));
    EXPECT_EQ(report.uncoveredCount, 45);
    EXPECT_TRUE(checkGuarantee(columns, inPlay, 2).holds);
}

TEST(Guarantee, FewerThanTenNumbersHaveNothingToCover) {
    const GuaranteeReport report = checkGuarantee(std::vector<NumberSet>{}, (1 << 9) - 1, 1);
    EXPECT_TRUE(report.holds);
    EXPECT_EQ(report.uncoveredCount, 0);
}

} // namespace
} // namespace dvx
