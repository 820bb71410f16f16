#include "SlipGrid.h"

#include <array>

namespace dvx {

namespace {

template <int Columns, int Rows> struct Grid {
    std::array<std::array<bool, Rows + 1>, Columns + 1> marked{};

    void mark(int column, int row) {
        if (column >= 1 && column <= Columns && row >= 1 && row <= Rows) {
            marked[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = true;
        }
    }
    std::vector<GridBox> boxes() const {
        std::vector<GridBox> out;
        for (int c = 1; c <= Columns; ++c) {
            for (int r = 1; r <= Rows; ++r) {
                if (marked[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]) {
                    out.push_back({c, r});
                }
            }
        }
        return out;
    }
};

// Number n sits in row 1, 3, 5 or 7 by its group of five, and in column
// 13, 10, 7, 4 or 1 by its place within the group.
GridBox slipNumberBox(int n) {
    const int group = (n - 1) / 5;
    const int place = (n - 1) % 5;
    return {13 - 3 * place, 1 + 2 * group};
}

// Where the coupon marks each number in play, as (row, column).
constexpr std::array<std::array<int, 2>, kNumbers> kCouponNumberBoxes = {{
    {3, 20}, {4, 19}, {3, 17}, {1, 15}, {1, 13}, {3, 14}, {4, 14}, {5, 18}, {6, 14}, {7, 12},
    {6, 11}, {8, 10}, {9, 11}, {8, 8},  {10, 8}, {9, 5},  {10, 6}, {12, 4}, {16, 7}, {12, 16},
}};

} // namespace

std::vector<GridBox> slipBoxes(const std::uint8_t* column, std::uint8_t numerone,
                               float pricePerColumn) {
    Grid<kSlipColumns, kSlipRows> grid;
    for (int i = 0; i < kColumnSize; ++i) {
        const int n = column[i];
        if (n >= 1 && n <= kNumbers) {
            const auto box = slipNumberBox(n);
            grid.mark(box.column, box.row);
        }
    }
    if (numerone >= 1 && numerone <= 10) {
        grid.mark(12 - numerone, 10);
    } else if (numerone >= 11 && numerone <= kNumbers) {
        grid.mark(22 - numerone, 11);
    }
    grid.mark(pricePerColumn == 1.0f ? 13 : 4, 14);
    return grid.boxes();
}

std::vector<GridBox> couponBoxes(const Sistema& sistema, std::uint8_t numerone) {
    Grid<kCouponColumns, kCouponRows> grid;
    if (numerone >= 1 && numerone <= kNumbers) {
        const int row = (numerone + 4) / 5;
        grid.mark(5 * row - numerone + 1, row);
    }
    for (int i = 0; i < sistema.countInPlay && i < kNumbers; ++i) {
        const int n = sistema.numbers[static_cast<std::size_t>(i)];
        if (n >= 1 && n <= kNumbers) {
            const auto& [row, column] = kCouponNumberBoxes[static_cast<std::size_t>(n - 1)];
            grid.mark(column, row);
        }
    }
    return grid.boxes();
}

std::vector<GridBox> allSlipBoxes() {
    std::vector<GridBox> out;
    for (int c = 1; c <= kSlipColumns; ++c) {
        for (int r = 1; r <= kSlipRows; ++r) {
            out.push_back({c, r});
        }
    }
    return out;
}

BoxCorner boxCorner(const GridBox& box, const Calibration& calibration) {
    return {static_cast<double>(calibration.left) +
                (box.row - 1) * static_cast<double>(calibration.xDist),
            static_cast<double>(calibration.top) +
                (box.column - 1) * static_cast<double>(calibration.yDist)};
}

} // namespace dvx
