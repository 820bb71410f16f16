#pragma once
// Operations that bring the system back to a known state.

#include "Model.h"

namespace dvx {

// Clears columns, conditions, filters and the developed mark. With
// keepNumbers false it also clears the grid selection, the Numerone, the
// column count and the type text. File name and price are never touched.
void resetSystem(SystemState& state, bool keepNumbers);

// Drops the columns but keeps numbers and conditions, so the user can
// change them and develop again.
void discardColumns(SystemState& state);

// Selects or deselects number n (1..20) in the grid; returns the new state.
bool toggleNumber(SystemState& state, int number);
void selectNumber(SystemState& state, int number, bool selected);

// Rebuilds the numbers-in-play list (ascending, then a 0) and its count
// from the grid selection.
void rebuildNumbersInPlay(SystemState& state);

// True when any condition takes part in a development (filters included).
bool anyConditionActive(const SystemState& state);

} // namespace dvx
