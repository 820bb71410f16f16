#include "ColumnOps.h"
#include "RecordingPlatform.h"
#include "StatusPanels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <vector>

namespace dvx {
namespace {

using Row = std::array<std::uint8_t, kColumnSize>;

Row readRow(const SystemState& s, int r) {
    Row row{};
    std::copy_n(s.colonne.row(r), kColumnSize, row.begin());
    return row;
}

// A developed-looking system of `count` distinct ascending random columns.
std::unique_ptr<SystemState> systemOf(int count, std::uint32_t seed = 7) {
    auto s = std::make_unique<SystemState>();
    std::mt19937 g(seed);
    std::array<std::uint8_t, kNumbers> pool{};
    for (int i = 0; i < kNumbers; ++i) {
        pool[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    }
    for (int r = 1; r <= count; ++r) {
        std::shuffle(pool.begin(), pool.end(), g);
        std::copy_n(pool.begin(), kColumnSize, s->colonne.row(r));
        std::sort(s->colonne.row(r), s->colonne.row(r) + kColumnSize);
    }
    s->sistema.columnCount = count;
    s->sistema.typeText = "Condizionato";
    s->developedMark = kDeveloped;
    return s;
}

std::vector<Row> rowsOf(const SystemState& s, int first, int last) {
    std::vector<Row> rows;
    for (int r = first; r <= last; ++r) {
        rows.push_back(readRow(s, r));
    }
    return rows;
}

TEST(Shuffle, AsksFirstAndDeclineChangesNothing) {
    auto s = systemOf(30);
    const auto before = rowsOf(*s, 1, 30);
    test::RecordingPlatform platform;
    platform.answers = {Answer::No};

    EXPECT_FALSE(shuffleColumns(*s, platform));

    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Vuoi mescolare le colonne");
    EXPECT_EQ(platform.messages[0].title, "");
    EXPECT_EQ(platform.messages[0].icon, Icon::None);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(rowsOf(*s, 1, 30), before);
}

TEST(Shuffle, ReordersRowsKeepingEachRowAndTheSystem) {
    for (const int count : {1, 2, 57}) {
        SCOPED_TRACE(count);
        auto s = systemOf(count + 1); // one more row past the count, which must stay put
        s->sistema.columnCount = count;
        const auto before = rowsOf(*s, 1, count);
        const auto beyond = readRow(*s, count + 1);
        test::RecordingPlatform platform;
        platform.answers = {Answer::Yes};

        EXPECT_TRUE(shuffleColumns(*s, platform));

        auto after = rowsOf(*s, 1, count);
        if (count > 2) {
            EXPECT_NE(after, before) << "a shuffle of many rows left their order";
        }
        auto sortedBefore = before;
        std::sort(sortedBefore.begin(), sortedBefore.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, sortedBefore);
        EXPECT_EQ(readRow(*s, count + 1), beyond);
        EXPECT_EQ(s->sistema.columnCount, count);
        EXPECT_EQ(s->sistema.typeText, "Condizionato");
        EXPECT_TRUE(s->developed());
    }
}

TEST(Shuffle, OrderFollowsTheClockSeed) {
    std::vector<std::vector<Row>> orders;
    for (const std::int32_t clock : {100, 100, 101}) {
        auto s = systemOf(40);
        test::RecordingPlatform platform;
        platform.clock = clock;
        ASSERT_TRUE(shuffleColumns(*s, platform));
        orders.push_back(rowsOf(*s, 1, 40));
    }
    EXPECT_EQ(orders[0], orders[1]);
    EXPECT_NE(orders[0], orders[2]);
}

struct DiscardCase {
    Answer answer;
    bool discards;
};

class Discard : public ::testing::TestWithParam<DiscardCase> {};

TEST_P(Discard, AsksAndDropsOnlyTheColumns) {
    auto s = systemOf(12);
    s->condizioni.sommaOn = kTrue;
    s->condizioni.somma = {70, 120};
    s->condizioni.fisseOn = kTrue;
    s->condizioni.fisse[1] = 4;
    s->condizioni.fisseCount = 1;
    s->filtri.count = 1;
    s->filtri.entries[1] = {0x3FF, 0x7F0, kTrue};
    const auto conditionsBefore = s->condizioni;
    const auto rowsBefore = rowsOf(*s, 1, 12);
    test::RecordingPlatform platform;
    platform.answers = {GetParam().answer};

    EXPECT_EQ(confirmDiscardColumns(*s, platform), GetParam().discards);

    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Questa operazione comporta la perdita \r"
                                         "     di tutte le combinazioni del sistema\r\r"
                                         "                    Continuare ?");
    EXPECT_EQ(platform.messages[0].title, "Attenzione");
    EXPECT_EQ(platform.messages[0].icon, Icon::Question);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
    if (GetParam().discards) {
        EXPECT_EQ(s->sistema.columnCount, 0);
        EXPECT_EQ(s->sistema.typeText, "");
        EXPECT_FALSE(s->developed());
        EXPECT_EQ(rowsOf(*s, 1, 12), std::vector<Row>(12, Row{}));
    } else {
        EXPECT_EQ(s->sistema.columnCount, 12);
        EXPECT_TRUE(s->developed());
        EXPECT_EQ(rowsOf(*s, 1, 12), rowsBefore);
    }
    EXPECT_EQ(s->condizioni.somma, conditionsBefore.somma);
    EXPECT_EQ(s->condizioni.fisse, conditionsBefore.fisse);
    EXPECT_EQ(s->filtri.count, 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, Discard,
                         ::testing::Values(DiscardCase{Answer::Yes, true},
                                           DiscardCase{Answer::No, false}));

TEST(View, PanelCountAndFirstRow) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> panels = {
        {0, 0}, {1, 1}, {10, 1}, {11, 2}, {25, 3}, {184756, 18476}};
    for (const auto& [count, expected] : panels) {
        EXPECT_EQ(viewPanelCount(count), expected) << count << " columns";
    }
    const std::vector<std::pair<std::int32_t, std::int32_t>> firstRows = {
        {0, 1}, {1, 1}, {2, 11}, {3, 21}, {-4, 1}, {18476, 184751}};
    for (const auto& [scroll, expected] : firstRows) {
        EXPECT_EQ(viewFirstRow(scroll), expected) << "scroll " << scroll;
    }
}

TEST(View, PanelsOfATwentyFiveColumnSystem) {
    auto s = std::make_unique<SystemState>();
    for (int r = 1; r <= 25; ++r) {
        for (int k = 0; k < kColumnSize; ++k) {
            // Row r holds (r-1)%11+1 .. +9, so every row differs and numbers reach 20.
            s->colonne.row(r)[k] = static_cast<std::uint8_t>((r - 1) % 11 + 1 + k);
        }
    }
    s->sistema.columnCount = 25;
    EXPECT_EQ(viewPanelCount(25), 3);

    const auto first = viewPanel(s->colonne, 1);
    EXPECT_EQ(first[0], "  01  02  03  04  05  06  07  08  09  10  ");
    EXPECT_EQ(first[9], "  10  11  12  13  14  15  16  17  18  19  ");

    const auto last = viewPanel(s->colonne, 3);
    EXPECT_EQ(last[0], "  10  11  12  13  14  15  16  17  18  19  "); // row 21
    EXPECT_EQ(last[4], "  03  04  05  06  07  08  09  10  11  12  "); // row 25
    for (std::size_t r = 5; r < last.size(); ++r) {
        EXPECT_EQ(last[r], "  ") << "label " << r;
    }
    // Past the end of the table every row reads as empty.
    EXPECT_EQ(viewLine(s->colonne, kColumnCapacity + 1), "  ");
}

TEST(StatusPanels, ShowCountCostAndType) {
    auto s = std::make_unique<SystemState>();
    s->sistema.columnCount = 184756;
    s->sistema.typeText = "Integrale";
    s->pricePerColumn = 2.0f;
    const auto panels = statusPanels(*s, Separators{".", ","});
    EXPECT_EQ(panels.count, "184.756");
    EXPECT_EQ(panels.cost, "€ 369.512,00");
    EXPECT_EQ(panels.type, "Integrale");
}

} // namespace
} // namespace dvx
