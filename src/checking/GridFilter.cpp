#include "GridFilter.h"

#include <unordered_set>

namespace dvx {

std::vector<std::string> filterChoices(const std::vector<GridRow>& rows, int column) {
    std::vector<std::string> choices{std::string(kAnyValue)};
    std::unordered_set<std::string_view> seen;
    for (const auto& row : rows) {
        const std::string& text = row[static_cast<std::size_t>(column)];
        if (seen.insert(text).second) {
            choices.push_back(text);
        }
    }
    return choices;
}

bool rowPassesFilters(const GridRow& row, const GridRow& choices) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (choices[c] != kAnyValue && row[c] != choices[c]) {
            return false;
        }
    }
    return true;
}

GridRow noFilters() {
    GridRow choices;
    choices.fill(std::string(kAnyValue));
    return choices;
}

} // namespace dvx
