#pragma once
// One table from a menu entry or button of the main window to the function
// that opens its window. Each subsystem exports its open functions; adding
// a window is its files, its test and one row here.

#include "WindowContext.h"

#include <span>
#include <string_view>

namespace dvx {

using OpenWindow = void (*)(WindowContext& context);

struct HubRow {
    std::string_view control; // objectName of the menu entry or button
    OpenWindow open;
};

std::span<const HubRow> windowHub();

// The open function of a control, or nullptr when the hub has none.
OpenWindow hubWindowFor(std::string_view control);

} // namespace dvx
