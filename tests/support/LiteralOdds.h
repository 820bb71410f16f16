#pragma once
// The odds of a system counted draw by draw and column by column over every
// possible draw: the reference the fast odds are compared with.

#include "LexicographicColumns.h"
#include "SystemOdds.h"

#include <vector>

namespace dvx::test {

inline SystemOdds literalSystemOdds(const SystemState& system) {
    SystemOdds odds;
    odds.columns = system.sistema.columnCount;
    odds.hasNumerone = system.numerone != 0;
    odds.pricePerColumn = system.pricePerColumn;
    const auto draws = lexicographicColumns(numbersUpTo(kNumbers));
    for (std::size_t d = 1; d < draws.size(); ++d) {
        bool drawn[256] = {};
        for (int n = 1; n <= kNumbers; ++n) {
            drawn[n] = ((draws[d] >> (n - 1)) & 1) != 0;
        }
        int max = 0;
        int min = 10;
        bool win = false;
        for (std::int32_t i = 1; i <= system.sistema.columnCount; ++i) {
            const std::uint8_t* column = system.colonne.row(i);
            int points = 0;
            for (int p = 0; p < kColumnSize; ++p) {
                points += drawn[column[p]] ? 1 : 0;
            }
            ++odds.columnsByPoints[static_cast<std::size_t>(points)];
            max = points > max ? points : max;
            min = points < min ? points : min;
            win = win || points >= 7 || (points <= 3 && system.pricePerColumn == 2.0f);
        }
        ++odds.drawsByMax[static_cast<std::size_t>(max)];
        ++odds.drawsByMin[static_cast<std::size_t>(min)];
        odds.drawsWithWin += win ? 1 : 0;
    }
    return odds;
}

} // namespace dvx::test
