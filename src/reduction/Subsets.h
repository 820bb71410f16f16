#pragma once
// Subsets of a number set by size: what the guarantee check and the
// covering search walk through around a column.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace dvx {

// The single-bit masks of a set, lowest first.
struct SingleBits {
    std::array<std::uint32_t, 32> bit{};
    int count = 0;
};

inline SingleBits singleBits(std::uint32_t mask) {
    SingleBits bits;
    while (mask != 0) {
        const std::uint32_t low = mask & (~mask + 1);
        bits.bit[static_cast<std::size_t>(bits.count++)] = low;
        mask ^= low;
    }
    return bits;
}

// Calls visit(subset) for every subset of `size` members of the given bits.
template <class Visit> void forEachSubset(const SingleBits& bits, int size, Visit&& visit) {
    if (size < 0 || size > bits.count) {
        return;
    }
    if (size == 0) {
        visit(std::uint32_t{0});
        return;
    }
    const std::uint64_t end = std::uint64_t{1} << bits.count;
    std::uint64_t pick = (std::uint64_t{1} << size) - 1;
    while (pick < end) {
        std::uint32_t mask = 0;
        for (std::uint64_t rest = pick; rest != 0; rest &= rest - 1) {
            mask |= bits.bit[static_cast<std::size_t>(std::countr_zero(rest))];
        }
        visit(mask);
        // Next index set with the same number of members.
        const std::uint64_t lowest = pick & (~pick + 1);
        const std::uint64_t ripple = pick + lowest;
        pick = (((ripple ^ pick) >> 2) / lowest) | ripple;
    }
}

template <class Visit> void forEachSubset(std::uint32_t mask, int size, Visit&& visit) {
    forEachSubset(singleBits(mask), size, visit);
}

// The subsets of `size` members of mask, into out (cleared first).
inline void subsetsOfSize(std::uint32_t mask, int size, std::vector<std::uint32_t>& out) {
    out.clear();
    forEachSubset(mask, size, [&](std::uint32_t subset) { out.push_back(subset); });
}

// Every set of popcount(column) members of the universe sharing at least
// `needed` members with column, the column itself first.
template <class Visit>
void forEachWithin(std::uint32_t column, std::uint32_t universe, int needed, Visit&& visit) {
    const SingleBits inside = singleBits(column);
    const SingleBits outside = singleBits(universe & ~column);
    for (int common = inside.count; common >= needed && common >= 0; --common) {
        forEachSubset(inside, common, [&](std::uint32_t shared) {
            forEachSubset(outside, inside.count - common,
                          [&](std::uint32_t other) { visit(shared | other); });
        });
    }
}

} // namespace dvx
