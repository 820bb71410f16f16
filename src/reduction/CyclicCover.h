#pragma once
// Covers that a cyclic shift of the numbers maps onto themselves: the w-sets
// of v numbers fall into orbits under the shift, and a cover made of whole
// orbits needs to be checked at one point per orbit. Searching orbit by
// orbit is a much smaller search, and at radius 1 its covers are close to
// the best known.

#include "CoverSearch.h"

#include <cstdint>
#include <vector>

namespace dvx {

// The shift: the numbers split into cycles of the given lengths, in order
// (lengths {5, 5, 5, 1}: 1->2->..->5->1, 6->..->10->6, 11->..->15->11, 16
// stays); numbers beyond their sum, and a cycle that would run past v,
// stay where they are.
using CycleLengths = std::vector<int>;

// Searches for a cover of all size-sets of the numbers 1..v by whole orbits
// of the shift with the weighted search (each orbit a candidate priced at
// its columns; limits.method is not used), over limits.moves steps.
// Returns the columns of the cheapest cover met, empty when none was found.
std::vector<std::uint32_t> cyclicCover(int v, int size, int radius, const CycleLengths& cycles,
                                       const CoverSearchLimits& limits,
                                       CoverSearchControl control = {});

} // namespace dvx
