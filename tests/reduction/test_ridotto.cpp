#include "Guarantee.h"
#include "LexicographicColumns.h"
#include "LiteralReduction.h"
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

using Reducer = std::int32_t (*)(ColumnTable&, NumberSet*, std::int32_t, int, const bool&,
                                 Progress&);

// Logs what the progress dialog is told, and can play the user who confirms
// the cancel prompt at a given yield.
class RecordingProgress final : public Progress {
public:
    std::vector<std::string> log;
    bool* cancel = nullptr;
    int cancelAtYield = 0; // 0 = never

    void yield() override {
        ++yields_;
        log.push_back("yield " + std::to_string(processed));
        if (cancel != nullptr && yields_ == cancelAtYield) {
            *cancel = true;
        }
    }
    void setPercent(int percent) override { log.push_back("percent " + std::to_string(percent)); }
    void setCaption(std::string_view caption) override {
        log.push_back("caption " + std::string(caption));
    }

private:
    int yields_ = 0;
};

constexpr std::uint8_t kStale = 99;

struct Outcome {
    std::int32_t kept = 0;
    std::vector<std::vector<std::uint8_t>> rows; // rows 1..n+1 after the run
    std::vector<NumberSet> candidates;           // 1-based, after the run
    std::vector<std::string> log;
    std::int32_t processed = 0;
};

struct RunOptions {
    int cancelAtYield = 0;
    bool cancelledBefore = false;
};

// Runs a reducer over a copy of the candidates on a table whose rows hold
// stale numbers, so that what it clears and what it writes both show.
Outcome run(Reducer reduce, std::vector<NumberSet> candidates, int level, RunOptions options = {}) {
    const auto n = static_cast<std::int32_t>(candidates.size()) - 1;
    auto colonne = std::make_unique<ColumnTable>();
    for (std::int32_t r = 1; r <= n + 1; ++r) {
        std::fill_n(colonne->row(r), kColumnSize, kStale);
    }
    bool cancel = options.cancelledBefore;
    RecordingProgress progress;
    progress.cancel = &cancel;
    progress.cancelAtYield = options.cancelAtYield;

    Outcome outcome;
    outcome.kept = reduce(*colonne, candidates.data(), n, level, cancel, progress);
    for (std::int32_t r = 1; r <= n + 1; ++r) {
        outcome.rows.emplace_back(colonne->row(r), colonne->row(r) + kColumnSize);
    }
    outcome.candidates = std::move(candidates);
    outcome.log = std::move(progress.log);
    outcome.processed = progress.processed;
    return outcome;
}

std::vector<NumberSet> keptSets(const Outcome& outcome) {
    std::vector<NumberSet> sets;
    for (std::int32_t r = 0; r < outcome.kept; ++r) {
        sets.push_back(setOfRow(outcome.rows[static_cast<std::size_t>(r)].data()));
    }
    return sets;
}

NumberSet setOf(std::initializer_list<int> numbers) {
    NumberSet set = 0;
    for (const int x : numbers) {
        set |= maskOf(x);
    }
    return set;
}

struct RowCase {
    NumberSet mask;
    std::vector<std::uint8_t> numbers;
};

class RowWriter : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowWriter, WritesAscendingNumbersAndSplitsBits) {
    const auto& c = GetParam();
    auto colonne = std::make_unique<ColumnTable>();
    std::fill_n(colonne->row(6), kColumnSize, kStale);
    std::fill_n(colonne->row(8), kColumnSize, kStale);

    writeRow(*colonne, c.mask, 7);
    EXPECT_EQ(std::vector<std::uint8_t>(colonne->row(7), colonne->row(7) + kColumnSize), c.numbers);
    EXPECT_EQ(colonne->row(6)[kColumnSize - 1], kStale);
    EXPECT_EQ(colonne->row(8)[0], kStale);

