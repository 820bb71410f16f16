#pragma once
// Small builders for the condition rules' tests.

#include "ConditionCommon.h"
#include "SystemOps.h"

#include <initializer_list>

namespace dvx::test {

inline NumberFlags flagsOf(std::initializer_list<int> numbers) {
    NumberFlags flags{};
    for (const int n : numbers) {
        flags[static_cast<std::size_t>(n - 1)] = true;
    }
    return flags;
}

inline NumberFlags numbersUpTo(int last) {
    NumberFlags flags{};
    for (int n = 1; n <= last; ++n) {
        flags[static_cast<std::size_t>(n - 1)] = true;
    }
    return flags;
}

// A system whose grid holds exactly these numbers, with the list rebuilt.
inline void playNumbers(SystemState& state, const NumberFlags& numbers) {
    for (int n = 1; n <= kNumbers; ++n) {
        selectNumber(state, n, numbers[static_cast<std::size_t>(n - 1)]);
    }
    rebuildNumbersInPlay(state);
}

} // namespace dvx::test
