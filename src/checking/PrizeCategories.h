#pragma once
// The scoring rule and the prize categories shared by the single check and
// the archive check.

#include "Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dvx {

inline constexpr int kCategoryCount = 16;
inline constexpr int kMaxPoints = kColumnSize;

// How many numbers of the column are among the drawn ones. Zeros (empty
// positions) and numbers above 20 are never drawn.
int pointsOf(const std::uint8_t* column, NumberSet drawn);

// The set of the column's numbers that can be drawn (1..20), against which
// its score is the size of the overlap; none when a number is repeated, as
// such a row scores that number twice and the loaders refuse it.
std::optional<NumberSet> scoringSet(const std::uint8_t* column);

// 10, 9, 8 and 7 points always win; 3, 2, 1 and 0 only at the price of 2 per
// column; 4, 5 and 6 never.
bool pointsWin(int points, float pricePerColumn);

// The list of the single check for a winning score: 2 x slot + hit, the slot
// of 10, 9, 8, 7, 0, 1, 2, 3 points being 0..7. -1 for 4, 5 and 6 points.
int singleCheckIndex(int points, bool numeroneHit);

// The score of a single-check index 0..15, and whether it is the category
// of a Numerone hit (odd indices).
int singleCheckPoints(int index);
constexpr bool singleCheckHit(int index) {
    return index % 2 == 1;
}

// The position among the archive check's counts: (10, hit), (10, no hit),
// (9, hit), ... (7, no hit), (3, hit), (3, no hit), ... (0, no hit). -1 for 4,
// 5 and 6 points.
int archiveCheckIndex(int points, bool numeroneHit);

// By single-check index. "Punt 2+1" and "Punt 3" are spelt as the program
// has always shown them.
inline constexpr std::array<std::string_view, kCategoryCount> kSingleCheckLabels = {
    "Punti 10", "Punti 10+1", "Punti 9", "Punti 9+1", "Punti 8", "Punti 8+1",
    "Punti 7",  "Punti 7+1",  "Punti 0", "Punti 0+1", "Punti 1", "Punti 1+1",
    "Punti 2",  "Punt 2+1",   "Punt 3",  "Punti 3+1",
};

// By archive-check position.
inline constexpr std::array<std::string_view, kCategoryCount> kArchiveCheckLabels = {
    "Pt.10+1", "Pt.10", "Pt.09+1", "Pt.09", "Pt.08+1", "Pt.08", "Pt.07+1", "Pt.07",
    "Pt.03+1", "Pt.03", "Pt.02+1", "Pt.02", "Pt.01+1", "Pt.01", "Pt.00+1", "Pt.00",
};

} // namespace dvx
