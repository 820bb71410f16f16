#include "Format.h"

#include <cmath>
#include <cstdio>

namespace dvx {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

std::string groupDigits(const std::string& digits, const std::string& separator) {
    std::string out;
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        const auto left = n - i - 1;
        if (left > 0 && left % 3 == 0) {
            out += separator;
        }
    }
    return out;
}

} // namespace

std::string formatPicture(double value, std::string_view picture, const Separators& sep) {
    const auto first = picture.find_first_of("0#.,");
    if (first == std::string_view::npos) {
        return std::string(picture);
    }
    const auto last = picture.find_last_of("0#.,");
    const auto prefix = picture.substr(0, first);
    const auto suffix = picture.substr(last + 1);
    const auto body = picture.substr(first, last - first + 1);

    const auto point = body.find('.');
    const auto intPart = body.substr(0, point);
    const auto fracPart =
        point == std::string_view::npos ? std::string_view{} : body.substr(point + 1);

    // Every placeholder from the first "0" on is a digit always shown: "0#" is two digits.
    int minIntDigits = 0;
    for (auto i = intPart.find('0'); i < intPart.size(); ++i) {
        minIntDigits += isPlaceholder(intPart[i]);
    }
    const bool grouping = intPart.find(',') != std::string_view::npos;
    int decimals = 0;
    for (char c : fracPart) {
        decimals += isPlaceholder(c);
    }

    const bool negative = value < 0;
    const double scale = std::pow(10.0, decimals);
    // Round half away from zero on the scaled magnitude.
    const double scaled = std::floor(std::fabs(value) * scale + 0.5 + 1e-9);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
    std::string all = buffer;
    if (static_cast<int>(all.size()) <= decimals) {
        all.insert(0, static_cast<std::size_t>(decimals) + 1 - all.size(), '0');
    }
    std::string intDigits = all.substr(0, all.size() - static_cast<std::size_t>(decimals));
    std::string fracDigits = all.substr(all.size() - static_cast<std::size_t>(decimals));

    if (intDigits == "0") {
        intDigits.clear();
    }
    if (static_cast<int>(intDigits.size()) < minIntDigits) {
        intDigits.insert(0, static_cast<std::size_t>(minIntDigits) - intDigits.size(), '0');
    }
    // Optional trailing decimals drop their zeros.
    for (int i = static_cast<int>(fracPart.size()) - 1, k = decimals - 1; i >= 0 && k >= 0; --i) {
        if (!isPlaceholder(fracPart[static_cast<std::size_t>(i)])) {
            continue;
        }
        if (fracPart[static_cast<std::size_t>(i)] == '#' && fracDigits.back() == '0') {
            fracDigits.pop_back();
            --k;
            continue;
        }
        break;
    }

    std::string out(prefix);
    if (negative && (scaled != 0)) {
        out += '-';
    }
    out += grouping ? groupDigits(intDigits, sep.thousands) : intDigits;
    if (point != std::string_view::npos) {
        out += sep.decimal;
        out += fracDigits;
    }
    out += suffix;
    return out;
}

std::string signedText(std::int64_t value) {
    return (value >= 0 ? " " : "") + std::to_string(value);
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string toLower(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
            continue;
        }
        if (i + 1 == out.size()) {
            break;
        }
        // The capitals of Windows-1252 beyond ASCII, as UTF-8: accented names
        // and matrix descriptions lower-case the way the classic LCase does.
        auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
        if (c == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) { // U+00C0..U+00DE but ×
            next = static_cast<unsigned char>(next + 0x20);
            ++i;
        } else if (c == 0xC5 && (next == 0x92 || next == 0xA0 || next == 0xBD)) { // Œ Š Ž
            next = static_cast<unsigned char>(next + 1);
            ++i;
        } else if (c == 0xC5 && next == 0xB8) { // Ÿ becomes ÿ, U+00FF
            out[i] = static_cast<char>(0xC3);
            next = 0xBF;
            ++i;
        }
    }
    return out;
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string formatColumnCount(std::int64_t count, const Separators& sep) {
    return formatPicture(static_cast<double>(count), "###,##0", sep);
}

std::string formatCost(double euro, const Separators& sep) {
    return formatPicture(euro, "€ ###,###,###.00", sep);
}

} // namespace dvx
