#pragma once
// The slip window's range fields ("Da", "a"): six optional digits each, and
// the checks made before any slip is printed.

#include <optional>
#include <string>
#include <string_view>

namespace dvx {

// The number the digits of a masked field make; 0 when it has none.
int slipFieldValue(std::string_view text);

enum class RangeField { Da, A };

struct RangeError {
    std::string text;
    std::string title;
    RangeField focus; // the field that gets the focus
};

// Da > A first, then Da below the minimum, then A above the maximum.
std::optional<RangeError> checkSlipRange(int da, int a, int minimum, int maximum);

} // namespace dvx
