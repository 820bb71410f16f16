#pragma once
// The optimised reduction of the developed columns: the same guarantee as
// the greedy reduction (every developed column shares at least 10 - level
// numbers with a kept one, and every kept column is a developed one), with
// far fewer columns, found by a bounded, repeatable search.

#include "Development.h"
#include "Model.h"

namespace dvx {

class Progress;

// Same contract as ridotto: reduces candidates[1..n] (they end at 0),
// rewrites rows 1..R of colonne and returns R, or 0 when cancel was set
// (polled while the search lets events run).
std::int32_t ridottoOttimizzato(ColumnTable& colonne, NumberSet* candidates, std::int32_t n,
                                int level, const bool& cancel, Progress& progress);

// The reduction the reduction settings ask for: the optimised one when its
// switch is on, otherwise the greedy one.
Reducer chosenReducer(const Condizioni& condizioni);

} // namespace dvx
