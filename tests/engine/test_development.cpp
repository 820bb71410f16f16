#include "Development.h"
#include "LiteralDevelopment.h"
#include "NumberSet.h"
#include "RecordingPlatform.h"
#include "Ridotto.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace dvx {
namespace {

// Records what the development shows, and can press cancel during a yield
// as the progress dialog's button would.
class TraceProgress final : public Progress {
public:
    bool* cancel = nullptr;
    int cancelAtYield = 0; // 0 = never
    int yields = 0;
    std::vector<std::string> events;

    void yield() override {
        ++yields;
        events.push_back("yield at " + std::to_string(processed));
        if (cancel != nullptr && yields == cancelAtYield) {
            *cancel = true;
        }
    }
    void setPercent(int percent) override {
        events.push_back("percent " + std::to_string(percent) + " at " + std::to_string(processed));
    }
    void setAlarm(std::string_view text) override {
        events.push_back("alarm " + std::string(text));
    }

    std::vector<int> percents() const {
        std::vector<int> values;
        for (const auto& e : events) {
            if (e.rfind("percent ", 0) == 0) {
                values.push_back(std::stoi(e.substr(8)));
            }
        }
        return values;
    }
};

std::unique_ptr<SystemState> stateWith(const std::vector<int>& numbers) {
    auto state = std::make_unique<SystemState>();
    for (int n : numbers) {
        selectNumber(*state, n, true);
    }
    rebuildNumbersInPlay(*state);
    return state;
}

std::vector<int> range(int first, int last, int step = 1) {
    std::vector<int> v;
    for (int x = first; x <= last; x += step) {
        v.push_back(x);
    }
    return v;
}

std::vector<int> rowOf(const SystemState& state, int r) {
    const auto* row = state.colonne.row(r);
    return {row, row + kColumnSize};
}

NumberSet setOf(const std::vector<int>& numbers) {
    NumberSet set = 0;
    for (int n : numbers) {
        set |= maskOf(n);
    }
    return set;
}

std::int32_t noReduction(ColumnTable&, NumberSet*, std::int32_t n, int, const bool&, Progress&) {
    ADD_FAILURE() << "reduction called with the switch off";
    return n;
}

// ---------------------------------------------------------------------------
// The fast development against the literal one on random systems.

void randomConditions(std::mt19937& g, SystemState& s) {
    auto coin = [&g] { return (g() & 1U) != 0; };
    auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    auto& c = s.condizioni;
    if (coin()) {
        c.sommaOn = kTrue;
        c.somma[0] = static_cast<std::int16_t>(pick(50, 120));
        c.somma[1] = static_cast<std::int16_t>(c.somma[0] + pick(-5, 60));
    }
    if (coin()) {
        c.pariDispariOn = 1; // any non-zero reads as on
        for (auto& e : c.pariDispari) {
            e = static_cast<VBool>(pick(0, 2) == 0 ? 0 : pick(1, 2) == 1 ? kTrue : 1);
        }
    }
    if (coin()) {
        c.fisseOn = kTrue;
        c.fisseCount = static_cast<std::uint8_t>(pick(0, 3));
        // Distinct, as the fixed-number dialog picks them; mostly numbers in
        // play, now and then one that is not.
        std::vector<int> fixed;
        while (static_cast<int>(fixed.size()) < c.fisseCount) {
            const int x =
                pick(0, 5) == 0
                    ? pick(1, kNumbers)
                    : s.sistema
                          .numbers[static_cast<std::size_t>(pick(0, s.sistema.countInPlay - 1))];
            if (std::find(fixed.begin(), fixed.end(), x) == fixed.end()) {
                fixed.push_back(x);
                c.fisse[fixed.size()] = static_cast<std::uint8_t>(x);
            }
        }
    }
    if (coin()) {
        s.filtri.count = static_cast<std::int16_t>(pick(1, 4));
        for (int j = 1; j <= s.filtri.count; ++j) {
            auto& f = s.filtri.entries[static_cast<std::size_t>(j)];
            f.column = static_cast<NumberSet>(g() & 0xFFFFFU);
            f.presences = static_cast<std::int32_t>((g() | g()) & 0x7FFU);
            f.active = kTrue;
        }
        if (s.filtri.count > 1 && coin()) {
            // Entries after an inactive one take no part.
            s.filtri.entries[static_cast<std::size_t>(pick(1, s.filtri.count))].active = kFalse;
        }
    }
    if (coin()) {
        s.consecutivi.on = kTrue;
        s.consecutivi.runsMask = static_cast<std::int32_t>((g() | g()) & 0x7FEU);
    }
}

TEST(DevelopmentOracle, MatchesLiteralDevelopmentOnRandomSystems) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 g(seed);
        std::vector<int> pool = range(1, kNumbers);
        std::shuffle(pool.begin(), pool.end(), g);
        // Mostly small systems; every fifth one has 18 to 20 numbers.
        const int n =
            seed % 5 == 0 ? 18 + static_cast<int>(seed % 3) : 10 + static_cast<int>(g() % 7);
        pool.resize(static_cast<std::size_t>(n));
        auto fast = stateWith(pool);
        randomConditions(g, *fast);
        if (seed % 3 == 0 && n <= 14) {
            // Both hand the same accepted columns to the real reduction.
            fast->condizioni.ridottoOn = kTrue;
            fast->condizioni.ridottoLevel = static_cast<std::uint8_t>(1 + g() % 3);
        }
        auto literal = std::make_unique<SystemState>(*fast);

