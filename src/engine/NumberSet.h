#pragma once
// Helpers over number sets (bit n-1 for number n).

#include "Model.h"

#include <bit>
#include <string>

namespace dvx {

constexpr NumberSet maskOf(int number) {
    return NumberSet{1} << (number - 1);
}
constexpr bool contains(NumberSet set, int number) {
    return (set & maskOf(number)) != 0;
}
constexpr int countOf(NumberSet set) {
    return std::popcount(static_cast<std::uint32_t>(set));
}

// The set of a row of numbers; zeros (empty positions) are ignored.
NumberSet setOfRow(const std::uint8_t* row, int size = kColumnSize);

// Writes the numbers of the set, ascending, into row[0..]; returns how many.
int rowOfSet(NumberSet set, std::uint8_t* row);

// Longest run of consecutive numbers of an ascending 10-number column.
int longestRun(const std::uint8_t* column);

// "01 03" for bits 1 and 3: each set bit b (0..20) as two digits, blank-separated.
std::string bitListText(std::int32_t mask);

} // namespace dvx
