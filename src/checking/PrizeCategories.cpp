#include "PrizeCategories.h"

#include "NumberSet.h"

namespace dvx {

namespace {

// Slot of each score (index = points) in the two orders; -1 = never wins.
constexpr std::array<int, kMaxPoints + 1> kSingleSlot = {4, 5, 6, 7, -1, -1, -1, 3, 2, 1, 0};
constexpr std::array<int, kMaxPoints + 1> kArchiveSlot = {7, 6, 5, 4, -1, -1, -1, 3, 2, 1, 0};

int slotOf(const std::array<int, kMaxPoints + 1>& slots, int points) {
    if (points < 0 || points > kMaxPoints) {
        return -1;
    }
    return slots[static_cast<std::size_t>(points)];
}

} // namespace

int pointsOf(const std::uint8_t* column, NumberSet drawn) {
    int points = 0;
    for (int p = 0; p < kColumnSize; ++p) {
        const int n = column[p];
        if (n >= 1 && n <= kNumbers && contains(drawn, n)) {
            ++points;
        }
    }
    return points;
}

std::optional<NumberSet> scoringSet(const std::uint8_t* column) {
    NumberSet set = 0;
    for (int p = 0; p < kColumnSize; ++p) {
        const int n = column[p];
        if (n < 1 || n > kNumbers) {
            continue;
        }
        if (contains(set, n)) {
            return std::nullopt;
        }
        set |= maskOf(n);
    }
    return set;
}

bool pointsWin(int points, float pricePerColumn) {
    if (points >= 7 && points <= kMaxPoints) {
        return true;
    }
    return points >= 0 && points <= 3 && pricePerColumn == 2.0f;
}

int singleCheckIndex(int points, bool numeroneHit) {
    const int slot = slotOf(kSingleSlot, points);
    return slot < 0 ? -1 : 2 * slot + (numeroneHit ? 1 : 0);
}

int singleCheckPoints(int index) {
    // Points of each slot 0..7 of the single check.
    static constexpr std::array<int, kCategoryCount / 2> kPointsOfSlot = {10, 9, 8, 7, 0, 1, 2, 3};
    return kPointsOfSlot[static_cast<std::size_t>(index / 2)];
}

int archiveCheckIndex(int points, bool numeroneHit) {
    const int slot = slotOf(kArchiveSlot, points);
    return slot < 0 ? -1 : 2 * slot + (numeroneHit ? 0 : 1);
}

} // namespace dvx
