#include "MainWindowState.h"

#include "ProgramInfo.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <map>

namespace dvx {
namespace {

using Expected = std::map<std::string_view, bool>;

struct StateCase {
    WindowState state;
    Expected enabled; // every control the state sets, with its value
};

class WindowStateTable : public ::testing::TestWithParam<StateCase> {};

TEST_P(WindowStateTable, SetsExactlyTheListedControls) {
    const auto& [state, expected] = GetParam();
    Expected actual;
    for (const auto& rule : controlRules()) {
        if (const auto value = enabledIn(state, rule.control)) {
            actual[rule.control] = *value;
        }
    }
    EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(States, WindowStateTable,
                         ::testing::Values(StateCase{WindowState::Editing,
                                                     {{"menucondizioni", false},
                                                      {"menuoperazioni", false},
                                                      {"menuvisualizza", false},
                                                      {"menuMescola", false},
                                                      {"menuSpoglio", false},
                                                      {"menumodifiche", false},
                                                      {"menustampa", false},
                                                      {"cmdModifiche", false},
                                                      {"cmdAdatta", false},
                                                      {"cmdCalcolo", false},
                                                      {"cmdSpoglio", false},
                                                      {"cmdVisualizza", false},
                                                      {"cmdSchedine", false},
                                                      {"cmdTabulato", false},
                                                      {"frameNumeri", true},
                                                      {"menucalcolo", true},
                                                      {"menuadattamatrice", true},
                                                      {"cmdCancella", true}}},
                                           StateCase{WindowState::Developed,
                                                     {{"menuvisualizza", true},
                                                      {"menuMescola", true},
                                                      {"menuSpoglio", true},
                                                      {"menumodifiche", true},
                                                      {"menustampa", true},
                                                      {"cmdModifiche", true},
                                                      {"cmdSpoglio", true},
                                                      {"cmdVisualizza", true},
                                                      {"cmdSchedine", true},
                                                      {"cmdTabulato", true},
                                                      {"menucalcolo", false},
                                                      {"frameNumeri", false},
                                                      {"menuadattamatrice", false},
                                                      {"cmdCancella", false},
                                                      {"cmdAdatta", false},
                                                      {"cmdCalcolo", false}}},
                                           StateCase{WindowState::AfterDiscard,
                                                     {{"frameNumeri", true},
                                                      {"menucondizioni", true},
                                                      {"menucalcolo", true},
                                                      {"menuadattamatrice", true},
                                                      {"cmdCancella", true},
                                                      {"cmdAdatta", true},
                                                      {"cmdCalcolo", true},
                                                      {"menuvisualizza", false},
                                                      {"menuMescola", false},
                                                      {"menuSpoglio", false},
                                                      {"menumodifiche", false},
                                                      {"menustampa", false},
                                                      {"cmdModifiche", false},
                                                      {"cmdSpoglio", false},
                                                      {"cmdVisualizza", false},
                                                      {"cmdSchedine", false},
                                                      {"cmdTabulato", false}}}));

TEST(WindowState, OnlyEditingClearsConditionMarks) {
    EXPECT_TRUE(clearsConditionMarks(WindowState::Editing));
    EXPECT_FALSE(clearsConditionMarks(WindowState::Developed));
    EXPECT_FALSE(clearsConditionMarks(WindowState::AfterDiscard));
}

TEST(WindowState, TenNumbersAreNeededToDevelop) {
    EXPECT_FALSE(enoughNumbers(9));
    EXPECT_TRUE(enoughNumbers(10));
    EXPECT_TRUE(enoughNumbers(20));
}

TEST(ConditionMarks, FollowTheSwitchesAndTheFilterCount) {
    SystemState state;
    for (const auto menu : conditionMenus()) {
        EXPECT_EQ(conditionMark(state, menu), false) << menu;
    }
    state.condizioni.sommaOn = kTrue;
    state.condizioni.pariDispariOn = 1; // any non-zero value is true
    state.condizioni.fisseOn = kTrue;
    state.condizioni.ridottoOn = kTrue;
    state.consecutivi.on = kTrue;
    state.filtri.count = 1;
    for (const auto menu : conditionMenus()) {
        EXPECT_EQ(conditionMark(state, menu), true) << menu;
    }
    EXPECT_EQ(conditionMark(state, "menucalcolo"), std::nullopt);
}

TEST(Labnumeri, TwoDigitsAfterAClickAndPlainAfterAReset) {
    EXPECT_EQ(labnumeriText(7, false), "Numeri in gioco [07]");
    EXPECT_EQ(labnumeriText(12, false), "Numeri in gioco [12]");
    EXPECT_EQ(labnumeriText(0, false), "Numeri in gioco [00]");
    EXPECT_EQ(labnumeriText(0, true), "Numeri in gioco [0]");
}

TEST(StatusBar, ShowsNameCountCostAndTypeWithTheLocaleSeparators) {
    SystemState state;
    state.fileName = "/home/u/sistemi/Prova.DVX";
    state.sistema.columnCount = 184756;
    state.sistema.typeText = "Integrale";
    state.pricePerColumn = priceOfOption(0);
    const Separators italian{".", ","};
    auto texts = statusBarTexts(state, italian);
    EXPECT_EQ(texts.name, "prova.dvx");
    EXPECT_EQ(texts.count, "184.756");
    EXPECT_EQ(texts.cost, "€ 184.756,00");
    EXPECT_EQ(texts.type, "Integrale");
    state.pricePerColumn = priceOfOption(1);
    EXPECT_EQ(statusBarTexts(state, italian).cost, "€ 369.512,00");
}

TEST(Price, OptionsAreOneAndTwoEuro) {
    EXPECT_EQ(priceOfOption(0), 1.0f);
    EXPECT_EQ(priceOfOption(1), 2.0f);
    EXPECT_EQ(optionOfPrice(1.0f), 0);
    EXPECT_EQ(optionOfPrice(2.0f), 1);
}

TEST(ProgramInfo, CaptionAndSplashTexts) {
    const ProgramVersion v{2, 3, 14};
    EXPECT_EQ(mainWindowCaption(v), "Decaventrix - Ver. 2.3.14 - Freeware");
    EXPECT_EQ(splashVersionText(v), "Versione 2.3.14");
}

} // namespace
} // namespace dvx
