#pragma once
// The index of ready-made matrices ("matrici/matrici.qvr"): fixed 169-byte
// records, and the list lines and captions of the two windows that show it.

#include "Format.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::size_t kMatrixRecordSize = 169;
inline constexpr std::size_t kMatrixTypeSize = 3;
inline constexpr std::size_t kMatrixDescriptionSize = 30;
inline constexpr std::size_t kMatrixFileNameSize = 130;
// Ten thousand matrices: far beyond any collection, and read in a blink.
inline constexpr std::size_t kMatricesIndexMaxSize = 10000 * kMatrixRecordSize;

// One index record. Texts are UTF-8 here and Windows-1252 on disk; type and
// description keep their padding blanks, the file name loses its trailing ones.
struct MatrixRecord {
    std::string type;         // "N-1".."N-3" (any case); anything else = not reduced
    std::uint8_t numbers = 0; // N the matrix is built for; 0 = record skipped
    std::string description;
    std::uint8_t fixed = 0; // F: positions 1..F hold the fixed numbers
    std::int32_t columns = 0;
    std::string file; // inside the matrices folder
};

using MatrixRecordBytes = std::array<std::uint8_t, kMatrixRecordSize>;

// Texts are padded with blanks to their field width; longer texts are cut.
MatrixRecordBytes encodeMatrixRecord(const MatrixRecord& record);
MatrixRecord decodeMatrixRecord(const MatrixRecordBytes& bytes);

// Every whole record of the file in file order; a trailing partial record is
// ignored. nullopt when the file cannot be opened or read, or is larger than
// kMatricesIndexMaxSize.
std::optional<std::vector<MatrixRecord>> readMatricesIndex(const std::string& path);
std::vector<MatrixRecord> parseMatricesIndex(std::string_view bytes);

// program folder + "matrici/matrici.qvr", and the path of a record's matrix file.
std::string matricesIndexPath(std::string_view programFolder);
std::string matrixFilePath(std::string_view programFolder, const MatrixRecord& record);

// The records built for count numbers in play, in file order.
std::vector<MatrixRecord> matchingRecords(const std::vector<MatrixRecord>& records, int count);
// The records the catalogue lists: every one whose N is not 0.
std::vector<MatrixRecord> listedRecords(const std::vector<MatrixRecord>& records);

// Reduction level of a record's type: 1..3 for "n-1".."n-3" (any case), else 0.
int matrixReductionLevel(const MatrixRecord& record);

// The system type text an adaptation sets: the description trimmed and lower-cased.
std::string matrixTypeText(const MatrixRecord& record);

// The list line of the adaptation window: type, F, description, columns and
// the price of the columns at pricePerColumn.
std::string adattaListLine(const MatrixRecord& record, float pricePerColumn,
                           const Separators& sep = {});
// The catalogue's line: N as two digits, then the adaptation window's line.
std::string matDispListLine(const MatrixRecord& record, float pricePerColumn,
                            const Separators& sep = {});

inline constexpr std::string_view kAdattaHeading =
    " T.   F.        Descrizione             Colonne     Prezzo";
inline constexpr std::string_view kMatDispHeading =
    " N.  T.  F.         Descrizione             Colonne     Prezzo";

std::string adattaCaption(int countInPlay);   // "Sistemi Immediati disponibili con 12 numeri"
std::string matDispCaption(int listedCount);  // "Sistemi Immediati disponibili (3)"
std::string noMatrixMessage(int countInPlay); // "Nessuna matrice con  12 numeri presente..."
inline constexpr std::string_view kNoMatrixTitle = " ATTENZIONE";

} // namespace dvx
