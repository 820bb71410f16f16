#pragma once
// Developing the numbers in play into columns through the active conditions.

#include "Binomial.h"
#include "Model.h"

namespace dvx {

class Platform;
class Progress;

// The reduction the development calls when the reduction switch is on: it
// rewrites rows 1..R of colonne from candidates[1..n] and returns R (0 when
// cancelled). Passed in (normally `ridotto`) because the reduction library
// is built on top of this one.
using Reducer = std::int32_t (*)(ColumnTable& colonne, NumberSet* candidates, std::int32_t n,
                                 int level, const bool& cancel, Progress& progress);

// The system type text a complete development sets ("Integrale",
// "Condizionato", "Ridotto N-2", "Ridotto N-2 Condizionato").
std::string developmentTypeText(const SystemState& state);

// Enumerates the combinations of the numbers-in-play list in lexicographic
// order, keeps those that pass the conditions, reduces them when the
// reduction switch is on and sets the column count and type text. A cancel
// (state.cancel, polled once per combination, and never cleared here: a run
// that starts with it set stops at once) leaves count and type as they
// were. capacity is the most columns the run may keep; only tests lower it.
void developSystem(SystemState& state, Platform& platform, Progress& progress, Reducer reduce,
                   std::int32_t capacity = kColumnCapacity);

// The develop command: rebuilds the list from the grid, drops and sorts the
// fixed numbers, develops, and marks the system developed when it produced
// columns and was not cancelled. Returns whether the system is now developed.
bool runDevelopCommand(SystemState& state, Platform& platform, Progress& progress, Reducer reduce);

} // namespace dvx
