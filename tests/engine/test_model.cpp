#include "Format.h"
#include "NumberSet.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(NumberSet, ColumnSetsAndRuns) {
    const std::uint8_t low[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::uint8_t high[10] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    const std::uint8_t mixed[10] = {1, 2, 3, 5, 6, 8, 10, 12, 14, 16};
    const std::uint8_t odd[10] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    EXPECT_EQ(setOfRow(low), 1023);
    EXPECT_EQ(setOfRow(high), 1047552);
    EXPECT_EQ(longestRun(mixed), 3);
    EXPECT_EQ(longestRun(odd), 1);
    EXPECT_EQ(longestRun(high), 10);
}

TEST(NumberSet, BitListText) {
    EXPECT_EQ(bitListText(0), "");
    EXPECT_EQ(bitListText((1 << 1) | (1 << 3)), "01 03");
    EXPECT_EQ(bitListText(1 << 10), "10");
}

struct PictureCase {
    double value;
    const char* picture;
    const char* expected;
};

class Picture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Picture, Formats) {
    const auto& c = GetParam();
    EXPECT_EQ(formatPicture(c.value, c.picture, Separators{".", ","}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Picture,
                         ::testing::Values(PictureCase{5, "00", "05"},
                                           PictureCase{12, "0#  ", "12  "},
                                           PictureCase{3, "0# ", "03 "},
                                           PictureCase{0, "###,##0", "0"},
                                           PictureCase{184756, "###,##0", "184.756"},
                                           PictureCase{1234567, "###,##0", "1.234.567"},
                                           PictureCase{369512, "€ ###,###,###.00", "€ 369.512,00"},
                                           PictureCase{0, "€ ###,###,###.00", "€ ,00"},
                                           PictureCase{2.5, "###,###,###.00", "2,50"},
                                           PictureCase{-7, "###,##0", "-7"}));

TEST(Format, SignedTextAndTrim) {
    EXPECT_EQ(signedText(185000), " 185000");
    EXPECT_EQ(signedText(-3), "-3");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("   "), "");
}

struct LowerCase {
    const char* text;
    const char* expected;
};

class Lower : public ::testing::TestWithParam<LowerCase> {};

// Names and matrix descriptions are lower-cased letter by letter, the
// accented capitals included; anything else passes unchanged.
TEST_P(Lower, LowerCasesEveryCapitalOfTheCodePage) {
    EXPECT_EQ(toLower(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, Lower,
                         ::testing::Values(LowerCase{"Sistema N-2.DVX", "sistema n-2.dvx"},
                                           LowerCase{"CITTÀ PIÙ ÈÉÌÒ", "città più èéìò"},
                                           LowerCase{"ÇÑÞ ŠŒŽŸ", "çñþ šœžÿ"},
                                           LowerCase{"2×3 ß € già", "2×3 ß € già"}));

class SystemOpsTest : public ::testing::Test {
protected:
    SystemState state;
    void selectAll(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            selectNumber(state, n, true);
        }
    }
};

TEST_F(SystemOpsTest, ListRebuiltAscendingFromTheGrid) {
    selectAll({7, 3, 20, 1});
    toggleNumber(state, 3);
    toggleNumber(state, 3);
    toggleNumber(state, 7);
    rebuildNumbersInPlay(state);
    EXPECT_EQ(state.sistema.countInPlay, 3);
    EXPECT_EQ(state.sistema.numbers[0], 1);
    EXPECT_EQ(state.sistema.numbers[1], 3);
    EXPECT_EQ(state.sistema.numbers[2], 20);
    EXPECT_EQ(state.sistema.numbers[3], 0);
}

TEST_F(SystemOpsTest, ResetKeepsOrClearsTheNumbers) {
    selectAll({1, 2, 3});
    state.numerone = 5;
    state.sistema.columnCount = 2;
    state.sistema.typeText = "Integrale";
    state.colonne.row(1)[0] = 1;
    state.condizioni.sommaOn = kTrue;
    state.filtri.count = 1;
    state.consecutivi.on = kTrue;
    state.developedMark = kDeveloped;
    state.fileName = "x.dvx";

    resetSystem(state, true);
    EXPECT_EQ(state.sistema.countInPlay, 3);
    EXPECT_EQ(state.numerone, 5);
    EXPECT_EQ(state.sistema.columnCount, 2);
    EXPECT_EQ(state.colonne.row(1)[0], 0);
    EXPECT_FALSE(anyConditionActive(state));
    EXPECT_FALSE(state.developed());

    resetSystem(state, false);
    EXPECT_EQ(state.sistema.countInPlay, 0);
    EXPECT_EQ(state.numerone, 0);
    EXPECT_EQ(state.sistema.columnCount, 0);
    EXPECT_EQ(state.sistema.typeText, "");
    EXPECT_EQ(state.fileName, "x.dvx");
}

TEST_F(SystemOpsTest, DiscardKeepsConditions) {
    state.sistema.columnCount = 2;
    state.colonne.row(2)[9] = 20;
    state.condizioni.fisseOn = kTrue;
    state.condizioni.fisse[1] = 4;
    state.developedMark = kDeveloped;
    discardColumns(state);
    EXPECT_EQ(state.colonne.row(2)[9], 0);
    EXPECT_EQ(state.sistema.columnCount, 0);
    EXPECT_EQ(state.condizioni.fisse[1], 4);
    EXPECT_TRUE(anyConditionActive(state));
    EXPECT_FALSE(state.developed());
}

} // namespace
} // namespace dvx
