#pragma once
// C(n, k), the number of k-number columns out of n numbers.

#include <cstdint>

namespace dvx {

// Exact for every count this program meets (n up to 20 and far beyond);
// 0 when k is outside 0..n.
constexpr std::int64_t binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i; // stays an integer: C(n-k+i, i)
    }
    return result;
}

static_assert(binomial(20, 10) == 184756);

} // namespace dvx
