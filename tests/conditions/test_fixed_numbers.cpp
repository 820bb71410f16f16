#include "FixedNumbers.h"

#include "ConditionFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace dvx {
namespace {

using test::flagsOf;
using test::numbersUpTo;

std::vector<int> selectedNumbers(const FixedNumberPicker& picker) {
    std::vector<int> numbers;
    for (int i = 0; i < kNumbers; ++i) {
        if (picker.selected[static_cast<std::size_t>(i)]) {
            numbers.push_back(i + 1);
        }
    }
    return numbers;
}

std::vector<int> slotsOf(const Condizioni& c) {
    return {c.fisse.begin() + 1, c.fisse.end()};
}

struct LoadCase {
    const char* name;
    std::vector<int> slots; // slots 1.. as stored
    int storedCount;
    NumberFlags inPlay;
    std::vector<int> selected;
    std::vector<int> slotsAfter; // all nine
};

class LoadFixed : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadFixed, KeepsTheNumbersInPlaySortedDescending) {
    const auto& c = GetParam();
    Condizioni condizioni;
    for (std::size_t s = 0; s < c.slots.size(); ++s) {
        condizioni.fisse[s + 1] = static_cast<std::uint8_t>(c.slots[s]);
    }
    condizioni.fisseCount = static_cast<std::uint8_t>(c.storedCount);
    const auto picker = loadFixedNumbers(condizioni, c.inPlay);
    EXPECT_EQ(selectedNumbers(picker), c.selected);
    EXPECT_EQ(picker.count, static_cast<int>(c.selected.size()));
    EXPECT_EQ(condizioni.fisseCount, c.selected.size());
    EXPECT_EQ(slotsOf(condizioni), c.slotsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, LoadFixed,
    ::testing::Values(
        LoadCase{"dropsNumberOutOfPlay",
                 {3, 0, 17},
                 2,
                 flagsOf({1, 2, 17}),
                 {17},
                 {17, 0, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{"keepsAllInPlay",
                 {4, 12, 9},
                 3,
                 numbersUpTo(20),
                 {4, 9, 12},
                 {12, 9, 4, 0, 0, 0, 0, 0, 0}},
        LoadCase{"gapsClosed",
                 {0, 5, 0, 0, 20, 0, 0, 0, 1},
                 3,
                 numbersUpTo(20),
                 {1, 5, 20},
                 {20, 5, 1, 0, 0, 0, 0, 0, 0}},
        LoadCase{"nineKept",
                 {1, 2, 3, 4, 5, 6, 7, 8, 9},
                 9,
                 numbersUpTo(12),
                 {1, 2, 3, 4, 5, 6, 7, 8, 9},
                 {9, 8, 7, 6, 5, 4, 3, 2, 1}},
        LoadCase{
            "noNumberDropped", {25, 255, 7}, 3, numbersUpTo(20), {7}, {7, 0, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{"countDisagreesWithSlots",
                 {6, 8},
                 5,
                 numbersUpTo(20),
                 {6, 8},
                 {8, 6, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{
            "countZeroWithDroppedSlot", {6, 8}, 0, flagsOf({8}), {8}, {8, 0, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{"empty", {}, 0, numbersUpTo(20), {}, {0, 0, 0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(FixedNumberClicks, OnlyNumbersInPlayAndNoTenth) {
    Condizioni condizioni;
    auto picker = loadFixedNumbers(condizioni, flagsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_FALSE(toggleFixedNumber(picker, 19)) << "20 is not in play";
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(toggleFixedNumber(picker, i));
    }
    EXPECT_FALSE(toggleFixedNumber(picker, 9)) << "a tenth number is refused";
    EXPECT_FALSE(picker.selected[9]);
    EXPECT_EQ(picker.count, 9);
    EXPECT_TRUE(toggleFixedNumber(picker, 4)) << "deselecting frees a place";
    EXPECT_EQ(picker.count, 8);
    EXPECT_TRUE(toggleFixedNumber(picker, 10));
    EXPECT_EQ(selectedNumbers(picker), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 11}));
}

TEST(StoreFixedNumbers, AscendingFromSlotOneOverStaleSlots) {
    Condizioni condizioni;
    condizioni.fisse = {0, 20, 19, 18, 17, 16, 15, 14, 13, 12};
    condizioni.fisseCount = 9;
    FixedNumberPicker picker;
    picker.inPlay = numbersUpTo(20);
    picker.selected = flagsOf({14, 2, 9});
    picker.count = 3;
    storeFixedNumbers(condizioni, picker);
    EXPECT_EQ(slotsOf(condizioni), (std::vector<int>{2, 9, 14, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(condizioni.fisseCount, 3);
    EXPECT_EQ(condizioni.fisse[0], 0);
}

} // namespace
} // namespace dvx
