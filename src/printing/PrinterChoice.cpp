#include "PrinterChoice.h"

namespace dvx {

PrinterChoice choosePrinter(const std::vector<std::string>& installed, std::string_view stored) {
    if (installed.empty()) {
        return {-1, "Attenzione nessuna stampante installata"};
    }
    for (std::size_t i = 0; i < installed.size(); ++i) {
        if (!stored.empty() && installed[i] == stored) {
            return {static_cast<int>(i), std::nullopt};
        }
    }
    return {0, "Attenzione selezionare una stampante"};
}

} // namespace dvx
