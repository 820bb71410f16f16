#include "ProgramLocation.h"

#include "ProgramPaths.h"

namespace dvx {

namespace fs = std::filesystem;

ProgramLocation locateProgram(const fs::path& executableFolder, const fs::path& userDataFolder) {
    std::error_code ec;
    const auto beside = executableFolder / "data";
    if (fs::is_directory(beside, ec)) {
        return {chooseProgramFolder(executableFolder, userDataFolder), beside};
    }
    const auto installed = executableFolder / ".." / "share" / "decaventrix";
    if (fs::is_directory(installed, ec)) {
        return {userDataFolder, installed.lexically_normal()};
    }
    // Nothing shipped: the folders are made empty, as before.
    return {chooseProgramFolder(executableFolder, userDataFolder), beside};
}

} // namespace dvx
