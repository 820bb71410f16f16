#include "DownloadReader.h"

#include "ArchiveFiller.h"
#include "Cp1252.h"
#include "NumberSet.h"

#include <array>
#include <charconv>
#include <limits>

namespace dvx {

namespace {

constexpr int kFieldCount = 14;
constexpr int kNumeroneField = 12;
constexpr int kConcorsoField = 13;

using Fields = std::array<std::string_view, kFieldCount>;

// Splits a line at "|" into fields; false unless there are exactly 14.
bool splitFields(std::string_view line, Fields& fields) {
    std::size_t count = 0;
    std::size_t start = 0;
    for (;;) {
        const auto bar = line.find('|', start);
        if (count == fields.size()) {
            return false;
        }
        fields[count++] = line.substr(start, bar == std::string_view::npos ? bar : bar - start);
        if (bar == std::string_view::npos) {
            return count == fields.size();
        }
        start = bar + 1;
    }
}

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A decimal integer within lo..hi, surrounding blanks allowed.
std::optional<ClassicError> parseNumber(std::string_view field, std::int64_t lo, std::int64_t hi,
                                        std::int64_t& value) {
    auto text = trimBlanks(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return classicError(kErrTypeMismatch);
    }
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (end != text.data() + text.size() && ec != std::errc::result_out_of_range) {
        return classicError(kErrTypeMismatch);
    }
    if (ec == std::errc::result_out_of_range ||
        magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return classicError(kErrOverflow);
    }
    value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < lo || value > hi) {
        return classicError(kErrOverflow);
    }
    return std::nullopt;
}

std::string fixedAnsiText(std::string_view field, std::size_t width) {
    std::string bytes(field.substr(0, width));
    bytes.resize(width, ' ');
    return cp1252ToUtf8(bytes);
}

bool inGame(std::int64_t n) {
    return n >= 1 && n <= kNumbers;
}

std::optional<ClassicError> readDraw(const Fields& fields, Estrazione& draw) {
    std::int64_t value = 0;
    NumberSet numeri = 0;
    bool valid = true;
    for (int f = 2; f < 2 + kColumnSize; ++f) {
        if (auto error = parseNumber(fields[f], 0, 255, value)) {
            return error;
        }
        valid = valid && inGame(value) && (numeri & maskOf(static_cast<int>(value))) == 0;
        if (valid) {
            numeri |= maskOf(static_cast<int>(value));
        }
    }
    std::int64_t numerone = 0;
    if (auto error = parseNumber(fields[kNumeroneField], 0, 255, numerone)) {
        return error;
    }
    std::int64_t concorso = 0;
    if (auto error = parseNumber(fields[kConcorsoField], std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max(), concorso)) {
        return error;
    }
    if (!valid || !inGame(numerone)) {
        return classicError(kErrInvalidCall);
    }
    draw.data = fixedAnsiText(fields[0], kDataLength);
    draw.ora = fixedAnsiText(fields[1], kOraLength);
    draw.numeri = numeri;
    draw.numerone = static_cast<std::uint8_t>(numerone);
    draw.concorso = static_cast<std::int32_t>(concorso);
    return std::nullopt;
}

} // namespace

bool replyComplete(std::string_view text) {
    return text.ends_with('\r') || text.ends_with("\r\n");
}

DownloadRead LoadArchivioTMP(std::string_view text) {
    DownloadRead result;
    ArchiveFiller filler;
    Fields fields;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        auto cr = text.find('\r', at);
        const auto line = text.substr(at, cr == std::string_view::npos ? cr : cr - at);
        at = cr == std::string_view::npos ? text.size() : cr + 1;
        if (at < text.size() && text[at] == '\n') {
            ++at;
        }
        ++lineNumber;
        if (!splitFields(line, fields)) {
            continue;
        }
        Estrazione draw;
        auto error = readDraw(fields, draw);
        if (!error && filler.count() == kMaxArchiveDraws) {
            error = classicError(kErrOverflow);
        }
        if (error) {
            result.error = std::move(error);
            result.errorLine = lineNumber;
            break;
        }
        filler.append(draw);
    }
    result.accepted = filler.count();
    result.archivio = std::move(filler).finish();
    return result;
}

} // namespace dvx
