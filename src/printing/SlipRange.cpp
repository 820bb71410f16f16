#include "SlipRange.h"

namespace dvx {

int slipFieldValue(std::string_view text) {
    int value = 0;
    int digits = 0;
    for (const char c : text) {
        // The mask holds six digits; more cannot come from the field.
        if (c >= '0' && c <= '9' && digits < 6) {
            value = value * 10 + (c - '0');
            ++digits;
        }
    }
    return value;
}

std::optional<RangeError> checkSlipRange(int da, int a, int minimum, int maximum) {
    if (da > a) {
        return RangeError{"'DA' è maggiore di 'A'", " !!! E R R O R E !!! ", RangeField::A};
    }
    if (da < minimum) {
        return RangeError{"'DA' è minore del minimo", "!!! E R R O R E !!!", RangeField::Da};
    }
    if (a > maximum) {
        return RangeError{"'A' è maggiore del massimo", "!!! E R R O R E !!!", RangeField::A};
    }
    return std::nullopt;
}

} // namespace dvx
