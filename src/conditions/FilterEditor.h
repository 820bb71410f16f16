#pragma once
// The filter-column editor: browses the 100 entries of the filter table one
// at a time, edits the one shown, and on closing moves the switched-on
// entries to the front and counts them.

#include "ConditionCommon.h"

#include <array>

namespace dvx {

inline constexpr int kPresenceLabels = kColumnSize + 1; // 0..10 numbers in common

// What the dialog shows of one entry.
struct FilterView {
    NumberFlags grid{}; // index n-1 selected: number n is in the filter column
    int gridCount = 0;
    std::array<bool, kPresenceLabels> presences{};
    bool on = false;
};

// Numbers that are not in play are never shown selected.
FilterView filterViewOf(const FilterEntry& entry, const NumberFlags& inPlay);
FilterEntry filterEntryOf(const FilterView& view);

// Switched-on entries first, in their previous order; count = how many.
void compactFilterTable(FilterTable& table);

class FilterEditor final {
public:
    // Shows entry 1.
    FilterEditor(FilterTable& table, const NumberFlags& inPlay);

    int shown() const { return shown_; }
    const FilterView& view() const { return view_; }
    const NumberFlags& inPlay() const { return inPlay_; }

    // Only numbers in play can be picked. Returns whether anything changed.
    bool toggleNumber(int index);
    void togglePresence(int presence);
    void setOn(bool on) { view_.on = on; }

    // Store the entry shown and show its neighbour; false at either end.
    bool previous();
    bool next();
    // Shows an empty entry; the table changes when it is next stored.
    void clearShown();
    // Stores the entry shown, then compacts the table.
    void close();

private:
    void show(int entry);
    void store();

    FilterTable& table_;
    NumberFlags inPlay_;
    int shown_ = 1;
    FilterView view_;
};

} // namespace dvx
