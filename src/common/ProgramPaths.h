#pragma once
// Where the program keeps its data: the executable's folder when the user
// can write there, otherwise the per-user data folder. Every path under that
// folder is built here, so the folder names are spelled in one place.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

// The files and folders under one program folder (which ends with '/').
class ProgramPaths final {
public:
    explicit ProgramPaths(std::string_view programFolder) : folder_(programFolder) {}

    const std::string& folder() const { return folder_; }
    std::string systems() const;                             // "sistemi"
    std::string texts() const;                               // "txt"
    std::string archiveFile() const;                         // "archivio/decaventrix.dat"
    std::string statisticsCsv() const;                       // "archivio/stat.csv"
    std::string csv(std::string_view fileName) const;        // under "csv"
    std::string matricesIndex() const;                       // "matrici/matrici.qvr"
    std::string matrixFile(std::string_view fileName) const; // under "matrici"
    std::string image(std::string_view fileName) const;      // under "images"
    std::string settingsFile() const;                        // "impostazioni.cfg"
    std::string calibrationFile() const;                     // "print.cfg"

private:
    std::string under(std::string_view subfolder, std::string_view name) const;

    std::string folder_;
};

// The data folders under the program folder, with their exact spelling.
std::span<const std::string_view> programSubfolders();

// The folder as the program keeps it: blanks trimmed, one trailing '/'.
std::string programFolderText(const std::filesystem::path& folder);

// True when a file can be created and removed in folder.
bool folderIsWritable(const std::filesystem::path& folder);

// The executable's folder when writable, otherwise userDataFolder.
std::filesystem::path chooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& userDataFolder);

// Creates the program folder and its data folders as needed, and fills
// "matrici" and "images" from the same folders under shippedData when they
// hold no file yet, and the default settings file when there is none (files
// already there are never overwritten). A missing shippedData is no error.
std::error_code prepareProgramFolder(const std::filesystem::path& folder,
                                     const std::filesystem::path& shippedData);

} // namespace dvx
