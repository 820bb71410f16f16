#pragma once
// Which folder a program keeps its data in, and where its shipped files are,
// judged from the folder of its executable.

#include <filesystem>

namespace dvx {

struct ProgramLocation {
    std::filesystem::path folder;      // the program folder
    std::filesystem::path shippedData; // matrices, images and default settings to copy
};

// A "data" folder beside the executable (a build, an unpacked copy) holds the
// shipped files, and the executable's folder is the program folder when
// writable. Otherwise an installed program finds them in
// ../share/decaventrix (/usr/bin and /usr/share/decaventrix) and always keeps
// its data in userDataFolder, even for a user who could write /usr/bin.
ProgramLocation locateProgram(const std::filesystem::path& executableFolder,
                              const std::filesystem::path& userDataFolder);

} // namespace dvx
