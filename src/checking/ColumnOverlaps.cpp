#include "ColumnOverlaps.h"

#include "NumberSet.h"

#include <bit>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (1u << kNumbers) - 1;

} // namespace

ColumnOverlaps::ColumnOverlaps(const ColumnTable& colonne, std::int32_t count)
    : atMost_(std::size_t{1} << kNumbers, 0) {
    for (std::int32_t i = 1; i <= count; ++i) {
        if (const auto set = scoringSet(colonne.row(i))) {
            ++atMost_[static_cast<std::uint32_t>(*set)];
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
    const std::size_t subsets = std::size_t{1} << k;
    work_.resize(subsets);

    // The subsets S of the draw in increasing order, so that the addresses
    // S | ~D increase too and the table is read front to back.
    const std::uint32_t outside = kAllNumbers & ~draw;
    std::uint32_t s = 0;
    for (std::size_t g = 0; g < subsets; ++g) {
        work_[g] = atMost_[s | outside];
        s = (s - draw) & draw;
    }
    // Moebius inversion: columns meeting the draw in exactly S.
    for (std::size_t bit = 1; bit < subsets; bit <<= 1) {
        for (std::size_t base = 0; base < subsets; base += 2 * bit) {
            for (std::size_t g = base; g < base + bit; ++g) {
                work_[g + bit] -= work_[g];
            }
        }
    }
    PointsHistogram byPoints{};
    for (std::size_t g = 0; g < subsets; ++g) {
        const int points = std::popcount(g);
        if (points <= kMaxPoints) {
            byPoints[static_cast<std::size_t>(points)] += work_[g];
        }
    }
    for (const std::uint8_t* row : literalRows_) {
        ++byPoints[static_cast<std::size_t>(pointsOf(row, drawn))];
    }
    return byPoints;
}

} // namespace dvx
