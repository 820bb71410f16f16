#pragma once
// The system's figures as the main window's status bar shows them.

#include "Format.h"
#include "Model.h"

#include <string>

namespace dvx {

struct StatusPanels {
    std::string count; // panel 2, "###,##0"
    std::string cost;  // panel 3, price per column x column count, "€ ###,###,###.00"
    std::string type;  // panel 4, the system type text
};

StatusPanels statusPanels(const SystemState& state, const Separators& sep = {});

} // namespace dvx
