#pragma once
// The archive check grid's column filters: one choice per column, "*" for
// any value.

#include "ArchiveCheck.h"

#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kAnyValue = "*";
inline constexpr std::string_view kFiltriCaption = "&Filtri";

// The entries of column c's list: "*", then each distinct text of the
// column over the data rows, in order of first appearance.
std::vector<std::string> filterChoices(const std::vector<GridRow>& rows, int column);

// A data row is shown when, for every column whose choice is not "*", its
// cell text equals the choice exactly.
bool rowPassesFilters(const GridRow& row, const GridRow& choices);

// Every choice "*": what the filters show when they are switched on.
GridRow noFilters();

} // namespace dvx
