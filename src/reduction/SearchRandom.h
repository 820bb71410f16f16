#pragma once
// The searches' own random numbers: the same seed gives the same sequence
// on every machine and library, so a search gives the same columns anywhere.

#include <bit>
#include <cstdint>

namespace dvx {

class SearchRandom final {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) {}

    // SplitMix64.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in 0..bound-1 (bound > 0).
    std::uint32_t below(std::uint32_t bound) {
        return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32);
    }

    // A uniformly chosen member of a non-empty set of bits.
    std::uint32_t memberOf(std::uint32_t mask) {
        auto skip = below(static_cast<std::uint32_t>(std::popcount(mask)));
        while (skip-- > 0) {
            mask &= mask - 1;
        }
        return mask & (~mask + 1);
    }

    // True with probability chance / 2^32.
    bool accept(std::uint32_t chance) { return static_cast<std::uint32_t>(next() >> 32) < chance; }

private:
    std::uint64_t state_;
};

} // namespace dvx
