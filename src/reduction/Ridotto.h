#pragma once
// Greedy reduction of developed columns with a guarantee of 10 - level.

#include "Model.h"

#include <array>

namespace dvx {

class Progress;

// Writes the numbers of mask, ascending, into row r (positions 1..10).
void writeRow(ColumnTable& colonne, NumberSet mask, int r);

// The single-bit masks of the numbers of mask, ascending.
std::array<NumberSet, kColumnSize> splitBits(NumberSet mask);

// Reduces candidates[1..n] in place (they end at 0) and rewrites rows 1..R of
// colonne with the kept columns in the order chosen. Returns R, or 0 when
// cancel was set. Sets the progress caption to "Riduzione in corso....".
// Entries that are not 10-number columns of 1..20 take no part (they could
// never be eliminated and the run would not end); a level below 0 counts as
// 0; n is taken as at most the column capacity.
std::int32_t ridotto(ColumnTable& colonne, NumberSet* candidates, std::int32_t n, int level,
                     const bool& cancel, Progress& progress);

} // namespace dvx
