#pragma once
// The colours of the main window's selectable cells and price options.

#include <cstdint>

namespace dvx {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kSilver{192, 192, 192};

struct CellLook {
    Rgb background;
    Rgb text;
    bool bold = false;
};

enum class NumeroneCell { AfterReset, Chosen, NotChosen };

CellLook numberCellLook(bool selected);
CellLook numeroneCellLook(NumeroneCell cell);
// The chosen price option; the other keeps the platform's button colours.
CellLook chosenOptionLook();

} // namespace dvx
