#pragma once
// The system's folder for temporary files, where downloads land.

#include <filesystem>
#include <string>
#include <system_error>

namespace dvx {

// The folder ending with a separator, or the empty text when the system
// cannot tell.
inline std::string temporaryFolder() {
    std::error_code ec;
    auto folder = std::filesystem::temp_directory_path(ec).string();
    if (ec || folder.empty()) {
        return {};
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace dvx
