#include "Estrazione.h"

#include "NumberSet.h"

#include <bit>

namespace dvx {

namespace {

// A byte that starts a UTF-8 character (not a continuation byte).
bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u;
}

} // namespace

bool holdsValidDraw(const Estrazione& draw) {
    constexpr NumberSet kAllNumbers = (NumberSet{1} << kNumbers) - 1;
    return (draw.numeri & ~kAllNumbers) == 0 && countOf(draw.numeri) == kColumnSize &&
           draw.numerone <= kNumbers;
}

std::string fixedText(std::string_view text, int width) {
    std::string out;
    int characters = 0;
    for (char byte : text) {
        if (startsCharacter(byte)) {
            if (characters == width) {
                break;
            }
            ++characters;
        }
        out += byte;
    }
    out.append(static_cast<std::size_t>(width - characters), ' ');
    return out;
}

std::string NumeriToText(NumberSet numeri, int gap) {
    std::string text;
    for (int n = 1; n <= kNumbers; ++n) {
        if (!contains(numeri, n)) {
            continue;
        }
        if (!text.empty()) {
            text.append(static_cast<std::size_t>(gap), ' ');
        }
        text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
    }
    return text;
}

int MaskToNumeri(NumberSet numeri, std::span<std::uint8_t> numbers) {
    std::size_t k = 0;
    for (int n = 1; n <= kNumbers && k < numbers.size(); ++n) {
        if (contains(numeri, n)) {
            numbers[k++] = static_cast<std::uint8_t>(n);
        }
    }
    return static_cast<int>(k);
}

NumberSet NumeriToMask(std::span<const std::uint8_t> numbers) {
    NumberSet set = 0;
    for (std::uint8_t n : numbers) {
        if (n >= 1 && n <= kNumbers) {
            set |= maskOf(n);
        }
    }
    return set;
}

} // namespace dvx
