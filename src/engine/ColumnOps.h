#pragma once
// What the user can do with developed columns without developing again:
// shuffle them, discard them, look at them ten at a time.

#include "Model.h"

#include <array>
#include <string>

namespace dvx {

class Platform;

// Asks "Vuoi mescolare le colonne" and on Yes puts rows 1..column count in a
// random order seeded from the clock. Returns whether it shuffled.
bool shuffleColumns(SystemState& state, Platform& platform);

// Asks whether to give up the columns and on Yes discards them, keeping the
// numbers and conditions. Returns whether it discarded.
bool confirmDiscardColumns(SystemState& state, Platform& platform);

// The view shows panels of ten rows; the scroll value is the panel number.
inline constexpr int kPanelRows = 10;
std::int32_t viewPanelCount(std::int32_t columnCount);
std::int32_t viewFirstRow(std::int32_t scrollValue);
// Two blanks, then each number of the row as two digits and two blanks.
std::string viewLine(const ColumnTable& colonne, std::int32_t row);
std::array<std::string, kPanelRows> viewPanel(const ColumnTable& colonne, std::int32_t scrollValue);

} // namespace dvx
