#include "ConditionCommon.h"
#include "EvenOdd.h"
#include "ReductionChoice.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

TEST(ConditionSwitch, AnyNonZeroSwitchShowsOn) {
    EXPECT_EQ(optionOfSwitch(kTrue), kOptionOn);
    EXPECT_EQ(optionOfSwitch(1), kOptionOn);
    EXPECT_EQ(optionOfSwitch(kFalse), kOptionOff);
    EXPECT_EQ(switchOfOption(kOptionOn), kTrue);
    EXPECT_EQ(switchOfOption(kOptionOff), kFalse);
}

TEST(ConditionSwitch, EditableOnlyWithoutDevelopedColumns) {
    auto state = std::make_unique<SystemState>();
    EXPECT_TRUE(conditionsEditable(*state));
    state->developedMark = kDeveloped;
    EXPECT_FALSE(conditionsEditable(*state));
}

TEST(EvenOddText, ColumnsLineUpForEverySplit) {
    const auto first = evenOddText(0);
    EXPECT_EQ(first, "  0      10");
    for (int e = 0; e <= kColumnSize; ++e) {
        const auto text = evenOddText(e);
        ASSERT_EQ(text.size(), first.size()) << e;
        // The even count ends in column 3, the odd count at the end.
        EXPECT_EQ(std::stoi(text.substr(0, 3)), e);
        EXPECT_EQ(std::stoi(text.substr(3)), kColumnSize - e);
        EXPECT_NE(text[2], ' ');
        EXPECT_NE(text.back(), ' ');
    }
}

TEST(EvenOddTable, LabelsWriteTheirEntryOnly) {
    Condizioni c;
    setEvenOddAllowed(c, 4, true);
    setEvenOddAllowed(c, 10, true);
    setEvenOddAllowed(c, 10, false);
    for (int e = 0; e <= kColumnSize; ++e) {
        EXPECT_EQ(c.pariDispari[static_cast<std::size_t>(e)], e == 4 ? kTrue : kFalse) << e;
        EXPECT_EQ(evenOddAllowed(c, e), e == 4);
    }
}

TEST(ReductionChoice, OnlyLevelsOneToThreeHaveALabel) {
    Condizioni c;
    for (const auto& [level, label] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {255, 0}}) {
        c.ridottoLevel = static_cast<std::uint8_t>(level);
        EXPECT_EQ(chosenReductionLabel(c), label) << level;
    }
    chooseReductionLevel(c, 2);
    EXPECT_EQ(c.ridottoLevel, 2);
}

TEST(NumberCaptions, TwoDigits) {
    EXPECT_EQ(twoDigits(1), "01");
    EXPECT_EQ(twoDigits(20), "20");
    EXPECT_EQ(twoDigits(100), "100");
}

} // namespace
} // namespace dvx
