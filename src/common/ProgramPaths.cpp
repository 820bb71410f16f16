#include "ProgramPaths.h"

#include "Format.h"

#include <array>
#include <fstream>

namespace dvx {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 6> kSubfolders{"sistemi", "txt",     "archivio",
                                                      "csv",     "matrici", "images"};

bool isEmptyFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_empty(folder, ec) && !ec;
}

constexpr std::array<std::string_view, 2> kShippedFolders{"matrici", "images"};
// Shipped files copied only when the program folder has none: an installed
// program starts with empty settings instead of an error about a missing file.
constexpr std::array<std::string_view, 1> kShippedFiles{"impostazioni.cfg"};

} // namespace

std::string ProgramPaths::under(std::string_view subfolder, std::string_view name) const {
    std::string path = folder_;
    path.append(subfolder);
    if (!name.empty()) {
        path += '/';
        path.append(name);
    }
    return path;
}

std::string ProgramPaths::systems() const {
    return under("sistemi", {});
}
std::string ProgramPaths::texts() const {
    return under("txt", {});
}
std::string ProgramPaths::archiveFile() const {
    return under("archivio", "decaventrix.dat");
}
std::string ProgramPaths::statisticsCsv() const {
    return under("archivio", "stat.csv");
}
std::string ProgramPaths::csv(std::string_view fileName) const {
    return under("csv", fileName);
}
std::string ProgramPaths::matricesIndex() const {
    return under("matrici", "matrici.qvr");
}
std::string ProgramPaths::matrixFile(std::string_view fileName) const {
    return under("matrici", fileName);
}
std::string ProgramPaths::image(std::string_view fileName) const {
    return under("images", fileName);
}
std::string ProgramPaths::settingsFile() const {
    return under("impostazioni.cfg", {});
}
std::string ProgramPaths::calibrationFile() const {
    return under("print.cfg", {});
}

std::span<const std::string_view> programSubfolders() {
    return kSubfolders;
}

std::string programFolderText(const fs::path& folder) {
    auto text = trim(folder.generic_string());
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

bool folderIsWritable(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return false;
    }
    const auto probe = folder / ".decaventrix-write-test";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) {
            return false;
        }
    }
    fs::remove(probe, ec);
    return true;
}

fs::path chooseProgramFolder(const fs::path& executableFolder, const fs::path& userDataFolder) {
    return folderIsWritable(executableFolder) ? executableFolder : userDataFolder;
}

std::error_code prepareProgramFolder(const fs::path& folder, const fs::path& shippedData) {
    std::error_code ec;
    for (const auto name : kSubfolders) {
        fs::create_directories(folder / name, ec);
        if (ec) {
            return ec;
        }
    }
    for (const auto name : kShippedFolders) {
        const auto source = shippedData / name;
        const auto target = folder / name;
        if (!fs::is_directory(source, ec) || !isEmptyFolder(target)) {
            continue;
        }
        fs::copy(source, target, fs::copy_options::recursive, ec);
        if (ec) {
            return ec;
        }
    }
    for (const auto name : kShippedFiles) {
        const auto source = shippedData / name;
        const auto target = folder / name;
        if (!fs::is_regular_file(source, ec) || fs::exists(target, ec)) {
            continue;
        }
        fs::copy_file(source, target, ec);
        if (ec) {
            return ec;
        }
    }
    return {};
}

} // namespace dvx
