#pragma once
// A covering search with element weights, over a set cover problem written
// out in full: at a fixed price one candidate leaves and one enters each
// step, chosen by the weights of the elements they uncover and cover, and
// every element left uncovered grows heavier. Elements that stay uncovered
// pull the search towards them, so it leaves a local optimum where
// annealing wanders. It does best on the orbits of a symmetric cover, where
// the problem is small and a candidate stands for many columns.

#include "CoverSearch.h"

#include <cstdint>
#include <vector>

namespace dvx {

struct SetCoverInstance {
    std::int32_t elements = 0;
    // Candidate c covers the elements items[first[c]] .. items[first[c + 1] - 1].
    std::vector<std::int64_t> first{0};
    std::vector<std::int32_t> items;
    std::vector<std::int32_t> price; // what choosing each candidate costs (its columns)

    std::int32_t candidates() const { return static_cast<std::int32_t>(price.size()); }
    void addCandidate(const std::vector<std::int32_t>& covered, std::int32_t cost);
};

// Improves a complete cover (candidate numbers; empty means every candidate)
// over `limits.moves` steps and returns the cheapest complete cover met,
// ascending, or start when none is cheaper. Empty when start is no cover.
// The search lowers the count of candidates, so a cheaper cover made of
// more candidates than the start is out of its reach.
// The same instance, start and limits give the same result on any machine.
std::vector<std::int32_t> weightedSetCover(const SetCoverInstance& instance,
                                           std::vector<std::int32_t> start,
                                           const CoverSearchLimits& limits,
                                           CoverSearchControl control = {});

} // namespace dvx
