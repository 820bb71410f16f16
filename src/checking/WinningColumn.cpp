#include "WinningColumn.h"

#include "NumberSet.h"

#include <span>

namespace dvx {

NumberSet winningSet(const WinningColumn& winning) {
    NumberSet set = 0;
    for (int p = 1; p <= kColumnSize; ++p) {
        const int n = winning.at(p);
        if (n >= 1 && n <= kNumbers) {
            set |= maskOf(n);
        }
    }
    return set;
}

void setWinningColumn(WinningColumn& winning, const Estrazione& draw) {
    winning = WinningColumn{};
    MaskToNumeri(draw.numeri, std::span(winning.cells).first(kColumnSize));
    winning.at(kNumeronePosition) = draw.numerone;
}

} // namespace dvx
