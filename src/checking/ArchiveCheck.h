#pragma once
// The archive check: every column of the system scored against each draw of
// a range of the archive, one result row per draw.

#include "Archivio.h"
#include "Model.h"
#include "PrizeCategories.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

class Progress;

inline constexpr int kGridColumns = 23;
inline constexpr std::string_view kSpoglioEstrazioniCaption = "Spoglio Estrazioni";
inline constexpr std::string_view kElaborazioneText = "Elaborazione in corso\r\nAttendere....";

using GridRow = std::array<std::string, kGridColumns>;

// An entry of the cmbDal and cmbAl lists: Data + " - " + Concorso. List
// position k (from 0) is archive record k+1.
std::string rangeListEntry(const Estrazione& draw);

// The header row of flexGrid.
GridRow archiveCheckHeader();

// One draw's result.
struct ArchiveCheckRow {
    std::int32_t concorso = 0;
    std::string data; // as stored
    std::string ora;  // as stored
    NumberSet numeri = 0;
    std::uint8_t numerone = 0;
    bool numeroneHit = false;
    std::uint8_t max = 0;
    std::uint8_t min = kMaxPoints;
    // Columns per category, in the order of kArchiveCheckLabels.
    std::array<std::int32_t, kCategoryCount> counts{};

    friend bool operator==(const ArchiveCheckRow&, const ArchiveCheckRow&) = default;
};

// The row's 23 cell texts: "Concorso", "Data", "Ora", the numbers as
// "01-04-...-20", the Numerone, max and min (with "+1" when the Numerone
// was hit) and the 16 counts.
GridRow archiveCheckCells(const ArchiveCheckRow& row);

// SpoglioArchivioEstrazioni: records first..last (archive indices, empty
// records included) scored against rows 1..column count of the system at its
// Numerone and price; no rows when first > last. The Numerone is hit when
// the draw's equals the system's, never when the system has none. Each
// draw's work is independent of the number of columns (see ColumnOverlaps).
// Yields after every draw and reports the share of the range done as a
// percentage whenever it changes.
std::vector<ArchiveCheckRow> SpoglioArchivioEstrazioni(const SystemState& system,
                                                       const Archivio& archivio, int first,
                                                       int last, Progress& progress);

} // namespace dvx
