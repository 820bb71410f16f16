#pragma once
// Number pictures and small text helpers shared by every message and list.

#include <cstdint>
#include <string>
#include <string_view>

namespace dvx {

// The user's locale separators; the desktop program fills them from the locale.
struct Separators {
    std::string thousands = ",";
    std::string decimal = ".";
};

// Formats a number with a picture: "0" a digit always shown, "#" a digit shown
// only when significant, "," thousands grouping, "." the decimal point, other
// characters literal ("00", "0#  ", "###,##0", "€ ###,###,###.00").
// Halves round away from zero.
std::string formatPicture(double value, std::string_view picture, const Separators& sep = {});

// A number as the classic number-to-text conversion writes it: a blank in
// place of the sign for values >= 0 (" 185000", "-3").
std::string signedText(std::int64_t value);

// Without leading and trailing blanks (spaces only, as the classic Trim).
std::string trim(std::string_view text);

// Lower-cases the letters Windows-1252 has: ASCII and the accented capitals.
std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);

// Status-bar and list formats of the system's figures.
std::string formatColumnCount(std::int64_t count, const Separators& sep = {}); // "###,##0"
std::string formatCost(double euro, const Separators& sep = {}); // "€ ###,###,###.00"

} // namespace dvx
