#include "ConsecutiveRuns.h"

#include <algorithm>

namespace dvx {

int longestRunInPlay(const Sistema& sistema) {
    const int count = std::min<int>(sistema.countInPlay, kNumbers);
    int run = 1;
    int longest = 1;
    for (int i = 0; i + 1 < count; ++i) {
        if (sistema.numbers[static_cast<std::size_t>(i)] + 1 ==
            sistema.numbers[static_cast<std::size_t>(i + 1)]) {
            run = std::min(run + 1, kLongestRunLimit);
            longest = std::max(longest, run);
        } else {
            run = 1;
        }
    }
    return longest;
}

RunLabels runLabelsOf(std::int32_t runsMask) {
    RunLabels labels{};
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        labels[static_cast<std::size_t>(r)] = (runsMask >> r & 1) != 0;
    }
    return labels;
}

std::int32_t runsMaskOf(const RunLabels& labels) {
    std::int32_t mask = 0;
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        if (labels[static_cast<std::size_t>(r)]) {
            mask |= std::int32_t{1} << r;
        }
    }
    return mask;
}

} // namespace dvx
