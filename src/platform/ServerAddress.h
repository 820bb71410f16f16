#pragma once
// Where the vendor's web server answers. The base address is a setting; the
// paths below it are fixed.

#include <string>
#include <string_view>

namespace dvx {

inline constexpr std::string_view kDefaultServerAddress = "https://www.decaventrix.it";

inline constexpr std::string_view kArchivePath = "/public/decavx/archivio.asp";
inline constexpr std::string_view kVersionPath = "/public/decavx/ver.asp";
inline constexpr std::string_view kDownloadPagePath = "/decavx/";

// base (without a trailing "/") followed by the path.
inline std::string serverUrl(std::string_view base, std::string_view path) {
    while (!base.empty() && base.back() == '/') {
        base.remove_suffix(1);
    }
    return std::string(base) + std::string(path);
}

} // namespace dvx
