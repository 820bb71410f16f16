#include "FilterEditor.h"

#include "NumberSet.h"

#include <utility>

namespace dvx {

FilterView filterViewOf(const FilterEntry& entry, const NumberFlags& inPlay) {
    FilterView view;
    for (int i = 0; i < kNumbers; ++i) {
        const auto n = static_cast<std::size_t>(i);
        view.grid[n] = inPlay[n] && contains(entry.column, i + 1);
        view.gridCount += view.grid[n] ? 1 : 0;
    }
    for (int p = 0; p < kPresenceLabels; ++p) {
        view.presences[static_cast<std::size_t>(p)] = (entry.presences >> p & 1) != 0;
    }
    view.on = entry.active != 0;
    return view;
}

FilterEntry filterEntryOf(const FilterView& view) {
    FilterEntry entry;
    for (int i = 0; i < kNumbers; ++i) {
        if (view.grid[static_cast<std::size_t>(i)]) {
            entry.column |= maskOf(i + 1);
        }
    }
    for (int p = 0; p < kPresenceLabels; ++p) {
        if (view.presences[static_cast<std::size_t>(p)]) {
            entry.presences |= std::int32_t{1} << p;
        }
    }
    entry.active = toVBool(view.on);
    return entry;
}

void compactFilterTable(FilterTable& table) {
    // An exchange sort on the active flag: each position takes the first
    // switched-on entry after it, which keeps the switched-on ones in order.
    auto& e = table.entries;
    const auto key = [](const FilterEntry& f) { return f.active != 0 ? -1 : 0; };
    for (int i = 1; i <= kMaxFilters; ++i) {
        for (int j = i + 1; j <= kMaxFilters; ++j) {
            if (key(e[static_cast<std::size_t>(i)]) > key(e[static_cast<std::size_t>(j)])) {
                std::swap(e[static_cast<std::size_t>(i)], e[static_cast<std::size_t>(j)]);
            }
        }
    }
    std::int16_t count = 0;
    for (int i = 1; i <= kMaxFilters; ++i) {
        count = static_cast<std::int16_t>(count + (key(e[static_cast<std::size_t>(i)]) != 0));
    }
    table.count = count;
}

FilterEditor::FilterEditor(FilterTable& table, const NumberFlags& inPlay)
    : table_(table), inPlay_(inPlay) {
    show(1);
}

void FilterEditor::show(int entry) {
    shown_ = entry;
    view_ = filterViewOf(table_.entries[static_cast<std::size_t>(entry)], inPlay_);
}

void FilterEditor::store() {
    table_.entries[static_cast<std::size_t>(shown_)] = filterEntryOf(view_);
}

bool FilterEditor::toggleNumber(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (!inPlay_[i]) {
        return false;
    }
    if (view_.grid[i]) {
        view_.grid[i] = false;
        --view_.gridCount;
        return true;
    }
    if (view_.gridCount >= kNumbers) {
        return false;
    }
    view_.grid[i] = true;
    ++view_.gridCount;
    return true;
}

void FilterEditor::togglePresence(int presence) {
    auto& p = view_.presences[static_cast<std::size_t>(presence)];
    p = !p;
}

bool FilterEditor::previous() {
    if (shown_ <= 1) {
        return false;
    }
    store();
    show(shown_ - 1);
    return true;
}

bool FilterEditor::next() {
    if (shown_ >= kMaxFilters) {
        return false;
    }
    store();
    show(shown_ + 1);
    return true;
}

void FilterEditor::clearShown() {
    view_ = FilterView{};
}

void FilterEditor::close() {
    store();
    compactFilterTable(table_);
}

} // namespace dvx
