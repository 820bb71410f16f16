#pragma once
// How far the print position moves down after a line of text, as the classic
// printer's TextHeight does it: the font's ascent plus descent.

namespace dvx {

inline constexpr double kArialLineEm = 1.15;
inline constexpr double kCourierNewLineEm = 1.133;

// Millimetres for a font of sizePoints whose line is lineEm em high.
constexpr double lineHeight(double sizePoints, double lineEm) {
    return sizePoints * lineEm * 25.4 / 72.0;
}

} // namespace dvx
