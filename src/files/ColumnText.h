#pragma once
// The column text file: one column per line, each number as two digits.

#include "ErrorCodes.h"
#include "Model.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace dvx {

// Rows 1..count as text: for each row a blank, then each non-zero number as
// two digits followed by a blank, the line ended by CR LF.
std::string columnText(const ColumnTable& colonne, std::int32_t count);

// Writes columnText to path through a temporary file renamed over it, so a
// failure leaves any previous file whole. Returns the error, if any.
std::error_code writeColumnText(const std::filesystem::path& path, const ColumnTable& colonne,
                                std::int32_t count);

// A line as the import reads it: tabs and CR LF pairs become blanks, runs of
// blanks shrink to one, leading and trailing blanks go.
std::string normalizeColumnLine(std::string_view line);

using ColumnRow = std::array<std::uint8_t, kColumnSize>;

// The largest column text file a reader takes: 185000 lines of up to 64
// characters (an exported line has 33), room for blanks and extra fields.
inline constexpr std::size_t kColumnTextMaxSize = std::size_t{kColumnCapacity} * 64;

// The columns of a text file, or why it was refused. A refused file yields
// the classic error and the normalised text of the offending line.
struct ColumnTextRead {
    bool ok = false;
    std::error_code fileError; // the file itself could not be read (error holds its classic form)
    std::vector<ColumnRow> columns; // in file order, numbers as written
    ClassicError error;
    std::string line; // the offending line, normalised, as stored on disk
};

// Parses a whole text file. Each non-empty line is one column: its first 10
// fields, each a whole number 1..20, no number twice; fields after the tenth
// are ignored. Lines may end with CR LF, LF or CR. At most 185000 columns.
ColumnTextRead parseColumnText(std::string_view bytes);

} // namespace dvx
