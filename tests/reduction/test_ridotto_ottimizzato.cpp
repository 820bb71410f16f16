// The optimised reduction keeps the greedy's promise over the developed
// columns with fewer columns, never more, and behaves like the greedy
// towards the development: rows, candidates, progress and cancel.

#include "LexicographicColumns.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"
#include "RidottoOttimizzato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace dvx {
namespace {

using test::lexicographicColumns;
using test::numbersUpTo;

int sumOf(NumberSet set) {
    int total = 0;
    for (int x = 1; x <= kNumbers; ++x) {
        total += contains(set, x) ? x : 0;
    }
    return total;
}

// A conditioned development: the columns of the numbers whose sum lies in lo..hi.
std::vector<NumberSet> withSum(const std::vector<int>& numbers, int lo, int hi) {
    std::vector<NumberSet> kept{0};
    for (const NumberSet set : lexicographicColumns(numbers)) {
        if (set != 0 && sumOf(set) >= lo && sumOf(set) <= hi) {
            kept.push_back(set);
        }
    }
    return kept;
}

struct Reduced {
    std::int32_t count = 0;
    std::vector<NumberSet> rows;
    std::vector<NumberSet> candidatesAfter;
};

Reduced reduce(Reducer reducer, std::vector<NumberSet> candidates, int level, bool cancel = false) {
    auto colonne = std::make_unique<ColumnTable>();
    Progress progress;
    Reduced out;
    const auto n = static_cast<std::int32_t>(candidates.size()) - 1;
    out.count = reducer(*colonne, candidates.data(), n, level, cancel, progress);
    for (int r = 1; r <= out.count; ++r) {
        out.rows.push_back(setOfRow(colonne->row(r)));
    }
    out.candidatesAfter = candidates;
    return out;
}

struct Input {
    const char* name;
    std::vector<int> numbers;
    int lo;
    int hi;
    int level;
    double atMost; // of the greedy's count
};

class OptimisedReduction : public ::testing::TestWithParam<Input> {};

TEST_P(OptimisedReduction, CoversEveryDevelopedColumnWithFarFewerColumns) {
    const auto& input = GetParam();
    const auto developed = withSum(input.numbers, input.lo, input.hi);
    const auto greedy = reduce(&ridotto, developed, input.level);
    const auto optimised = reduce(&ridottoOttimizzato, developed, input.level);

    const std::set<NumberSet> pool(developed.begin() + 1, developed.end());
    for (const NumberSet row : optimised.rows) {
        EXPECT_TRUE(pool.count(row)) << "kept a column that was not developed: " << row;
    }
    for (std::size_t i = 1; i < developed.size(); ++i) {
        const bool covered =
            std::any_of(optimised.rows.begin(), optimised.rows.end(), [&](NumberSet row) {
                return countOf(row & developed[i]) >= kColumnSize - input.level;
            });
        ASSERT_TRUE(covered) << "developed column " << i << " lost its guarantee";
    }
    EXPECT_LE(optimised.count, input.atMost * greedy.count)
        << optimised.count << " against the greedy's " << greedy.count;
    EXPECT_TRUE(std::all_of(optimised.candidatesAfter.begin(), optimised.candidatesAfter.end(),
                            [](NumberSet c) { return c == 0; }));
    EXPECT_EQ(reduce(&ridottoOttimizzato, developed, input.level).rows, optimised.rows)
        << "the same system must give the same columns";
}

INSTANTIATE_TEST_SUITE_P(Conditioned, OptimisedReduction,
                         ::testing::Values(Input{"fourteen_n1", numbersUpTo(14), 70, 80, 1, 0.63},
                                           Input{"sixteen_n1", numbersUpTo(16), 80, 90, 1, 0.62},
                                           Input{"sixteen_n2", numbersUpTo(16), 75, 95, 2, 0.8},
                                           Input{"eighteen_n2", numbersUpTo(18), 90, 96, 2, 0.8},
                                           Input{"fifteen_n3", numbersUpTo(15), 70, 90, 3, 1.0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(OptimisedReduction, EdgeCountsAndCancel) {
    EXPECT_EQ(reduce(&ridottoOttimizzato, {0}, 1).count, 0);
    EXPECT_EQ(reduce(&ridottoOttimizzato, {0, 0x3FF}, 1).rows, std::vector<NumberSet>{0x3FF});
    // Level 0 keeps every distinct column.
    const auto all = lexicographicColumns(numbersUpTo(12));
    EXPECT_EQ(reduce(&ridottoOttimizzato, all, 0).count, 66);

    const auto cancelled = reduce(&ridottoOttimizzato, lexicographicColumns(numbersUpTo(15)), 1,
                                  /*cancel=*/true);
    EXPECT_EQ(cancelled.count, 0);
}

TEST(OptimisedReduction, OnlyItsSwitchChoosesIt) {
    Condizioni c;
    c.ridottoOn = kTrue;
    c.ridottoLevel = 1;
    EXPECT_EQ(chosenReducer(c), &ridotto);
    c.ridottoOttimizzato = kTrue;
    EXPECT_EQ(chosenReducer(c), &ridottoOttimizzato);
}

} // namespace
} // namespace dvx
