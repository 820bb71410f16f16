#pragma once
// Independent count for whole-session tests: combinations of 10 of the
// numbers 1..12 whose sum lies in [lo, hi], by brute force over 12-bit masks.

#include <bit>

namespace dvx::test {

inline int columnsOf12WithSumIn(int lo, int hi) {
    int count = 0;
    for (unsigned mask = 0; mask < (1U << 12); ++mask) {
        if (std::popcount(mask) != 10) {
            continue;
        }
        int sum = 0;
        for (int n = 1; n <= 12; ++n) {
            sum += ((mask >> (n - 1)) & 1U) != 0 ? n : 0;
        }
        count += sum >= lo && sum <= hi ? 1 : 0;
    }
    return count;
}

} // namespace dvx::test
