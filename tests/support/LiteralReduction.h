#pragma once
// The greedy reduction exactly as first written: two passes over the whole
// candidate list per kept column, ten single-bit tests per candidate. Slow,
// and kept only as the reference the fast reduction must match row for row.

#include "Model.h"
#include "Progress.h"

#include <array>
#include <cstdint>

namespace dvx::test {

inline std::int32_t literalRidotto(ColumnTable& colonne, NumberSet* candidates, std::int32_t n,
                                   int level, const bool& cancel, Progress& progress) {
    for (std::int32_t r = 1; r <= n; ++r) {
        for (int p = 0; p < kColumnSize; ++p) {
            colonne.row(r)[p] = 0;
        }
    }
    std::int32_t eliminated = 0;
    std::int32_t count = 0;
    NumberSet current = n >= 1 ? candidates[1] : 0;
    std::array<NumberSet, kColumnSize> bits{};
    std::uint8_t lastTenth = 0;

    progress.setPercent(0);
    progress.setCaption("Riduzione in corso....");

    const auto inCommon = [&bits](NumberSet m) {
        std::int16_t common = 0;
        for (int b = 0; b < kColumnSize; ++b) {
            if ((bits[static_cast<std::size_t>(b)] & m) != 0) {
                ++common;
            }
        }
        return common;
    };

    while (eliminated != n) {
        if (current > 0) {
            if (cancel) {
                return 0;
            }
            ++count;
            int position = 0;
            for (int number = 1; number <= kNumbers; ++number) {
                if ((current & (NumberSet{1} << (number - 1))) != 0) {
                    colonne.row(count)[position++] = static_cast<std::uint8_t>(number);
                }
            }

            progress.processed = eliminated;
            const auto percent = static_cast<std::uint8_t>((eliminated * 100) / n);
            const auto tenth = static_cast<std::uint8_t>(percent / 10);
            if (tenth != lastTenth) {
                lastTenth = tenth;
                progress.yield();
                progress.setPercent(percent);
            }

            int b = 0;
            for (int number = 1; number <= kNumbers; ++number) {
                const NumberSet bit = NumberSet{1} << (number - 1);
                if ((current & bit) != 0) {
                    bits[static_cast<std::size_t>(b++)] = bit;
                }
            }

            const auto threshold = static_cast<std::int16_t>(kColumnSize - level);
            for (std::int32_t i = 1; i <= n; ++i) {
                const NumberSet m = candidates[i];
                if (m > 0 && inCommon(m) >= threshold) {
                    candidates[i] = 0;
                    ++eliminated;
                }
            }
        }

        std::int16_t best = kColumnSize;
        current = 0;
        for (std::int32_t i = 1; i <= n; ++i) {
            const NumberSet m = candidates[i];
            if (m > 0) {
                const std::int16_t common = inCommon(m);
                if (common <= best) {
                    current = m;
                    best = common;
                }
            }
        }
    }
    return count;
}

} // namespace dvx::test
