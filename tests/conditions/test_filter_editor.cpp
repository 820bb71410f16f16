#include "FilterEditor.h"

#include "ConditionFixtures.h"
#include "NumberSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

namespace dvx {
namespace {

using test::flagsOf;
using test::numbersUpTo;

auto fields(const FilterEntry& e) {
    return std::make_tuple(e.column, e.presences, e.active);
}

FilterEntry entry(NumberSet column, std::int32_t presences, VBool active) {
    return {column, presences, active};
}

TEST(CompactFilterTable, SwitchedOnEntriesMoveToTheFrontInOrder) {
    FilterTable table;
    table.entries[2] = entry(maskOf(1) | maskOf(2), 0b110, kTrue);
    table.entries[3] = entry(maskOf(9), 0b1, kFalse);
    table.entries[5] = entry(maskOf(5), 0b1000, kTrue);
    table.entries[7] = entry(maskOf(20), 0b11, kTrue);
    compactFilterTable(table);
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(fields(table.entries[1]), fields(entry(maskOf(1) | maskOf(2), 0b110, kTrue)));
    EXPECT_EQ(fields(table.entries[2]), fields(entry(maskOf(5), 0b1000, kTrue)));
    EXPECT_EQ(fields(table.entries[3]), fields(entry(maskOf(20), 0b11, kTrue)));
    const auto switchedOff = std::find_if(table.entries.begin() + 4, table.entries.end(),
                                          [](const auto& e) { return e.column == maskOf(9); });
    ASSERT_NE(switchedOff, table.entries.end()) << "switched-off entries are kept";
    EXPECT_EQ(fields(*switchedOff), fields(entry(maskOf(9), 0b1, kFalse)));
}

TEST(CompactFilterTable, KeepsEveryEntryOnRandomTables) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 50; ++round) {
        FilterTable table;
        std::vector<std::tuple<NumberSet, std::int32_t, VBool>> on, all;
        for (int i = 1; i <= kMaxFilters; ++i) {
            const auto roll = random() % 4;
            auto& e = table.entries[static_cast<std::size_t>(i)];
            e = entry(static_cast<NumberSet>(random() % (1u << 20)),
                      static_cast<std::int32_t>(random() % 2048),
                      roll == 0 ? kTrue : (roll == 1 ? VBool{1} : kFalse));
            all.push_back(fields(e));
            if (e.active != 0) {
                on.push_back(fields(e));
            }
        }
        compactFilterTable(table);
        ASSERT_EQ(table.count, static_cast<int>(on.size()));
        std::vector<std::tuple<NumberSet, std::int32_t, VBool>> after;
        for (int i = 1; i <= kMaxFilters; ++i) {
            after.push_back(fields(table.entries[static_cast<std::size_t>(i)]));
        }
        EXPECT_TRUE(std::equal(on.begin(), on.end(), after.begin()));
        std::sort(all.begin(), all.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, all);
    }
}

TEST(FilterView, NumbersOutOfPlayAreNotShown) {
    const auto view = filterViewOf(entry(maskOf(1) | maskOf(4) | maskOf(20), 1 | 1 << 10, kTrue),
                                   flagsOf({1, 2, 3, 20}));
    EXPECT_EQ(view.grid, flagsOf({1, 20}));
    EXPECT_EQ(view.gridCount, 2);
    EXPECT_TRUE(view.presences[0]);
    EXPECT_TRUE(view.presences[10]);
    EXPECT_EQ(std::count(view.presences.begin(), view.presences.end(), true), 2);
    EXPECT_TRUE(view.on);
    const auto back = filterEntryOf(view);
    EXPECT_EQ(fields(back), fields(entry(maskOf(1) | maskOf(20), 1 | 1 << 10, kTrue)));
}

class FilterEditorTest : public ::testing::Test {
protected:
    FilterTable table;
    NumberFlags inPlay = numbersUpTo(12);
};

TEST_F(FilterEditorTest, EditsAreStoredWhenNavigatingAway) {
    FilterEditor editor(table, inPlay);
    EXPECT_EQ(editor.shown(), 1);
    EXPECT_TRUE(editor.toggleNumber(2));
    EXPECT_TRUE(editor.toggleNumber(5));
    EXPECT_FALSE(editor.toggleNumber(15)) << "16 is not in play";
    editor.togglePresence(3);
    editor.setOn(true);
    EXPECT_EQ(editor.view().gridCount, 2);
    EXPECT_EQ(table.entries[1].active, kFalse) << "nothing stored before leaving the entry";
    ASSERT_TRUE(editor.next());
    EXPECT_EQ(editor.shown(), 2);
    EXPECT_EQ(fields(table.entries[1]), fields(entry(maskOf(3) | maskOf(6), 1 << 3, kTrue)));
    EXPECT_EQ(editor.view().gridCount, 0);
    ASSERT_TRUE(editor.previous());
    EXPECT_EQ(editor.view().grid, flagsOf({3, 6}));
    EXPECT_TRUE(editor.toggleNumber(2)) << "deselects";
    EXPECT_EQ(editor.view().gridCount, 1);
}

TEST_F(FilterEditorTest, NoNavigationPastEitherEnd) {
    FilterEditor editor(table, inPlay);
    editor.toggleNumber(0);
    EXPECT_FALSE(editor.previous());
    EXPECT_EQ(table.entries[1].column, 0) << "nothing stored by a refused move";
    for (int i = 1; i < kMaxFilters; ++i) {
        ASSERT_TRUE(editor.next());
    }
    EXPECT_EQ(editor.shown(), kMaxFilters);
    EXPECT_EQ(table.entries[1].column, maskOf(1));
    editor.toggleNumber(1);
    EXPECT_FALSE(editor.next());
    EXPECT_EQ(editor.shown(), kMaxFilters);
    EXPECT_EQ(table.entries[kMaxFilters].column, 0);
    editor.close();
    EXPECT_EQ(table.entries[kMaxFilters].column, maskOf(2));
}

TEST_F(FilterEditorTest, NumberOutOfPlayDroppedOnlyFromEntriesShown) {
    table.entries[1] = entry(maskOf(2) | maskOf(18), 0b100, kTrue);
    table.entries[2] = entry(maskOf(3) | maskOf(19), 0b100, kTrue);
    table.count = 2;
    FilterEditor editor(table, inPlay);
    editor.close();
    EXPECT_EQ(table.entries[1].column, maskOf(2));
    EXPECT_EQ(table.entries[2].column, maskOf(3) | maskOf(19));
    EXPECT_EQ(table.count, 2);
}

TEST_F(FilterEditorTest, ClearedEntryMovesBehindTheSwitchedOnOnes) {
    table.entries[1] = entry(maskOf(1) | maskOf(2), 0b10, kTrue);
    table.entries[2] = entry(maskOf(5), 0b1, kTrue);
    FilterEditor editor(table, inPlay);
    editor.clearShown();
    EXPECT_EQ(editor.view().gridCount, 0);
    EXPECT_FALSE(editor.view().on);
    EXPECT_EQ(table.entries[1].active, kTrue) << "the table changes only when stored";
    editor.close();
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(fields(table.entries[1]), fields(entry(maskOf(5), 0b1, kTrue)));
    EXPECT_EQ(fields(table.entries[2]), fields(FilterEntry{}));
}

TEST_F(FilterEditorTest, SwitchedOnWithoutPresencesIsStoredAsIs) {
    FilterEditor editor(table, inPlay);
    editor.toggleNumber(0);
    editor.setOn(true);
    editor.close();
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(fields(table.entries[1]), fields(entry(maskOf(1), 0, kTrue)));
}

} // namespace
} // namespace dvx
