#pragma once
// Checks the promise of a reduced system: if the ten numbers drawn are any
// ten of the numbers in play, some column scores at least 10 - level.

#include "Model.h"

#include <cstdint>
#include <span>

namespace dvx {

struct GuaranteeReport {
    bool holds = true;
    // The lexicographically first combination of the numbers in play that
    // no column covers (its number set), 0 when the guarantee holds.
    NumberSet firstUncovered = 0;
    // How many combinations are not covered.
    std::int32_t uncoveredCount = 0;
};

// A combination of 10 numbers in play is covered when it shares at least
// 10 - level numbers with some column. columns are number sets (numbers
// outside the play simply never count as in common); inPlay is the set of
// the numbers in play (setOfRow turns a list into one). Levels below 0 count
// as 0. With fewer than 10 numbers in play there is nothing to cover and the
// guarantee holds.
GuaranteeReport checkGuarantee(std::span<const NumberSet> columns, NumberSet inPlay, int level);

// The same over rows 1..count of a column table.
GuaranteeReport checkGuarantee(const ColumnTable& colonne, std::int32_t count, NumberSet inPlay,
                               int level);

} // namespace dvx
