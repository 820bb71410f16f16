#pragma once
// Which installed printer a printer combo box shows when it opens.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

struct PrinterChoice {
    int index = -1;                     // the printer shown; -1 when none is installed
    std::optional<std::string> warning; // shown with the title "Importante", critical icon
};

inline constexpr std::string_view kPrinterWarningTitle = "Importante";

// The stored printer when it is still installed; otherwise the first printer
// with "Attenzione selezionare una stampante", or none with "Attenzione
// nessuna stampante installata".
PrinterChoice choosePrinter(const std::vector<std::string>& installed, std::string_view stored);

} // namespace dvx
