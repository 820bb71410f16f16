#pragma once
// The fixed-numbers dialog's rules: which labels it can select, the limit of
// nine, and what it stores.

#include "ConditionCommon.h"

namespace dvx {

struct FixedNumberPicker {
    NumberFlags inPlay{};   // the main window's grid: only these can be picked
    NumberFlags selected{}; // the labels shown selected
    int count = 0;          // how many are selected, 0..9
};

// Loading: keeps the stored fixed numbers that are still in play (dropping
// the others, and anything that is no number at all, from the slots), sorts
// the slots in descending order so the empty ones come last, and selects the
// labels of what is left.
FixedNumberPicker loadFixedNumbers(Condizioni& condizioni, const NumberFlags& inPlay);

// A click on label index (number index + 1). Numbers not in play are
// ignored, and a tenth number is refused. Returns whether anything changed.
bool toggleFixedNumber(FixedNumberPicker& picker, int index);

// Closing: the selected numbers, ascending, in slots 1.., the rest empty.
void storeFixedNumbers(Condizioni& condizioni, const FixedNumberPicker& picker);

} // namespace dvx
