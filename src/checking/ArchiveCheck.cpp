#include "ArchiveCheck.h"

#include "ColumnOverlaps.h"
#include "Progress.h"

#include <algorithm>

namespace dvx {

namespace {

constexpr std::array<std::string_view, 7> kDrawHeader = {"Concorso ", "Data ", "Ora ", "Colonna ",
                                                         "Numerone ", "Max",   "Min"};

std::string withHit(int points, bool hit) {
    return std::to_string(points) + (hit ? "+1" : "");
}

// Every column takes part in max and min; the winning scores are counted
// under the draw's Numerone hit.
ArchiveCheckRow rowOf(const Estrazione& draw, bool hit, const PointsHistogram& byPoints,
                      float pricePerColumn) {
    ArchiveCheckRow row;
    row.concorso = draw.concorso;
    row.data = draw.data;
    row.ora = draw.ora;
    row.numeri = draw.numeri;
    row.numerone = draw.numerone;
    row.numeroneHit = hit;
    for (int points = 0; points <= kMaxPoints; ++points) {
        const std::int32_t columns = byPoints[static_cast<std::size_t>(points)];
        if (columns == 0) {
            continue;
        }
        row.max = static_cast<std::uint8_t>(std::max<int>(row.max, points));
        row.min = static_cast<std::uint8_t>(std::min<int>(row.min, points));
        if (pointsWin(points, pricePerColumn)) {
            row.counts[static_cast<std::size_t>(archiveCheckIndex(points, hit))] += columns;
        }
    }
    return row;
}

} // namespace

std::string rangeListEntry(const Estrazione& draw) {
    return draw.data + " - " + std::to_string(draw.concorso);
}

GridRow archiveCheckHeader() {
    GridRow header;
    std::copy(kDrawHeader.begin(), kDrawHeader.end(), header.begin());
    std::copy(kArchiveCheckLabels.begin(), kArchiveCheckLabels.end(),
              header.begin() + kDrawHeader.size());
    return header;
}

GridRow archiveCheckCells(const ArchiveCheckRow& row) {
    GridRow cells;
    cells[0] = std::to_string(row.concorso);
    cells[1] = row.data;
    cells[2] = row.ora;
    cells[3] = NumeriToText(row.numeri, 1);
    std::replace(cells[3].begin(), cells[3].end(), ' ', '-');
    cells[4] = std::to_string(row.numerone);
    cells[5] = withHit(row.max, row.numeroneHit);
    cells[6] = withHit(row.min, row.numeroneHit);
    for (std::size_t c = 0; c < row.counts.size(); ++c) {
        cells[kDrawHeader.size() + c] = std::to_string(row.counts[c]);
    }
    return cells;
}

std::vector<ArchiveCheckRow> SpoglioArchivioEstrazioni(const SystemState& system,
                                                       const Archivio& archivio, int first,
                                                       int last, Progress& progress) {
    std::vector<ArchiveCheckRow> rows;
    if (first > last) {
        return rows;
    }
    const ColumnOverlaps overlaps(system.colonne, system.sistema.columnCount);
    progress.yield();
    const std::int64_t draws = std::int64_t{last} - first + 1;
    rows.reserve(static_cast<std::size_t>(draws));
    int percent = -1;
    for (int k = first; k <= last; ++k) {
        const Estrazione& draw = archivio[k];
        const bool hit = system.numerone != 0 && draw.numerone == system.numerone;
        rows.push_back(rowOf(draw, hit, overlaps.histogram(draw.numeri), system.pricePerColumn));
        // Reported when it changes: at most 101 updates whatever the range.
        const int done = static_cast<int>(static_cast<std::int64_t>(rows.size()) * 100 / draws);
        if (done != percent) {
            percent = done;
            progress.setPercent(percent);
        }
        progress.yield();
    }
    return rows;
}

} // namespace dvx
