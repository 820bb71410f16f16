#include "ColumnOps.h"

#include "Format.h"
#include "Platform.h"
#include "SystemOps.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace dvx {

namespace {

void swapRows(ColumnTable& colonne, std::int32_t a, std::int32_t b) {
    std::swap_ranges(colonne.row(a), colonne.row(a) + kColumnSize, colonne.row(b));
}

} // namespace

bool shuffleColumns(SystemState& state, Platform& platform) {
    const std::int32_t n = std::clamp(state.sistema.columnCount, 0, kColumnCapacity);
    if (platform.message("Vuoi mescolare le colonne", "", Icon::None, Buttons::YesNo) !=
        Answer::Yes) {
        return false;
    }
    std::vector<std::int32_t> permutation(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 1; i <= n; ++i) {
        permutation[static_cast<std::size_t>(i)] = i;
    }
    std::mt19937 generator(static_cast<std::uint32_t>(platform.secondsSinceMidnight()));
    for (std::int32_t i = 1; i <= n; ++i) {
        // r in [0, 1) from 32 random bits, so j never passes n.
        const double r = static_cast<double>(generator()) / 4294967296.0;
        const auto j = static_cast<std::int32_t>(std::floor(r * n)) + 1;
        std::swap(permutation[static_cast<std::size_t>(i)],
                  permutation[static_cast<std::size_t>(j)]);
        swapRows(state.colonne, permutation[static_cast<std::size_t>(i)],
                 permutation[static_cast<std::size_t>(j)]);
    }
    return true;
}

bool confirmDiscardColumns(SystemState& state, Platform& platform) {
    const auto answer = platform.message("Questa operazione comporta la perdita \r"
                                         "     di tutte le combinazioni del sistema\r\r"
                                         "                    Continuare ?",
                                         "Attenzione", Icon::Question, Buttons::YesNo);
    if (answer != Answer::Yes) {
        return false;
    }
    discardColumns(state);
    return true;
}

std::int32_t viewPanelCount(std::int32_t columnCount) {
    return columnCount / kPanelRows + (columnCount % kPanelRows != 0 ? 1 : 0);
}

std::int32_t viewFirstRow(std::int32_t scrollValue) {
    const std::int64_t first = (std::int64_t{scrollValue} - 1) * kPanelRows + 1;
    if (first < 1) {
        return 1;
    }
    // Past the table every row shows empty; stay where adding a panel cannot overflow.
    return static_cast<std::int32_t>(std::min<std::int64_t>(first, kColumnCapacity + 1));
}

std::string viewLine(const ColumnTable& colonne, std::int32_t row) {
    std::string text = "  ";
    // Rows past the table show as empty lines.
    if (row < 1 || row > kColumnCapacity) {
        return text;
    }
    const auto* numbers = colonne.row(row);
    for (int k = 0; k < kColumnSize; ++k) {
        if (numbers[k] != 0) {
            text += formatPicture(numbers[k], "0#  ");
        }
    }
    return text;
}

std::array<std::string, kPanelRows> viewPanel(const ColumnTable& colonne,
                                              std::int32_t scrollValue) {
    const std::int32_t first = viewFirstRow(scrollValue);
    std::array<std::string, kPanelRows> lines;
    for (int r = 0; r < kPanelRows; ++r) {
        lines[static_cast<std::size_t>(r)] = viewLine(colonne, first + r);
    }
    return lines;
}

} // namespace dvx
