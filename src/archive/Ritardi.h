#pragma once
// Delays ("Ritardi"): for each number, how many draws have gone by since it
// last came out, and the longest stretch of draws it stayed out of.

#include "Archivio.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kRitardiName = "Ritardi";
inline constexpr std::string_view kRitardiOptionCaption = "R&itardi";
inline constexpr std::string_view kCurrentDelayName = "Ritardo attuale";
inline constexpr std::string_view kLongestDelayName = "Ritardo massimo";

// Indexed by number 1..20 (slot 0 unused). Only records that hold a draw
// count; the last record of the archive is the newest draw.
struct Ritardi {
    // Draws after the newest one holding the number; every draw looked at
    // when it never came out.
    std::array<std::int32_t, kNumbers + 1> current{};
    // The longest run of draws without the number, the current run and the
    // run before its first appearance included.
    std::array<std::int32_t, kNumbers + 1> longest{};
    std::int32_t draws = 0;

    friend bool operator==(const Ritardi&, const Ritardi&) = default;
};

Ritardi ritardiOf(const Archivio& archivio);

// "07 -->      3 /     12": the number, its current and its longest delay.
std::string ritardoLabel(int number, std::int32_t current, std::int32_t longest);

// The twenty labels, number 1 first.
std::vector<std::string> ritardiLabels(const Ritardi& ritardi);

} // namespace dvx
