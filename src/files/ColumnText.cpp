#include "ColumnText.h"

#include "FileReplace.h"

#include <algorithm>

namespace dvx {

namespace {

constexpr std::size_t kFullLineLength = 1 + kColumnSize * 3 + 2;

void appendTwoDigits(std::string& out, unsigned value) {
    out.push_back(static_cast<char>('0' + value / 10 % 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

ColumnTextRead refused(int number, std::string line) {
    ColumnTextRead result;
    result.error = classicError(number);
    result.line = std::move(line);
    return result;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits a raw line at its runs of blanks and tabs, as the normalised line
// splits at its single blanks, into at most kColumnSize fields.
int splitFields(std::string_view line, std::array<std::string_view, kColumnSize>& fields) {
    int count = 0;
    std::size_t i = 0;
    while (count < kColumnSize) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        fields[static_cast<std::size_t>(count++)] = line.substr(start, i - start);
    }
    return count;
}

// The classic error a field raises, or 0 with the number stored in value.
int readNumber(std::string_view field, int& value) {
    value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return kErrTypeMismatch;
        }
        value = value * 10 + (c - '0');
        if (value > 255) {
            return kErrOverflow;
        }
    }
    if (value < 1 || value > kNumbers) {
        return kErrSubscript; // no slot of the numbers table for it
    }
    return 0;
}

// The classic error of a non-empty line, or 0 with row filled.
int readRow(std::string_view line, ColumnRow& row) {
    std::array<std::string_view, kColumnSize> fields;
    if (splitFields(line, fields) < kColumnSize) {
        return kErrSubscript;
    }
    NumberSet seen = 0;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        int value = 0;
        if (const int error = readNumber(fields[k], value)) {
            return error;
        }
        const NumberSet mask = NumberSet{1} << (value - 1);
        if ((seen & mask) != 0) {
            return kErrInvalidCall;
        }
        seen |= mask;
        row[k] = static_cast<std::uint8_t>(value);
    }
    return 0;
}

} // namespace

std::string columnText(const ColumnTable& colonne, std::int32_t count) {
    std::string out;
    out.reserve(static_cast<std::size_t>(count > 0 ? count : 0) * kFullLineLength);
    for (std::int32_t r = 1; r <= count; ++r) {
        const std::uint8_t* row = colonne.row(r);
        out.push_back(' ');
        for (int k = 0; k < kColumnSize; ++k) {
            if (row[k] != 0) {
                appendTwoDigits(out, row[k]);
                out.push_back(' ');
            }
        }
        out += "\r\n";
    }
    return out;
}

std::error_code writeColumnText(const std::filesystem::path& path, const ColumnTable& colonne,
                                std::int32_t count) {
    return replaceFile(path, columnText(colonne, count));
}

std::string normalizeColumnLine(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            c = ' ';
        } else if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') {
            c = ' ';
            ++i;
        }
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue; // leading blank, or a run of blanks
        }
        out.push_back(c);
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

ColumnTextRead parseColumnText(std::string_view bytes) {
    ColumnTextRead result;
    result.columns.reserve(
        std::min(bytes.size() / kFullLineLength + 1, static_cast<std::size_t>(kColumnCapacity)));
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        const auto line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size()) {
            pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        }
        if (std::all_of(line.begin(), line.end(), isBlank)) {
            continue;
        }
        if (result.columns.size() >= static_cast<std::size_t>(kColumnCapacity)) {
            return refused(kErrSubscript, normalizeColumnLine(line)); // no row left in the table
        }
        ColumnRow row{};
        if (const int error = readRow(line, row)) {
            return refused(error, normalizeColumnLine(line));
        }
        result.columns.push_back(row);
    }
    result.ok = true;
    return result;
}

} // namespace dvx
