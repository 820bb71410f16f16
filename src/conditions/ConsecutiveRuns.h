#pragma once
// The consecutive-runs dialog's rules: the longest run the numbers in play
// allow, and the labels of the runs mask.

#include "Model.h"

#include <array>

namespace dvx {

inline constexpr int kLongestRunLimit = kColumnSize; // labels 1..10

// Longest run of consecutive numbers in the numbers-in-play list, capped at
// 10 (no column can hold more); 1 with fewer than two numbers.
int longestRunInPlay(const Sistema& sistema);

// Label r (1..10) is selected when bit r of the mask is set; index 0 unused.
using RunLabels = std::array<bool, kLongestRunLimit + 1>;
RunLabels runLabelsOf(std::int32_t runsMask);
std::int32_t runsMaskOf(const RunLabels& labels);

} // namespace dvx
