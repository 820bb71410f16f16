#include "ColumnOverlaps.h"

#include "NumberSet.h"

#include <bit>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (1u << kNumbers) - 1;

// The set of a row's numbers in 1..20 (others are never drawn); false
// when one of them is repeated.
bool rowSet(const std::uint8_t* row, std::uint32_t& set) {
    set = 0;
    for (int p = 0; p < kColumnSize; ++p) {
        const int n = row[p];
        if (n < 1 || n > kNumbers) {
            continue;
        }
        const std::uint32_t bit = 1u << (n - 1);
        if ((set & bit) != 0) {
            return false;
        }
        set |= bit;
    }
    return true;
}

} // namespace

ColumnOverlaps::ColumnOverlaps(const ColumnTable& colonne, std::int32_t count)
    : atMost_(std::size_t{1} << kNumbers, 0) {
    for (std::int32_t i = 1; i <= count; ++i) {
        std::uint32_t set = 0;
        if (rowSet(colonne.row(i), set)) {
            ++atMost_[set];
        } else {
            literalRows_.push_back(colonne.row(i));
        }
    }
    // Sum over subsets, one number at a time.
    for (int b = 0; b < kNumbers; ++b) {
        const std::uint32_t bit = 1u << b;
        for (std::uint32_t t = 0; t <= kAllNumbers; ++t) {
            if ((t & bit) != 0) {
                atMost_[t] += atMost_[t ^ bit];
            }
        }
    }
}

PointsHistogram ColumnOverlaps::histogram(NumberSet drawn) const {
    const std::uint32_t draw = static_cast<std::uint32_t>(drawn) & kAllNumbers;
    const int k = std::popcount(draw);
    std::array<std::uint32_t, kNumbers> bitOf{};
    int j = 0;
    for (std::uint32_t rest = draw; rest != 0; rest &= rest - 1) {
        bitOf[static_cast<std::size_t>(j++)] = rest & (~rest + 1);
    }
    const std::size_t subsets = std::size_t{1} << k;
    work_.resize(subsets);

    // Visit the subsets S of the draw in Gray-code order, so that S | ~D
    // changes by one number per step.
    std::uint32_t t = kAllNumbers & ~draw;
    work_[0] = atMost_[t];
    for (std::size_t g = 1; g < subsets; ++g) {
        const int changed = std::countr_zero(g);
        t ^= bitOf[static_cast<std::size_t>(changed)];
        work_[g ^ (g >> 1)] = atMost_[t];
    }
    // Moebius inversion: columns meeting the draw in exactly S.
    for (int b = 0; b < k; ++b) {
        const std::size_t bit = std::size_t{1} << b;
        for (std::size_t s = 0; s < subsets; ++s) {
            if ((s & bit) != 0) {
                work_[s] -= work_[s ^ bit];
            }
        }
    }
    PointsHistogram byPoints{};
    for (std::size_t s = 0; s < subsets; ++s) {
        const int points = std::popcount(s);
        if (points <= kMaxPoints) {
            byPoints[static_cast<std::size_t>(points)] += work_[s];
        }
    }
    for (const std::uint8_t* row : literalRows_) {
        ++byPoints[static_cast<std::size_t>(pointsOf(row, drawn))];
    }
    return byPoints;
}

} // namespace dvx
