#pragma once
// The text file of one matrix: the signature, then 10 positions per column,
// items separated by commas, blanks or line breaks.

#include "Model.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kMatrixSignature = "matrice_decaventrix1";
// The signature and a full column table, each position written with up to
// three digits and up to four separators: far more than any matrix needs.
inline constexpr std::size_t kMatrixFileMaxSize =
    64 + std::size_t{kColumnCapacity} * kColumnSize * 7;

enum class MatrixFileStatus {
    Ok,
    Missing,        // cannot be opened or read
    BadSignature,   // the first item is not the signature
    TooManyColumns, // more columns than the column table holds
    Damaged,        // fewer items than promised, or an item that is not a position
};

struct MatrixFileContent {
    MatrixFileStatus status = MatrixFileStatus::Ok;
    // columns × 10 positions, column after column; empty unless Ok.
    std::vector<std::uint8_t> positions;
};

// Reads columns × 10 positions, each 1..numbers and no position twice in a
// column; items after the last column are not read. A negative column count
// is damaged data. A file larger than kMatrixFileMaxSize is damaged too.
MatrixFileContent parseMatrixText(std::string_view text, std::int32_t columns, int numbers);
MatrixFileContent readMatrixFile(const std::string& path, std::int32_t columns, int numbers);

// The text of a matrix: the signature line, then one line of 10 positions
// per column, lines ended by CR LF.
std::string formatMatrixText(const std::vector<std::uint8_t>& positions);

} // namespace dvx
