#pragma once
// The start-up check for a newer program version: the server's reply lands
// in a file of the temporary folder, whose first line is compared with the
// running version.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace dvx {

class Platform;

inline constexpr std::string_view kVersionFileName = "dvxlocver.txt";
inline constexpr std::string_view kNewVersionCaption = "Nuova Versione Disponibile!!";
inline constexpr std::string_view kLocalVersionLabel = "Versione Locale";
inline constexpr std::string_view kRemoteVersionLabel = "Versione sul Server";
inline constexpr std::string_view kOpenPageToolTip = "Click per aprire la pagina";
// The whole check, however slow or silent the server, never holds the
// start-up back longer than this.
inline constexpr std::chrono::milliseconds kVersionCheckLimit{3000};

// The temporary folder followed by "dvxlocver.txt".
std::string versionFilePath();

struct NewVersionOffer {
    std::string localVersion;
    std::string remoteVersion;
    friend bool operator==(const NewVersionOffer&, const NewVersionOffer&) = default;
};

// Reads the server's version from the downloaded versionFile and compares it
// with localVersion. Returns the offer when the server's is newer. When the
// server's is not newer the file is deleted; when it cannot be read, or ends
// before a part that decides, the message of NewVersion is shown and the file
// stays.
std::optional<NewVersionOffer> NewVersion(std::string_view localVersion,
                                          const std::string& versionFile, Platform& platform);

} // namespace dvx