        TraceProgress fastProgress;
        TraceProgress literalProgress;
        if (seed % 4 == 0) {
            const int at = 1 + static_cast<int>(g() % 40);
            fastProgress.cancel = &fast->cancel;
            fastProgress.cancelAtYield = at;
            literalProgress.cancel = &literal->cancel;
            literalProgress.cancelAtYield = at;
        }
        test::RecordingPlatform fastPlatform;
        test::RecordingPlatform literalPlatform;
        developSystem(*fast, fastPlatform, fastProgress, ridotto);
        test::literalDevelopSystem(*literal, literalPlatform, literalProgress, ridotto);

        EXPECT_EQ(fast->sistema.columnCount, literal->sistema.columnCount);
        EXPECT_EQ(fast->sistema.typeText, literal->sistema.typeText);
        EXPECT_EQ(fast->cancel, literal->cancel);
        EXPECT_EQ(fastProgress.processed, literalProgress.processed);
        EXPECT_EQ(fastProgress.events, literalProgress.events);
        EXPECT_TRUE(std::equal(fast->colonne.row(1),
                               fast->colonne.row(1) + kColumnCapacity * kColumnSize,
                               literal->colonne.row(1)))
            << "column tables differ";
        EXPECT_EQ(fast->candidates, literal->candidates);
        EXPECT_TRUE(fastPlatform.messages.empty());
    }
}

// ---------------------------------------------------------------------------
// The develop command on the edge cases that matter.

struct EdgeCase {
    const char* name;
    std::vector<int> numbers;
    std::function<void(SystemState&)> conditions;
    std::int32_t count;
    const char* type;
    std::vector<int> firstRow;
    std::vector<int> lastRow;
};

class DevelopEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(DevelopEdge, WritesExpectedColumns) {
    const auto& c = GetParam();
    auto state = stateWith(c.numbers);
    c.conditions(*state);
    test::RecordingPlatform platform;
    TraceProgress progress;

    const bool developed = runDevelopCommand(*state, platform, progress, noReduction);

    EXPECT_EQ(state->sistema.columnCount, c.count);
    EXPECT_EQ(state->sistema.typeText, c.type);
    EXPECT_EQ(developed, c.count > 0);
    EXPECT_EQ(state->developedMark, c.count > 0 ? kDeveloped : 0);
    EXPECT_FALSE(state->cancel);
    EXPECT_EQ(progress.processed, binomial(static_cast<int>(c.numbers.size()), kColumnSize));
    if (c.count > 0) {
        EXPECT_EQ(rowOf(*state, 1), c.firstRow);
        EXPECT_EQ(rowOf(*state, c.count), c.lastRow);
    }
    EXPECT_EQ(rowOf(*state, c.count + 1), std::vector<int>(kColumnSize, 0));
    EXPECT_TRUE(platform.messages.empty());
}

