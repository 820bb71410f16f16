#include "SumRange.h"

#include "ConditionFixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

using test::flagsOf;
using test::numbersUpTo;
using test::playNumbers;

struct LimitsCase {
    const char* name;
    NumberFlags inPlay;
    std::optional<int> minimum; // nullopt: no limits
    int maximum;
};

class SumLimitsTable : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(SumLimitsTable, SumsTheTenLowestAndTheTenHighest) {
    const auto& c = GetParam();
    auto state = std::make_unique<SystemState>();
    playNumbers(*state, c.inPlay);
    const auto limits = sumLimits(state->sistema);
    ASSERT_EQ(limits.has_value(), c.minimum.has_value());
    if (limits) {
        EXPECT_EQ(limits->minimum, *c.minimum);
        EXPECT_EQ(limits->maximum, c.maximum);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumbersInPlay, SumLimitsTable,
    ::testing::Values(LimitsCase{"all", numbersUpTo(20), 55, 155},
                      LimitsCase{"ten", numbersUpTo(10), 55, 55},
                      LimitsCase{"scattered", flagsOf({2, 3, 5, 7, 8, 11, 13, 14, 17, 19, 20}),
                                 2 + 3 + 5 + 7 + 8 + 11 + 13 + 14 + 17 + 19,
                                 3 + 5 + 7 + 8 + 11 + 13 + 14 + 17 + 19 + 20},
                      LimitsCase{"nine", numbersUpTo(9), std::nullopt, 0},
                      LimitsCase{"none", NumberFlags{}, std::nullopt, 0}),
    [](const auto& c) { return std::string(c.param.name); });

struct ProposalCase {
    const char* name;
    std::int16_t da, a;
    int shownDa, shownA;
};

class ProposedFields : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(ProposedFields, StoredBoundsUnlessUnsetOrOutside) {
    const auto& c = GetParam();
    Condizioni condizioni;
    condizioni.somma = {c.da, c.a};
    const auto shown = proposedSumFields(condizioni, {60, 140});
    EXPECT_EQ(shown.da, c.shownDa);
    EXPECT_EQ(shown.a, c.shownA);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ProposedFields,
                         ::testing::Values(ProposalCase{"unset", 0, 0, 60, 140},
                                           ProposalCase{"inside", 70, 130, 70, 130},
                                           ProposalCase{"onTheLimits", 60, 140, 60, 140},
                                           ProposalCase{"outside", 59, 141, 60, 140},
                                           ProposalCase{"farOutside", 141, 59, 60, 140},
                                           ProposalCase{"inverted", 120, 80, 120, 80},
                                           ProposalCase{"onlyUpper", 0, 100, 60, 100}),
                         [](const auto& c) { return std::string(c.param.name); });

struct FieldCase {
    const char* text;
    std::optional<int> value;
};

class MaskedField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(MaskedField, ReadsItsDigits) {
    EXPECT_EQ(maskedFieldValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MaskedField,
    ::testing::Values(FieldCase{"", std::nullopt}, FieldCase{"___", std::nullopt},
                      FieldCase{"   ", std::nullopt}, FieldCase{"12", 12}, FieldCase{"12_", 12},
                      FieldCase{"1_2", 12}, FieldCase{"_12", 12}, FieldCase{"120", 120},
                      FieldCase{"007", 7}, FieldCase{"0", 0}, FieldCase{"999", 999}));

struct Shown {
    const char* text;
    const char* title;
    SumField focus;
};

const Shown kDaAboveA{"'DA' è maggiore di 'A'", " !!! E R R O R E !!! ", SumField::A};
const Shown kDaBelowMin{"'DA' è minore del minimo", "!!! E R R O R E !!!", SumField::Da};
const Shown kAAboveMax{"'A' è maggiore del massimo", "!!! E R R O R E !!!", SumField::A};

struct CloseCase {
    const char* name;
    const char* da;
    const char* a;
    bool developed;
    std::vector<Shown> problems;
    std::array<std::int16_t, 2> stored; // the range held afterwards (was 70..130)
};

class CloseSumRange : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseSumRange, ReportsEveryFailedCheckAndStoresTheFilledFields) {
    const auto& c = GetParam();
    auto state = std::make_unique<SystemState>();
    state->condizioni.somma = {70, 130};
    state->developedMark = c.developed ? kDeveloped : 0;
    const auto outcome = closeSumRange(*state, c.da, c.a, {55, 155});
    std::vector<Shown> problems;
    for (const auto& p : outcome.problems) {
        problems.push_back({p.text.c_str(), p.title.c_str(), p.focus});
    }
    EXPECT_EQ(problems.size(), c.problems.size());
    for (std::size_t i = 0; i < std::min(problems.size(), c.problems.size()); ++i) {
        EXPECT_STREQ(problems[i].text, c.problems[i].text) << i;
        EXPECT_STREQ(problems[i].title, c.problems[i].title) << i;
        EXPECT_EQ(problems[i].focus, c.problems[i].focus) << i;
    }
    EXPECT_EQ(outcome.canClose(), c.problems.empty());
    EXPECT_EQ(state->condizioni.somma, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CloseSumRange,
    ::testing::Values(
        CloseCase{"valid", "60", "150", false, {}, {60, 150}},
        CloseCase{"limits", "55", "155", false, {}, {55, 155}},
        CloseCase{"equal", "90", "90", false, {}, {90, 90}},
        CloseCase{"inverted", "100", "90", false, {kDaAboveA}, {100, 90}},
        CloseCase{"emptyA", "60", "___", false, {kDaAboveA}, {60, 130}},
        CloseCase{"emptyDa", "", "100", false, {}, {70, 100}},
        CloseCase{"bothEmpty", "___", "___", false, {}, {70, 130}},
        CloseCase{"belowMinimum", "54", "100", false, {kDaBelowMin}, {54, 100}},
        CloseCase{"aboveMaximum", "60", "156", false, {kAAboveMax}, {60, 156}},
        CloseCase{"invertedAndBelow", "40", "30", false, {kDaAboveA, kDaBelowMin}, {40, 30}},
        CloseCase{"bothOutside", "10", "999", false, {kDaBelowMin, kAAboveMax}, {10, 999}},
        CloseCase{"invertedAboveMax", "200", "180", false, {kDaAboveA, kAAboveMax}, {200, 180}},
        CloseCase{"developedStoresNothing", "100", "90", true, {}, {70, 130}}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace dvx
