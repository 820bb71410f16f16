#pragma once
// The boxes a slip and the forecast coupon mark, and where a box lies on the
// page for a calibration.

#include "Calibration.h"
#include "Model.h"

#include <cstdint>
#include <vector>

namespace dvx {

// Slip grid: 13 columns by 14 rows; coupon grid: 20 columns by 16 rows.
inline constexpr int kSlipColumns = 13;
inline constexpr int kSlipRows = 14;
inline constexpr int kCouponColumns = 20;
inline constexpr int kCouponRows = 16;
inline constexpr double kMarkSide = 2.0; // millimetres

struct GridBox {
    int column = 0; // 1-based
    int row = 0;    // 1-based
    friend bool operator==(const GridBox&, const GridBox&) = default;
};

// The marked boxes of one slip, in print order (column by column, row by
// row within a column): the ten numbers, the Numerone (none for 0) and the
// price box (column 13 for exactly 1 per column, otherwise 4).
std::vector<GridBox> slipBoxes(const std::uint8_t* column, std::uint8_t numerone,
                               float pricePerColumn);

// The marked boxes of the coupon, in print order: the numbers in play and
// the Numerone.
std::vector<GridBox> couponBoxes(const Sistema& sistema, std::uint8_t numerone);

// Every box of the slip grid, as the test slip marks them.
std::vector<GridBox> allSlipBoxes();

// Top-left corner of a box: X = Left + (row - 1) x Xdist,
// Y = Top + (column - 1) x Ydist, in millimetres.
struct BoxCorner {
    double x = 0.0;
    double y = 0.0;
};
BoxCorner boxCorner(const GridBox& box, const Calibration& calibration);

} // namespace dvx
