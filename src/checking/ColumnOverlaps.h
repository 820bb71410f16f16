#pragma once
// How many columns of a system meet a draw in exactly 0, 1, ..., 10 numbers,
// at a cost per draw that does not grow with the number of columns.

#include "Model.h"
#include "PrizeCategories.h"

#include <array>
#include <cstdint>
#include <vector>

namespace dvx {

using PointsHistogram = std::array<std::int32_t, kMaxPoints + 1>; // columns per score

class ColumnOverlaps final {
public:
    // Reads rows 1..count of colonne once.
    ColumnOverlaps(const ColumnTable& colonne, std::int32_t count);

    // For each score p, how many of the columns score p against drawn
    // (only numbers 1..20 of drawn count).
    PointsHistogram histogram(NumberSet drawn) const;

private:
    // atMost_[T] = how many columns lie wholly inside T. A column's score
    // against D is |C & D|, and the columns with C & D inside S are those
    // inside S | ~D, so inverting over the subsets S of D gives the columns
    // meeting D in exactly S.
    std::vector<std::int32_t> atMost_;
    // Rows with a repeated number score that number twice; they are scored
    // one by one.
    std::vector<const std::uint8_t*> literalRows_;
    mutable std::vector<std::int32_t> work_; // one draw's subsets, reused
};

} // namespace dvx