    const auto bits = splitBits(c.mask);
    for (int p = 0; p < kColumnSize; ++p) {
        EXPECT_EQ(bits[static_cast<std::size_t>(p)], maskOf(c.numbers[static_cast<std::size_t>(p)]))
            << "position " << p;
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, RowWriter,
                         ::testing::Values(RowCase{1023, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                           RowCase{1047552,
                                                   {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
                                           RowCase{setOf({1, 3, 5, 7, 9, 11, 13, 15, 17, 20}),
                                                   {1, 3, 5, 7, 9, 11, 13, 15, 17, 20}},
                                           RowCase{setOf({2, 4, 6, 8, 10, 12, 14, 16, 18, 19}),
                                                   {2, 4, 6, 8, 10, 12, 14, 16, 18, 19}}));

// The fast reduction must leave exactly what the first, literal one leaves:
// same rows in the same order, same count, same progress, every candidate
// spent, for candidate lists a development can produce and for any order.
class MatchesLiteral : public ::testing::TestWithParam<int> {};

TEST_P(MatchesLiteral, OnRandomDevelopments) {
    const int level = GetParam();
    std::mt19937 random(20261210u + static_cast<unsigned>(level));
    const double keepRates[] = {1.0, 0.5, 0.1, 0.02};
    for (int trial = 0; trial < 24; ++trial) {
        std::vector<int> pool = numbersUpTo(kNumbers);
        std::shuffle(pool.begin(), pool.end(), random);
        const int inPlay = std::uniform_int_distribution<int>(10, 16)(random);
        std::vector<int> numbers(pool.begin(), pool.begin() + inPlay);
        std::sort(numbers.begin(), numbers.end());

        const double keepRate = keepRates[trial % 4];
        std::bernoulli_distribution keep(keepRate);
        std::vector<NumberSet> candidates{0};
        for (const NumberSet set : lexicographicColumns(numbers)) {
            if (set != 0 && keep(random)) {
                candidates.push_back(set);
            }
        }
        // Beyond what a development gives: any order, and repeated columns.
        const bool shuffled = trial % 3 == 2;
        const bool repeated = trial % 4 == 3;
        if (repeated) {
            const std::size_t count = candidates.size();
            for (std::size_t i = 1; i < count; i += 3) {
                candidates.push_back(candidates[i]);
            }
        }
        if (shuffled) {
            std::shuffle(candidates.begin() + 1, candidates.end(), random);
        }
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(inPlay) +
                     " numbers, " + std::to_string(candidates.size() - 1) + " candidates" +
                     (shuffled ? ", shuffled" : "") + (repeated ? ", repeated" : ""));

        const Outcome fast = run(ridotto, candidates, level);
        const Outcome literal = run(test::literalRidotto, candidates, level);
        EXPECT_EQ(fast.kept, literal.kept);
        EXPECT_EQ(fast.rows, literal.rows);
        EXPECT_EQ(fast.log, literal.log);
        EXPECT_EQ(fast.processed, literal.processed);
        EXPECT_TRUE(std::all_of(fast.candidates.begin(), fast.candidates.end(),
                                [](NumberSet m) { return m == 0; }));
        if (level == 0 && !repeated) {
            EXPECT_EQ(fast.kept, static_cast<std::int32_t>(candidates.size()) - 1);
        }
    }
}

// 11 is outside the levels the dialog offers: the threshold goes below zero
// and the first pass eliminates everything, as the signed comparison says.
INSTANTIATE_TEST_SUITE_P(Levels, MatchesLiteral, ::testing::Values(0, 1, 2, 3, 11));

struct KeptCountCase {
    int numbers;
    std::array<std::int32_t, 3> kept; // N-1, N-2, N-3; 0 = not listed
};

void PrintTo(const KeptCountCase& c, std::ostream* os) {
    *os << c.numbers << " numbers";
}

class KeptCounts : public ::testing::TestWithParam<KeptCountCase> {};

// Integral development of 1..N reduced at each level: known counts, the
// covering promise, and no two kept columns as close as the promise.
TEST_P(KeptCounts, OfIntegralDevelopments) {
    const auto& c = GetParam();
    const std::vector<NumberSet> candidates = lexicographicColumns(numbersUpTo(c.numbers));
    const NumberSet inPlay = (NumberSet{1} << c.numbers) - 1;
    for (int level = 1; level <= 3; ++level) {
        const std::int32_t expected = c.kept[static_cast<std::size_t>(level - 1)];
        if (expected == 0) {
            continue;
        }
        SCOPED_TRACE("N-" + std::to_string(level));
        const Outcome outcome = run(ridotto, candidates, level);
        EXPECT_EQ(outcome.kept, expected);

        const std::vector<NumberSet> kept = keptSets(outcome);
        EXPECT_TRUE(checkGuarantee(kept, inPlay, level).holds);
        bool apart = true;
        for (std::size_t a = 0; a < kept.size() && apart; ++a) {
            EXPECT_EQ(std::popcount(static_cast<std::uint32_t>(kept[a])), kColumnSize);
            for (std::size_t b = a + 1; b < kept.size() && apart; ++b) {
                apart = std::popcount(static_cast<std::uint32_t>(kept[a] & kept[b])) <
                        kColumnSize - level;
            }
        }
        EXPECT_TRUE(apart);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumbersInPlay, KeptCounts,
    ::testing::Values(KeptCountCase{11, {1, 1, 1}}, KeptCountCase{12, {6, 1, 1}},
                      KeptCountCase{13, {21, 4, 1}}, KeptCountCase{14, {72, 8, 3}},
                      KeptCountCase{15, {189, 23, 3}}, KeptCountCase{16, {460, 45, 7}},
                      KeptCountCase{17, {984, 82, 17}}, KeptCountCase{18, {1994, 156, 30}},
                      KeptCountCase{19, {0, 285, 37}}, KeptCountCase{20, {0, 500, 52}}));

class FirstKeptColumns : public ::testing::TestWithParam<int> {};

TEST_P(FirstKeptColumns, OfFourteenNumbers) {
    const Outcome outcome = run(ridotto, lexicographicColumns(numbersUpTo(14)), GetParam());
    ASSERT_GE(outcome.kept, 3);
    EXPECT_EQ(outcome.rows[0], (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(outcome.rows[1], (std::vector<std::uint8_t>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(outcome.rows[2], (std::vector<std::uint8_t>{1, 2, 3, 4, 9, 10, 11, 12, 13, 14}));
}

INSTANTIATE_TEST_SUITE_P(Levels, FirstKeptColumns, ::testing::Values(0, 1, 2, 3));

TEST(Ridotto, NoCandidatesClearsNothing) {
    const Outcome outcome = run(ridotto, {0}, 1);
    EXPECT_EQ(outcome.kept, 0);
    EXPECT_EQ(outcome.rows[0][0], kStale);
    EXPECT_EQ(outcome.log,
              (std::vector<std::string>{"percent 0", "caption Riduzione in corso...."}));
}

TEST(Ridotto, SingleCandidateIsKept) {
    const NumberSet column = setOf({2, 3, 5, 7, 11, 13, 14, 17, 19, 20});
    const Outcome outcome = run(ridotto, {0, column}, 2);
    EXPECT_EQ(outcome.kept, 1);
    EXPECT_EQ(outcome.rows[0], (std::vector<std::uint8_t>{2, 3, 5, 7, 11, 13, 14, 17, 19, 20}));
    EXPECT_EQ(outcome.rows[1][0], kStale);
    EXPECT_EQ(outcome.candidates[1], 0);
}

TEST(Ridotto, ProgressShowsEachNewTenthOnce) {
    const std::vector<NumberSet> candidates = lexicographicColumns(numbersUpTo(16));
    const auto n = static_cast<std::int32_t>(candidates.size()) - 1;
    const Outcome outcome = run(ridotto, candidates, 1);
    ASSERT_GE(outcome.log.size(), 2u);
    EXPECT_EQ(outcome.log[0], "percent 0");
    EXPECT_EQ(outcome.log[1], "caption Riduzione in corso....");
    int lastTenth = 0;
    for (std::size_t i = 2; i < outcome.log.size(); i += 2) {
        ASSERT_EQ(outcome.log[i].rfind("yield ", 0), 0u) << outcome.log[i];
        ASSERT_LT(i + 1, outcome.log.size());
        const int eliminated = std::stoi(outcome.log[i].substr(6));
        const int percent = std::stoi(outcome.log[i + 1].substr(8));
        EXPECT_EQ(percent, eliminated * 100 / n);
        EXPECT_NE(percent / 10, lastTenth);
        EXPECT_LT(percent, 100);
        lastTenth = percent / 10;
    }
    EXPECT_GE(lastTenth, 8); // most candidates go long before the last columns
}

TEST(Ridotto, CancelBeforeTheFirstColumnKeepsNothing) {
    const Outcome outcome =
        run(ridotto, lexicographicColumns(numbersUpTo(12)), 1, {.cancelledBefore = true});
    EXPECT_EQ(outcome.kept, 0);
    EXPECT_EQ(outcome.rows[0], std::vector<std::uint8_t>(kColumnSize, 0));
    EXPECT_EQ(outcome.rows.back()[0], kStale);
}

// The prompt can only answer at a yield; the run stops before the next
// column and returns 0, leaving the rows already written.
TEST(Ridotto, CancelAtAPromptStopsLikeTheLiteralRun) {
    const std::vector<NumberSet> candidates = lexicographicColumns(numbersUpTo(15));
    for (int atYield = 1; atYield <= 4; ++atYield) {
        SCOPED_TRACE("cancel at yield " + std::to_string(atYield));
        const Outcome fast = run(ridotto, candidates, 1, {.cancelAtYield = atYield});
        const Outcome literal =
            run(test::literalRidotto, candidates, 1, {.cancelAtYield = atYield});
        EXPECT_EQ(fast.kept, 0);
        EXPECT_EQ(literal.kept, 0);
        EXPECT_EQ(fast.rows, literal.rows);
        EXPECT_EQ(fast.log, literal.log);
        EXPECT_NE(fast.rows[0][0], 0); // the first column was written before the stop
    }
}

// Entries that are not 10-number columns would never be eliminated: they
// are passed over, so the run ends and keeps what the clean list keeps.
TEST(Ridotto, PassesOverEntriesThatAreNotColumns) {
    std::vector<NumberSet> clean = lexicographicColumns(numbersUpTo(13));
    std::vector<NumberSet> dirty{0, clean[1]};
    for (std::size_t i = 2; i < clean.size(); ++i) {
        if (i % 40 == 0) {
            dirty.push_back(0);
            dirty.push_back(setOf({1, 2, 3}));
            dirty.push_back(-1);
        }
        dirty.push_back(clean[i]);
    }
    const Outcome expected = run(ridotto, clean, 1);
    const Outcome outcome = run(ridotto, dirty, 1);
    EXPECT_EQ(outcome.kept, expected.kept);
    EXPECT_EQ(keptSets(outcome), keptSets(expected));
    EXPECT_TRUE(std::all_of(outcome.candidates.begin(), outcome.candidates.end(),
                            [](NumberSet m) { return m == 0; }));
}

TEST(Ridotto, NegativeLevelKeepsEverythingLikeLevelZero) {
    const std::vector<NumberSet> candidates = lexicographicColumns(numbersUpTo(12));
    const Outcome outcome = run(ridotto, candidates, -2);
    EXPECT_EQ(keptSets(outcome), keptSets(run(ridotto, candidates, 0)));
    EXPECT_EQ(outcome.kept, static_cast<std::int32_t>(candidates.size()) - 1);
}

} // namespace
} // namespace dvx
