#include "ConsecutiveRuns.h"

#include "ConditionFixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

using test::flagsOf;
using test::numbersUpTo;

struct RunCase {
    const char* name;
    NumberFlags inPlay;
    int longest;
};

class LongestRunInPlay : public ::testing::TestWithParam<RunCase> {};

TEST_P(LongestRunInPlay, OverTheNumbersInPlay) {
    auto state = std::make_unique<SystemState>();
    test::playNumbers(*state, GetParam().inPlay);
    EXPECT_EQ(longestRunInPlay(state->sistema), GetParam().longest);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LongestRunInPlay,
    ::testing::Values(RunCase{"twoRuns", flagsOf({1, 2, 3, 5, 6, 7, 8, 9, 15, 16, 17, 18}), 5},
                      RunCase{"elevenCappedAtTen", numbersUpTo(11), 10},
                      RunCase{"allTwenty", numbersUpTo(20), 10},
                      RunCase{"runAtTheEnd", flagsOf({1, 3, 5, 7, 9, 11, 17, 18, 19, 20}), 4},
                      RunCase{"noNeighbours", flagsOf({1, 3, 5, 7, 9, 11, 13, 15, 17, 19}), 1},
                      RunCase{"restartsAfterGap", flagsOf({1, 2, 4, 5, 6, 8, 9}), 3},
                      RunCase{"one", flagsOf({7}), 1}, RunCase{"none", NumberFlags{}, 1}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(RunsMask, LabelsOneToTenRoundTrip) {
    for (const std::int32_t mask : {0, 2, 2 | 8, 0x7FE, 1 << 10, 1 << 5 | 1 << 7}) {
        const auto labels = runLabelsOf(mask);
        EXPECT_FALSE(labels[0]);
        EXPECT_EQ(runsMaskOf(labels), mask) << mask;
    }
    // Bit 0 and bits above 10 stand for no label.
    const auto labels = runLabelsOf(1 | 1 << 3 | 1 << 11);
    EXPECT_EQ(runsMaskOf(labels), 1 << 3);
}

} // namespace
} // namespace dvx
