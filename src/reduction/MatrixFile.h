#pragma once
// The text file of one matrix: the signature, then 10 positions per column,
// items separated by commas, blanks or line breaks.

#include "Model.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kMatrixSignature = "matrice_decaventrix1";

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

// Reads columns × 10 positions, each 1..numbers; items after the last column
// are not read. A negative column count is damaged data.
MatrixFileContent parseMatrixText(std::string_view text, std::int32_t columns, int numbers);
MatrixFileContent readMatrixFile(const std::string& path, std::int32_t columns, int numbers);

// The text of a matrix: the signature line, then one line of 10 positions
// per column, lines ended by CR LF.
std::string formatMatrixText(const std::vector<std::uint8_t>& positions);

} // namespace dvx