void none(SystemState&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevelopEdge,
    ::testing::Values(EdgeCase{"TenNumbers",
                               {2, 4, 5, 7, 9, 11, 13, 15, 18, 20},
                               none,
                               1,
                               "Integrale",
                               {2, 4, 5, 7, 9, 11, 13, 15, 18, 20},
                               {2, 4, 5, 7, 9, 11, 13, 15, 18, 20}},
                      EdgeCase{"AllTwenty", range(1, 20), none, 184756, "Integrale", range(1, 10),
                               range(11, 20)},
                      EdgeCase{"SumOnlyFiftyFive", range(1, 20),
                               [](SystemState& s) {
                                   s.condizioni.sommaOn = kTrue;
                                   s.condizioni.somma = {55, 55};
                               },
                               1, "Condizionato", range(1, 10), range(1, 10)},
                      EdgeCase{"FixedSwitchWithNoFixedLeft", range(1, 12),
                               [](SystemState& s) {
                                   s.condizioni.fisseOn = kTrue;
                                   s.condizioni.fisse[1] = 15;
                                   s.condizioni.fisse[2] = 18;
                                   s.condizioni.fisseCount = 2;
                               },
                               66, "Condizionato", range(1, 10), range(3, 12)},
                      EdgeCase{"FilterWithNoPresenceAllowed",
                               range(1, 12),
                               [](SystemState& s) {
                                   s.filtri.count = 1;
                                   s.filtri.entries[1] = {setOf({1, 2, 3}), 0, kTrue};
                               },
                               0,
                               "Condizionato",
                               {},
                               {}},
                      EdgeCase{"FilterEqualToNumbersInPlayWithTenPresences", range(4, 17),
                               [](SystemState& s) {
                                   s.filtri.count = 1;
                                   s.filtri.entries[1] = {setOf(range(4, 17)), 1 << 10, kTrue};
                               },
                               1001, "Condizionato", range(4, 13), range(8, 17)},
                      EdgeCase{"NoConsecutiveAmongTenToTwenty",
                               range(10, 20),
                               [](SystemState& s) {
                                   s.consecutivi.on = kTrue;
                                   s.consecutivi.runsMask = 1 << 1;
                               },
                               0,
                               "Condizionato",
                               {},
                               {}},
                      EdgeCase{"NoConsecutiveAmongAllTwenty", range(1, 20),
                               [](SystemState& s) {
                                   s.consecutivi.on = kTrue;
                                   s.consecutivi.runsMask = 1 << 1;
                               },
                               11, "Condizionato", range(1, 19, 2), range(2, 20, 2)},
                      EdgeCase{"OnlyTenEven", range(1, 20),
                               [](SystemState& s) {
                                   s.condizioni.pariDispariOn = kTrue;
                                   s.condizioni.pariDispari[10] = kTrue;
                               },
                               1, "Condizionato", range(2, 20, 2), range(2, 20, 2)}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Development, ProgressBarMovesOnlyAtNewTenths) {
    for (const int n : {10, 13, 20}) {
        SCOPED_TRACE(n);
        auto state = stateWith(range(1, n));
        test::RecordingPlatform platform;
        TraceProgress progress;
        developSystem(*state, platform, progress, noReduction);
        std::vector<int> expected;
        for (int pct = n == 10 ? 100 : 10; pct <= 100; pct += 10) {
            expected.push_back(pct);
        }
        EXPECT_EQ(progress.percents(), expected);
    }
}

TEST(Development, FixedNumbersNotInPlayAreDroppedAndTheRestSortedDescending) {
    auto state = stateWith(range(1, 12));
    auto& c = state->condizioni;
    c.fisseOn = kTrue;
    c.fisse = {0, 5, 0, 17, 3, 0, 0, 0, 0, 0};
    c.fisseCount = 3;
    test::RecordingPlatform platform;
    Progress progress;

    ASSERT_TRUE(runDevelopCommand(*state, platform, progress, noReduction));

    const std::array<std::uint8_t, kMaxFixed + 1> expectedSlots{0, 5, 3, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(c.fisse, expectedSlots);
    EXPECT_EQ(c.fisseCount, 2);
    EXPECT_EQ(state->sistema.columnCount, binomial(10, 8));
    for (int r = 1; r <= state->sistema.columnCount; ++r) {
        const auto set = setOfRow(state->colonne.row(r));
        EXPECT_TRUE(contains(set, 3) && contains(set, 5)) << "row " << r;
    }
}

// A damaged record may hold a fixed number twice; it still means that number.
TEST(Development, FixedNumberGivenTwiceRequiresThatNumber) {
    auto state = stateWith(range(1, 12));
    state->condizioni.fisseOn = kTrue;
    state->condizioni.fisse[1] = 7;
    state->condizioni.fisse[2] = 7;
    state->condizioni.fisseCount = 2;
    test::RecordingPlatform platform;
    Progress progress;

    developSystem(*state, platform, progress, noReduction);

    EXPECT_EQ(state->sistema.columnCount, binomial(11, 9));
    for (int r = 1; r <= state->sistema.columnCount; ++r) {
        EXPECT_TRUE(contains(setOfRow(state->colonne.row(r)), 7)) << "row " << r;
    }
}

TEST(Development, CancelAtFirstYieldLeavesCountTypeAndEditingState) {
    auto state = stateWith(range(1, 20));
    test::RecordingPlatform platform;
    TraceProgress progress;
    progress.cancel = &state->cancel;
    progress.cancelAtYield = 1;

    EXPECT_FALSE(runDevelopCommand(*state, platform, progress, noReduction));

    EXPECT_TRUE(state->cancel);
    EXPECT_EQ(state->sistema.columnCount, 0);
    EXPECT_EQ(state->sistema.typeText, "");
    EXPECT_EQ(state->developedMark, 0);
    EXPECT_EQ(progress.processed, 0);
    EXPECT_EQ(rowOf(*state, 1), std::vector<int>(kColumnSize, 0));
}

TEST(Development, CancelConfirmedBeforeTheFirstCombinationStopsTheRun) {
    auto state = stateWith(range(1, 11));
    state->cancel = true;
    test::RecordingPlatform platform;
    Progress progress;
    EXPECT_FALSE(runDevelopCommand(*state, platform, progress, noReduction));
    EXPECT_TRUE(state->cancel);
    EXPECT_EQ(state->sistema.columnCount, 0);
    EXPECT_EQ(state->developedMark, 0);
}

// A full table cannot happen with 20 numbers, so the guard is tried with a
// smaller capacity: once on a middle combination, once on the last one.
struct CapacityCase {
    int inPlay;
    std::int32_t capacity;
    std::int32_t processed; // the guard's combination is counted, then the run stops
};

class CapacityGuard : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityGuard, StopsLikeACancelWithItsMessage) {
    const auto& c = GetParam();
    auto state = stateWith(range(1, c.inPlay));
    test::RecordingPlatform platform;
    TraceProgress progress;

    developSystem(*state, platform, progress, noReduction, c.capacity);

    EXPECT_TRUE(state->cancel);
    EXPECT_EQ(state->sistema.columnCount, 0);
    EXPECT_EQ(state->sistema.typeText, "");
    EXPECT_EQ(progress.processed, c.processed);
    ASSERT_EQ(platform.messages.size(), 1U);
    const auto& m = platform.messages[0];
    EXPECT_EQ(m.text, "!!! Sviluppo superiore alla capienza della memoria\r"
                      "puoi generare al massimo 185000 colonne");
    EXPECT_EQ(m.title, "ATTENZIONE");
    EXPECT_EQ(m.icon, Icon::Critical);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_NE(std::find(progress.events.begin(), progress.events.end(),
                        "alarm ATTENZIONE !!! Sviluppo superiore alla capienza della memoria"),
              progress.events.end());
    EXPECT_NE(rowOf(*state, c.capacity), std::vector<int>(kColumnSize, 0));
    EXPECT_EQ(rowOf(*state, c.capacity + 1), std::vector<int>(kColumnSize, 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, CapacityGuard,
                         ::testing::Values(CapacityCase{12, 5, 6}, CapacityCase{11, 10, 11}));

// ---------------------------------------------------------------------------
// The reduction hook and the type texts.

struct ReductionCall {
    int calls = 0;
    std::int32_t n = 0;
    int level = 0;
};
ReductionCall lastReduction;

std::int32_t halfReduction(ColumnTable&, NumberSet* candidates, std::int32_t n, int level,
                           const bool&, Progress&) {
    ++lastReduction.calls;
    lastReduction.n = n;
    lastReduction.level = level;
    EXPECT_NE(candidates[n], 0);
    return n / 2;
}

struct TypeCase {
    const char* name;
    std::function<void(SystemState&)> setup;
    const char* type;
};

class DevelopmentType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(DevelopmentType, IsSetAndReductionRunsWhenSwitchedOn) {
    auto state = stateWith(range(3, 14));
    GetParam().setup(*state);
    test::RecordingPlatform platform;
    Progress progress;
    lastReduction = {};

    developSystem(*state, platform, progress, halfReduction);

    EXPECT_EQ(state->sistema.typeText, GetParam().type);
    const bool reduced = state->condizioni.ridottoOn != kFalse;
    EXPECT_EQ(lastReduction.calls, reduced ? 1 : 0);
    if (reduced) {
        EXPECT_EQ(lastReduction.level, state->condizioni.ridottoLevel);
        EXPECT_EQ(state->sistema.columnCount, lastReduction.n / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevelopmentType,
    ::testing::Values(TypeCase{"Integral", none, "Integrale"},
                      TypeCase{"EvenOdd",
                               [](SystemState& s) {
                                   s.condizioni.pariDispariOn = kTrue;
                                   s.condizioni.pariDispari.fill(kTrue);
                               },
                               "Condizionato"},
                      TypeCase{"FilterOnly",
                               [](SystemState& s) {
                                   s.filtri.count = 1;
                                   s.filtri.entries[1] = {setOf({3, 4}), 0x7FF, kTrue};
                               },
                               "Condizionato"},
                      TypeCase{"ConsecutiveOnly",
                               [](SystemState& s) {
                                   s.consecutivi.on = kTrue;
                                   s.consecutivi.runsMask = 0x7FE;
                               },
                               "Condizionato"},
                      TypeCase{"ReducedOne",
                               [](SystemState& s) {
                                   s.condizioni.ridottoOn = kTrue;
                                   s.condizioni.ridottoLevel = 1;
                               },
                               "Ridotto N-1"},
                      TypeCase{"ReducedThreeWithSum",
                               [](SystemState& s) {
                                   s.condizioni.ridottoOn = kTrue;
                                   s.condizioni.ridottoLevel = 3;
                                   s.condizioni.sommaOn = kTrue;
                                   s.condizioni.somma = {55, 155};
                               },
                               "Ridotto N-3 Condizionato"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Development, CancelledRunIsNotReduced) {
    auto state = stateWith(range(1, 15));
    state->condizioni.ridottoOn = kTrue;
    state->condizioni.ridottoLevel = 2;
    test::RecordingPlatform platform;
    TraceProgress progress;
    progress.cancel = &state->cancel;
    progress.cancelAtYield = 2;
    lastReduction = {};

    developSystem(*state, platform, progress, halfReduction);

    EXPECT_EQ(lastReduction.calls, 0);
    EXPECT_EQ(state->sistema.typeText, "");
    EXPECT_GT(progress.processed, 0);
}

struct BinomialCase {
    int n;
    int k;
    std::int32_t value;
};

class Binomial : public ::testing::TestWithParam<BinomialCase> {};

TEST_P(Binomial, ProductFormula) {
    EXPECT_EQ(binomial(GetParam().n, GetParam().k), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, Binomial,
                         ::testing::Values(BinomialCase{10, 10, 1}, BinomialCase{11, 10, 11},
                                           BinomialCase{15, 10, 3003}, BinomialCase{20, 10, 184756},
                                           BinomialCase{9, 10, 0}, BinomialCase{7, 0, 1}));

} // namespace
} // namespace dvx
