#include "ArchiveFixtures.h"
#include "DrawList.h"
#include "Estrazione.h"

#include <gtest/gtest.h>

#include <cstring>

#include <array>

namespace dvx {
namespace {

using test::archiveOf;
using test::draw;
using test::setOf;

TEST(NumberSetTexts, NumeriToText) {
    EXPECT_EQ(NumeriToText(setOf({1, 3, 20}), 3), "01   03   20");
    EXPECT_EQ(NumeriToText(setOf({20, 1, 3}), 1), "01 03 20");
    EXPECT_EQ(NumeriToText(setOf({7}), 2), "07");
    EXPECT_EQ(NumeriToText(0, 3), "");
}

TEST(NumberSetTexts, MaskToNumeriWritesAscendingAndLeavesTheRest) {
    std::array<std::uint8_t, 12> table;
    table.fill(99);
    const int written = MaskToNumeri(setOf({20, 2, 11}), std::span(table).subspan(1));
    EXPECT_EQ(written, 3);
    EXPECT_EQ(table, (std::array<std::uint8_t, 12>{99, 2, 11, 20, 99, 99, 99, 99, 99, 99, 99, 99}));

    std::array<std::uint8_t, 2> small{};
    EXPECT_EQ(MaskToNumeri(setOf({1, 2, 3}), small), 2);
    EXPECT_EQ(small, (std::array<std::uint8_t, 2>{1, 2}));
}

TEST(NumberSetTexts, NumeriToMaskIsTheInverse) {
    const std::array<std::uint8_t, 10> numbers{20, 1, 19, 2, 18, 3, 17, 4, 16, 5};
    const auto set = NumeriToMask(numbers);
    EXPECT_EQ(set, setOf({1, 2, 3, 4, 5, 16, 17, 18, 19, 20}));
    std::array<std::uint8_t, 10> back{};
    MaskToNumeri(set, back);
    EXPECT_EQ(back, (std::array<std::uint8_t, 10>{1, 2, 3, 4, 5, 16, 17, 18, 19, 20}));
}

TEST(NumberSetTexts, FixedTextCountsCharacters) {
    EXPECT_EQ(fixedText("1/2/26", 10), "1/2/26    ");
    EXPECT_EQ(fixedText("2026-12-10T14", 10), "2026-12-10");
    EXPECT_EQ(fixedText("lunedì 10 dicembre", 8), "lunedì 1");
    EXPECT_EQ(fixedText("", 5), "     ");
}

TEST(DrawList, LinesLastDrawFirstSkippingEmptyRecords) {
    auto archivio = archiveOf({
        draw("09/12/2026", "22:00", 7, {1, 3, 20, 4, 5, 6, 7, 8, 9, 10}, 5),
        Estrazione{},
        draw("1/2/26", "9:00", 123456, {11, 12, 13, 14, 15, 16, 17, 18, 19, 2}, 20),
    });
    const auto list = PopolaListView(archivio);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0], "  123456     |   1/2/26       |   9:00    |   02   11   12   13   "
                             "14   15   16   17   18   19   |   20");
    EXPECT_EQ(list.lines[1], "  00007     |   09/12/2026   |   22:00   |   01   03   04   05   "
                             "06   07   08   09   10   20   |   05");
    EXPECT_EQ(list.lastDraw, list.lines[0]);
    EXPECT_EQ(list.total, "3");
    EXPECT_EQ(drawOfListLine(list, 0), 3);
    EXPECT_EQ(drawOfListLine(list, 1), 1);
    EXPECT_EQ(drawOfListLine(list, 2), std::nullopt);
    EXPECT_EQ(drawOfListLine(list, -1), std::nullopt);
}

TEST(DrawList, ColumnLabelsStandOverTheirFields) {
    const auto line =
        drawListLine(draw("09/12/2026", "22:00", 7, {1, 3, 20, 4, 5, 6, 7, 8, 9, 10}, 5));
    const auto columns = drawListColumns();
    const char* expected[] = {"00007", "09/12/2026", "22:00", "01   03", "05"};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(
            line.substr(static_cast<std::size_t>(columns[i].column), std::strlen(expected[i])),
            expected[i])
            << columns[i].label;
    }
    EXPECT_EQ(columns[3].label, "Colonna Vincente");
}

TEST(DrawList, EmptyArchiveLeavesTheLabels) {
    const auto list = PopolaListView(Archivio{});
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(list.lastDraw, std::nullopt);
    EXPECT_EQ(list.total, std::nullopt);
    EXPECT_EQ(drawOfListLine(list, 0), std::nullopt);
}

TEST(DrawList, WinningColumnMessage) {
    EXPECT_EQ(winningColumnMessage(
                  draw("1/2/26", "9:00", 1, {11, 12, 13, 14, 15, 16, 17, 18, 19, 2}, 20)),
              "La Colonna \r\n02 11 12 13 14 15 16 17 18 19\r\ndel 1/2/26     alle ore 9:00 "
              "\r\nè stata impostata come nuova colonna di Spoglio");
}

} // namespace
} // namespace dvx
