#include "MatricesIndex.h"
#include "ProgramPaths.h"

#include "Cp1252.h"
#include "LittleEndian.h"

#include "FileReplace.h"

namespace dvx {

namespace {

constexpr std::size_t kTypeOffset = 0;
constexpr std::size_t kNumbersOffset = 3;
constexpr std::size_t kDescriptionOffset = 4;
constexpr std::size_t kFixedOffset = 34;
constexpr std::size_t kColumnsOffset = 35;
constexpr std::size_t kFileOffset = 39;

void putText(MatrixRecordBytes& bytes, std::size_t offset, std::size_t size,
             std::string_view utf8) {
    const auto text = utf8ToCp1252(utf8);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
    }
}

std::string getText(const MatrixRecordBytes& bytes, std::size_t offset, std::size_t size) {
    std::string raw(size, ' ');
    for (std::size_t i = 0; i < size; ++i) {
        raw[i] = static_cast<char>(bytes[offset + i]);
    }
    return cp1252ToUtf8(raw);
}

std::string withoutTrailingBlanks(std::string text) {
    const auto end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

// Pads a UTF-8 text with blanks to width characters.
std::string padRight(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    if (characters < width) {
        text.append(width - characters, ' ');
    }
    return text;
}

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

} // namespace

MatrixRecordBytes encodeMatrixRecord(const MatrixRecord& record) {
    MatrixRecordBytes bytes{};
    putText(bytes, kTypeOffset, kMatrixTypeSize, record.type);
    bytes[kNumbersOffset] = record.numbers;
    putText(bytes, kDescriptionOffset, kMatrixDescriptionSize, record.description);
    bytes[kFixedOffset] = record.fixed;
    writeLeAt(bytes, kColumnsOffset, static_cast<std::uint32_t>(record.columns), 4);
    putText(bytes, kFileOffset, kMatrixFileNameSize, record.file);
    return bytes;
}

MatrixRecord decodeMatrixRecord(const MatrixRecordBytes& bytes) {
    MatrixRecord record;
    record.type = getText(bytes, kTypeOffset, kMatrixTypeSize);
    record.numbers = bytes[kNumbersOffset];
    record.description = getText(bytes, kDescriptionOffset, kMatrixDescriptionSize);
    record.fixed = bytes[kFixedOffset];
    record.columns = static_cast<std::int32_t>(readLeAt(bytes, kColumnsOffset, 4));
    record.file = withoutTrailingBlanks(getText(bytes, kFileOffset, kMatrixFileNameSize));
    return record;
}

std::vector<MatrixRecord> parseMatricesIndex(std::string_view bytes) {
    std::vector<MatrixRecord> records;
    for (std::size_t at = 0; at + kMatrixRecordSize <= bytes.size(); at += kMatrixRecordSize) {
        MatrixRecordBytes one{};
        for (std::size_t i = 0; i < kMatrixRecordSize; ++i) {
            one[i] = static_cast<std::uint8_t>(bytes[at + i]);
        }
        records.push_back(decodeMatrixRecord(one));
    }
    return records;
}

std::optional<std::vector<MatrixRecord>> readMatricesIndex(const std::string& path) {
    std::string bytes;
    if (readWholeFile(path, bytes, kMatricesIndexMaxSize)) {
        return std::nullopt;
    }
    return parseMatricesIndex(bytes);
}

std::string matricesIndexPath(std::string_view programFolder) {
    return ProgramPaths(programFolder).matricesIndex();
}

std::string matrixFilePath(std::string_view programFolder, const MatrixRecord& record) {
    return ProgramPaths(programFolder).matrixFile(record.file);
}

std::vector<MatrixRecord> matchingRecords(const std::vector<MatrixRecord>& records, int count) {
    std::vector<MatrixRecord> out;
    for (const auto& r : records) {
        if (r.numbers != 0 && r.numbers == count) {
            out.push_back(r);
        }
    }
    return out;
}

std::vector<MatrixRecord> listedRecords(const std::vector<MatrixRecord>& records) {
    std::vector<MatrixRecord> out;
    for (const auto& r : records) {
        if (r.numbers != 0) {
            out.push_back(r);
        }
    }
    return out;
}

int matrixReductionLevel(const MatrixRecord& record) {
    const auto type = toLower(record.type);
    for (int level = 1; level <= 3; ++level) {
        if (type == "n-" + std::to_string(level)) {
            return level;
        }
    }
    return 0;
}

std::string matrixTypeText(const MatrixRecord& record) {
    return toLower(trim(record.description));
}

std::string adattaListLine(const MatrixRecord& record, float pricePerColumn,
                           const Separators& sep) {
    std::string line = record.type + "  ";
    line += std::to_string(record.fixed) + "  ";
    line += padRight(record.description, kMatrixDescriptionSize);
    line += padLeft(formatPicture(record.columns, "  #####", sep), 7);
    const double price = static_cast<double>(record.columns) * static_cast<double>(pricePerColumn);
    line += padLeft(formatPicture(price, "  ###,###,###.00", sep), 13);
    return line;
}

std::string matDispListLine(const MatrixRecord& record, float pricePerColumn,
                            const Separators& sep) {
    return formatPicture(record.numbers, "0#  ", sep) + adattaListLine(record, pricePerColumn, sep);
}

std::string adattaCaption(int countInPlay) {
    return "Sistemi Immediati disponibili con" + signedText(countInPlay) + " numeri";
}

std::string matDispCaption(int listedCount) {
    return "Sistemi Immediati disponibili (" + std::to_string(listedCount) + ")";
}

std::string noMatrixMessage(int countInPlay) {
    return "Nessuna matrice con " + signedText(countInPlay) + " numeri presente in archivio";
}

} // namespace dvx
