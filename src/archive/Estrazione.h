#pragma once
// One draw of the game, and the number-set helpers every user of the archive
// calls.

#include "Model.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dvx {

inline constexpr int kDataLength = 10; // characters of a draw date
inline constexpr int kOraLength = 5;   // characters of a draw hour

// One draw (`Estrazione`). data and ora hold exactly kDataLength and
// kOraLength characters (UTF-8 in memory) in a filled record and are empty in
// an empty record, which also has concorso, numeri and numerone 0.
struct Estrazione {
    std::string data;
    std::string ora;
    std::int32_t concorso = 0;
    NumberSet numeri = 0; // the ten drawn numbers
    std::uint8_t numerone = 0;

    bool empty() const { return numeri == 0; }
    friend bool operator==(const Estrazione&, const Estrazione&) = default;
};

// A draw the game can give: ten different numbers 1..20 and a Numerone of at
// most 20 (0 when the file recorded none).
bool holdsValidDraw(const Estrazione& draw);

// text left-aligned in width characters: blanks added on the right, or cut
// after width characters (characters, not bytes: the file stores one byte
// per character).
std::string fixedText(std::string_view text, int width);

// The numbers of the set, ascending, two digits each ("01"), separated by gap
// blanks, no blank at either end; the empty text for the empty set.
std::string NumeriToText(NumberSet numeri, int gap);

// Writes the numbers of the set, ascending, into numbers[0], numbers[1], ...
// (at most numbers.size() of them); the rest is left untouched. Returns how
// many numbers were written. Callers with a 1-based table pass it from 1 on.
int MaskToNumeri(NumberSet numeri, std::span<std::uint8_t> numbers);

// The number set of the given numbers (bit n-1 for each n in 1..20). Only
// callers that validated their numbers use it: a number outside 1..20 is
// ignored and a repeated number counts once.
NumberSet NumeriToMask(std::span<const std::uint8_t> numbers);

} // namespace dvx
