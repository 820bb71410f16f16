#pragma once
// The binary system file (".dvx"): the Sistema record, the Condizioni
// record, the columns and an optional tagged section for the filter columns
// and the consecutive condition. Little-endian, no padding.

#include "ColumnText.h"
#include "Model.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kSystemTagWritten = "dvx00000003";
inline constexpr std::int32_t kSectionMarker = 12345;
inline constexpr std::int32_t kIdFilter = 1;
inline constexpr std::int32_t kIdConsecutive = 2;
inline constexpr std::int32_t kIdEnd = 100;
inline constexpr std::int32_t kIdEndAfter = 200;

// The largest file a reader takes: the record with the longest type text a
// 16-bit length allows, the condition block, a full column table and a
// tagged section with every filter column, the consecutive entry and both
// end marks. Anything larger is no system file, and is refused unread.
inline constexpr std::size_t kSystemFileMaxSize =
    11 + 1 + 4 + 2 + 65535 + 20 + 45 + std::size_t{kColumnCapacity} * kColumnSize + 4 +
    std::size_t{kMaxFilters} * (4 + 10) + (4 + 6) + 4 + 4;

// Everything a system file holds, read into a value of its own so the
// current system is replaced only by a whole, valid file.
struct SystemFileContent {
    Sistema sistema; // typeText in UTF-8
    Condizioni condizioni;
    Consecutivi consecutivi;
    FilterTable filtri;
    std::vector<ColumnRow> columns;
};

// Why a file was refused.
enum class SystemFileFault {
    None,
    UnknownTag,      // not one of the four accepted tags, or shorter than one
    Truncated,       // ends inside the record, the condition block or a tagged entry
    TooManyNumbers,  // more than 20 numbers in play
    BadNumberInPlay, // a number in play outside 1..20 or given twice
    BadConditions,   // fixed-number count above 9, a fixed number above 20, level above 3
    TooManyColumns,  // column count negative or above 185000
    ColumnsPastEnd,  // fewer column bytes than the column count promises
    BadColumnNumber, // a number outside 1..20 or repeated within a column
    TooManyFilters,  // more than 100 filter-column entries
};

struct SystemFileRead {
    SystemFileFault fault = SystemFileFault::None;
    SystemFileContent content;
    // Identifiers of the tagged section that no version knows, in file order.
    std::vector<std::int32_t> unknownIds;

    bool ok() const { return fault == SystemFileFault::None; }
};

// The file image of the system: tag "dvx00000003", the record (with the
// numbers-in-play list as it stands: callers rebuild it from the grid
// first), the 45-byte condition block, rows 1..column count, and the tagged
// section when a filter column or the consecutive condition is set.
std::string systemFileBytes(const SystemState& state);

// Reads any of the accepted versions: "decaventrix" (no condition block),
// "dvx00000001" (no reduction fields), "dvx00000002" and "dvx00000003".
SystemFileRead parseSystemFile(std::string_view bytes);

// Replaces the whole system by a file's content, as a load does: a reset,
// then the record, conditions, filter columns and columns; the grid shows
// the numbers in play; no Numerone; developed when there are columns. The
// file name and the price per column are left to the caller.
void applySystemFile(const SystemFileContent& content, SystemState& state);

} // namespace dvx
