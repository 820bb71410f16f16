#pragma once
// Every 10-number column of a list of numbers, as number sets in lexicographic
// order: the candidates an unconditioned development of those numbers gives.

#include "Model.h"

#include <array>
#include <cstddef>
#include <vector>

namespace dvx::test {

// Ascending numbers in, columns out; entry 0 is an unused 0 so that the
// columns sit at 1..count like the candidate list.
inline std::vector<NumberSet> lexicographicColumns(const std::vector<int>& numbers) {
    std::vector<NumberSet> columns{0};
    const int n = static_cast<int>(numbers.size());
    if (n < kColumnSize) {
        return columns;
    }
    std::array<int, kColumnSize> slot{};
    for (int p = 0; p < kColumnSize; ++p) {
        slot[static_cast<std::size_t>(p)] = p;
    }
    for (;;) {
        NumberSet set = 0;
        for (const int s : slot) {
            set |= NumberSet{1} << (numbers[static_cast<std::size_t>(s)] - 1);
        }
        columns.push_back(set);
        int p = kColumnSize - 1;
        while (p >= 0 && slot[static_cast<std::size_t>(p)] == n - kColumnSize + p) {
            --p;
        }
        if (p < 0) {
            return columns;
        }
        ++slot[static_cast<std::size_t>(p)];
        for (int q = p + 1; q < kColumnSize; ++q) {
            slot[static_cast<std::size_t>(q)] = slot[static_cast<std::size_t>(q - 1)] + 1;
        }
    }
}

inline std::vector<int> numbersUpTo(int last) {
    std::vector<int> numbers;
    for (int x = 1; x <= last; ++x) {
        numbers.push_back(x);
    }
    return numbers;
}

} // namespace dvx::test
