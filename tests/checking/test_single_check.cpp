// The single check: the winning fields, their messages, the lists of
// winning columns and the max and min captions.

#include "CheckFixtures.h"
#include "LexicographicColumns.h"
#include "NumberSet.h"
#include "Progress.h"
#include "RecordingPlatform.h"
#include "SingleCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace dvx {
namespace {

SpoglioFields fieldsOf(std::array<const char*, kSpoglioFields> texts) {
    SpoglioFields fields;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        fields[k] = texts[k];
    }
    return fields;
}

struct Refusal {
    const char* name;
    SpoglioFields fields;
    const char* message;
    int focus;
    SpoglioFields sorted; // what the fields show afterwards
};

class RefusedFields : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedFields, ShowTheMessageAndScoreNothing) {
    const auto& c = GetParam();
    const auto system = test::systemOf({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, 0, 2.0f);
    WinningColumn winning;
    winning.at(1) = 7; // a previous check's column stays
    const WinningColumn before = winning;
    test::RecordingPlatform platform;
    Progress progress;
    auto fields = c.fields;

    const auto outcome = Spoglio(fields, winning, *system, platform, progress);

    EXPECT_FALSE(outcome.result.has_value());
    EXPECT_EQ(outcome.focusField, c.focus);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, c.message);
    EXPECT_EQ(platform.lastMessage().title, "Colonna Errata");
    EXPECT_EQ(platform.lastMessage().icon, Icon::Exclamation);
    EXPECT_EQ(platform.lastMessage().buttons, Buttons::Ok);
    EXPECT_EQ(fields, c.sorted);
    EXPECT_EQ(winning, before);
    EXPECT_EQ(platform.busyDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFields,
    ::testing::Values(
        Refusal{"RepeatedNumber",
                fieldsOf({"09", "01", "02", "03", "04", "05", "06", "07", "08", "09", "05"}),
                "Duplicazione di numeri", 8,
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "09", "05"})},
        Refusal{"TwoEmptyNumbersAreARepeat",
                fieldsOf({"01", "", "02", "03", "04", "05", "06", "07", "", "08", "05"}),
                "Duplicazione di numeri", 0,
                fieldsOf({"", "", "01", "02", "03", "04", "05", "06", "07", "08", "05"})},
        Refusal{"OneEmptyNumber",
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "", "05"}),
                "Valore 0 non ammesso", 0,
                fieldsOf({"", "01", "02", "03", "04", "05", "06", "07", "08", "09", "05"})},
        Refusal{"NumberAboveTwenty",
                fieldsOf({"21", "02", "03", "04", "05", "06", "07", "08", "09", "10", "05"}),
                "Valore 21 non ammesso", 9,
                fieldsOf({"02", "03", "04", "05", "06", "07", "08", "09", "10", "21", "05"})},
        Refusal{"RepeatBeforeRange",
                fieldsOf({"21", "21", "03", "04", "05", "06", "07", "08", "09", "10", "00"}),
                "Duplicazione di numeri", 8,
                fieldsOf({"03", "04", "05", "06", "07", "08", "09", "10", "21", "21", "00"})},
        Refusal{"EmptyNumerone",
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", ""}),
                "Valore 0 non ammesso", 10,
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", ""})},
        Refusal{"NumeroneAboveTwenty",
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"}),
                "Valore 99 non ammesso", 10,
                fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"})}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(FieldValue, ReadsTheLeadingDigits) {
    EXPECT_EQ(fieldValue("07"), 7);
    EXPECT_EQ(fieldValue("20"), 20);
    EXPECT_EQ(fieldValue(""), 0);
    EXPECT_EQ(fieldValue("__"), 0);
    EXPECT_EQ(fieldValue("5_"), 5);
    EXPECT_EQ(fieldValue(" 3"), 3);
    EXPECT_EQ(fieldValue("_3"), 0);
}

class CountingProgress final : public Progress {
public:
    int yields = 0;
    void yield() override { ++yields; }
};

// The integral system of all 20 numbers, rows in lexicographic order.
std::unique_ptr<SystemState> integralOfTwenty(std::uint8_t numerone, float price) {
    const auto sets = test::lexicographicColumns(test::numbersUpTo(kNumbers));
    std::vector<test::Column> columns(sets.size() - 1);
    for (std::size_t i = 1; i < sets.size(); ++i) {
        rowOfSet(sets[i], columns[i - 1].data());
    }
    return test::systemOf(columns, numerone, price);
}

int choose(int n, int k) {
    int c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

struct Stake {
    const char* name;
    std::uint8_t systemNumerone;
    const char* winNumerone;
    float price;
    bool hit;
};

class IntegralOfTwenty : public ::testing::TestWithParam<Stake> {};

// A winning column meets C(10,p) x C(10,10-p) columns of the integral system in p numbers.
TEST_P(IntegralOfTwenty, ListsEveryWinningColumnUnderTheNumeroneHit) {
    const auto& c = GetParam();
    const auto system = integralOfTwenty(c.systemNumerone, c.price);
    auto fields =
        fieldsOf({"20", "18", "03", "05", "07", "09", "11", "13", "15", "17", c.winNumerone});
    WinningColumn winning;
    test::RecordingPlatform platform;
    CountingProgress progress;

    const auto outcome = Spoglio(fields, winning, *system, platform, progress);

    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fields, fieldsOf({"03", "05", "07", "09", "11", "13", "15", "17", "18", "20",
                                c.winNumerone}));
    EXPECT_EQ(winningSet(winning), test::setOf({3, 5, 7, 9, 11, 13, 15, 17, 18, 20}));
    EXPECT_EQ(winning.at(kNumeronePosition), fieldValue(c.winNumerone));
    const auto& r = *outcome.result;
    EXPECT_EQ(r.numeroneHit, c.hit);
    for (int points = 0; points <= kMaxPoints; ++points) {
        const int meeting = choose(10, points) * choose(10, 10 - points);
        const int listed = pointsWin(points, c.price) ? meeting : 0;
        for (const bool hit : {false, true}) {
            const int index = singleCheckIndex(points, hit);
            if (index >= 0) {
                EXPECT_EQ(r.lists[static_cast<std::size_t>(index)].size(),
                          static_cast<std::size_t>(hit == c.hit ? listed : 0))
                    << points << (hit ? "+1" : "");
            }
        }
    }
    const std::string plus = c.hit ? "+1" : "";
    EXPECT_EQ(maxPuntiCaption(r), "Massimo punteggio raggiunto  10" + plus);
    EXPECT_EQ(minPuntiCaption(r), "Minimo punteggio raggiunto  0" + plus);
    EXPECT_EQ(progress.yields, 18); // after columns 10000, 20000, ..., 180000
    EXPECT_EQ(platform.busyDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegralOfTwenty,
                         ::testing::Values(Stake{"NumeroneHit", 7, "07", 2.0f, true},
                                           Stake{"NumeroneMissed", 7, "08", 2.0f, false},
                                           Stake{"SystemWithoutNumerone", 0, "07", 2.0f, false},
                                           Stake{"NumeroneAmongTheNumbers", 3, "03", 2.0f, true},
                                           Stake{"LowerPrice", 7, "07", 1.0f, true}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(SingleCheck, ListsRowsByColumnNumberAndTakesEveryColumnIntoMaxAndMin) {
    // Against 1..9 and 20: row 2 scores 9, rows 1 and 4 score 1, row 3 scores 5.
    const auto system = test::systemOf({{1, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                                        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                        {1, 2, 3, 4, 5, 11, 12, 13, 14, 15},
                                        {2, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
                                       0, 1.0f);
    WinningColumn winning;
    for (int p = 1; p <= 9; ++p) {
        winning.at(p) = static_cast<std::uint8_t>(p);
    }
    winning.at(10) = 20;
    winning.at(kNumeronePosition) = 4;
    Progress progress;

    const auto r = scoreAgainstWinningColumn(*system, winning, progress);

    for (int index = 0; index < kCategoryCount; ++index) {
        const auto expected = index == singleCheckIndex(9, false) ? std::vector<std::int32_t>{2}
                                                                  : std::vector<std::int32_t>{};
        EXPECT_EQ(r.lists[static_cast<std::size_t>(index)], expected) << index;
    }
    EXPECT_EQ(maxPuntiCaption(r), "Massimo punteggio raggiunto  9");
    EXPECT_EQ(minPuntiCaption(r), "Minimo punteggio raggiunto  1");
    EXPECT_EQ(columnRowText(17), "c.17");
    EXPECT_EQ(columnRowText(184756), "c.184756");
}

TEST(WinningColumnFields, InitShowsTheStoredPositionsAndKeepsTheOthers) {
    WinningColumn winning;
    winning.at(1) = 3;
    winning.at(10) = 20;
    winning.at(kNumeronePosition) = 7;
    auto fields = fieldsOf({"", "12", "", "", "", "", "", "", "", "", ""});

    showWinningColumn(winning, fields);

    EXPECT_EQ(fields, fieldsOf({"03", "12", "", "", "", "", "", "", "", "20", "07"}));
}

TEST(WinningColumnFields, LeavingAFieldStoresOnlyAValue) {
    WinningColumn winning;
    winning.at(3) = 9;
    auto fields = fieldsOf({"", "", "", "", "", "", "", "", "", "", "14"});

    leaveField(fields, 2, winning);  // empty: the stored 9 stays
    leaveField(fields, 10, winning); // the Numerone field feeds position 11

    EXPECT_EQ(winning.at(3), 9);
    EXPECT_EQ(winning.at(kNumeronePosition), 14);
}

TEST(WinningColumnFields, ClearEmptiesColumnAndFields) {
    WinningColumn winning;
    winning.at(5) = 5;
    auto fields = fieldsOf({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"});

    clearWinningColumn(winning, fields);

    EXPECT_EQ(winning, WinningColumn{});
    EXPECT_EQ(fields, SpoglioFields{});
}

TEST(WinningColumnFromDraw, TakesTheNumbersAscendingAndTheNumerone) {
    WinningColumn winning;
    winning.cells.fill(19);

    setWinningColumn(winning, test::drawOf(5, "10/12/2026", "14:00",
                                           test::setOf({20, 1, 4, 5, 7, 9, 11, 12, 15, 18}), 6));

    EXPECT_EQ(winning.cells,
              (std::array<std::uint8_t, kWinningPositions>{1, 4, 5, 7, 9, 11, 12, 15, 18, 20, 6}));

    // A record without all ten numbers leaves no trace of the previous column.
    setWinningColumn(winning, test::drawOf(6, "", "", test::setOf({2, 3}), 0));
    EXPECT_EQ(winning.cells,
              (std::array<std::uint8_t, kWinningPositions>{2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

} // namespace
} // namespace dvx
