#include "CheckGrid.h"

namespace dvx {

std::vector<GridRow> gridTexts(const std::vector<ArchiveCheckRow>& rows) {
    std::vector<GridRow> texts;
    texts.reserve(rows.size());
    for (const auto& row : rows) {
        texts.push_back(archiveCheckCells(row));
    }
    return texts;
}

GridRow widestCells(const std::vector<GridRow>& rows) {
    GridRow widest = archiveCheckHeader();
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (row[c].size() > widest[c].size()) {
                widest[c] = row[c];
            }
        }
    }
    return widest;
}

} // namespace dvx
