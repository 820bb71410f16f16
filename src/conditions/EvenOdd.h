#pragma once
// The even/odd dialog's rules: one label per split of a column into even
// and odd numbers.

#include "Model.h"

#include <string>

namespace dvx {

inline constexpr int kEvenOddSplits = kColumnSize + 1; // 0..10 even numbers

// The caption of split e: e under "Pari", 10 - e under "Dispari", padded so
// that the columns line up in a fixed-width font ("  0      10").
std::string evenOddText(int evens);

constexpr bool evenOddAllowed(const Condizioni& condizioni, int evens) {
    return condizioni.pariDispari[static_cast<std::size_t>(evens)] != 0;
}

constexpr void setEvenOddAllowed(Condizioni& condizioni, int evens, bool allowed) {
    condizioni.pariDispari[static_cast<std::size_t>(evens)] = toVBool(allowed);
}

} // namespace dvx
