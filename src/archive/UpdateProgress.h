#pragma once
// The archive window while it updates: what its progress label says and
// which of its controls the user can reach.

#include "Format.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dvx {

inline constexpr std::string_view kUpdateButtonCaption = "Aggiorna";
inline constexpr std::string_view kUpdateButtonToolTip = "Click per iniziare l'aggiornamento";
inline constexpr std::string_view kStatisticsButtonCaption = "Statistiche";
inline constexpr std::string_view kStatisticsButtonToolTip =
    "Click per visualizzare le statistiche";
inline constexpr std::string_view kCancelUpdateCaption = "Annulla";
inline constexpr std::string_view kCancelUpdateToolTip = "Interrompe l'aggiornamento";

// "Aggiornamento in corso\r\nAttendere...." and, once bytes arrive, how many
// ("12 KB ricevuti", or "12 KB di 340 KB" when the server told the size;
// total < 0 when it did not).
std::string updateProgressText(std::int64_t received, std::int64_t total,
                               const Separators& sep = {});

struct UpdateControls {
    bool updateEnabled; // cmdUpdate
    bool cancelVisible; // cmdAnnulla
    bool listVisible;   // lst (the progress label shows in its place)
};

constexpr UpdateControls updateControls(bool busy) {
    return {!busy, busy, !busy};
}

} // namespace dvx
