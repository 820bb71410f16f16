#pragma once
// The winning column of the single check: it outlives the dialog and can be
// filled from a draw of the archive.

#include "Estrazione.h"

#include <array>
#include <cstdint>

namespace dvx {

inline constexpr int kWinningPositions = 11; // 1..10 the numbers, 11 the Numerone
inline constexpr int kNumeronePosition = 11;

// Positions 1..11, 0 = empty.
struct WinningColumn {
    std::array<std::uint8_t, kWinningPositions> cells{};

    std::uint8_t& at(int position) { return cells[static_cast<std::size_t>(position - 1)]; }
    std::uint8_t at(int position) const { return cells[static_cast<std::size_t>(position - 1)]; }

    friend bool operator==(const WinningColumn&, const WinningColumn&) = default;
};

// The winning numbers (positions 1..10) as a number set.
NumberSet winningSet(const WinningColumn& winning);

// Takes a draw as the winning column: its numbers ascending at 1..10, its
// Numerone at 11. Positions the draw does not fill are emptied, so a
// previous column never shows through.
void setWinningColumn(WinningColumn& winning, const Estrazione& draw);

} // namespace dvx
