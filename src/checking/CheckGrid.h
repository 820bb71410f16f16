#pragma once
// The texts of the archive check's grid, built once after a check so that
// the view, its filters and its fitted widths read the same cells.

#include "ArchiveCheck.h"

#include <vector>

namespace dvx {

// The 23 cell texts of every row, in order.
std::vector<GridRow> gridTexts(const std::vector<ArchiveCheckRow>& rows);

// For each column, the longest of its texts, header included (the first
// of equal length): the grid fits each column to its widest cell.
GridRow widestCells(const std::vector<GridRow>& rows);

} // namespace dvx
