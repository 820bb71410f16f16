#include "CliInputs.h"

#include "ArchiveFile.h"
#include "ConsolePlatform.h"
#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Format.h"
#include "SystemFileIO.h"

#include <filesystem>
#include <iostream>

namespace dvx::cli {

namespace {

std::string_view faultText(SystemFileFault fault) {
    switch (fault) {
    case SystemFileFault::None:
        return "";
    case SystemFileFault::UnknownTag:
        return "not a system file of a known version";
    case SystemFileFault::Truncated:
        return "the file ends too early";
    case SystemFileFault::TooManyNumbers:
        return "more than 20 numbers in play";
    case SystemFileFault::BadNumberInPlay:
        return "a number in play outside 1..20 or given twice";
    case SystemFileFault::BadConditions:
        return "a fixed number or the reduction level out of range";
    case SystemFileFault::TooManyColumns:
        return "column count outside 0..185000";
    case SystemFileFault::ColumnsPastEnd:
        return "fewer columns than the file promises";
    case SystemFileFault::BadColumnNumber:
        return "a column number outside 1..20 or repeated within a column";
    case SystemFileFault::TooManyFilters:
        return "more than 100 filter columns";
    }
    return "";
}

bool isTextFile(const std::string& path) {
    return toLower(std::filesystem::path(path).extension().string()) == ".txt";
}

} // namespace

std::string readFailure(std::error_code ec, std::size_t limit) {
    if (ec == fileTooLarge()) {
        return "larger than " + std::to_string(limit) +
               " bytes, more than a file of its kind holds";
    }
    return ec.message();
}

// The columns of a text file, as the import makes them into a system.
void loadColumnTextInto(const std::string& path, SystemState& state) {
    const auto read = readColumnTextFile(path);
    if (read.fileError) {
        throw UsageError("cannot read " + path + ": " +
                         readFailure(read.fileError, kColumnTextMaxSize));
    }
    if (!read.ok) {
        throw UsageError("cannot read " + path + ": " +
                         errorMessage(read.error, "ImportaColonneTxt") + ", line [" +
                         cp1252ToUtf8(quotedLine(read.line)) + "]");
    }
    applyColumnImport(read.columns, state);
}

void loadSystemFileInto(const std::string& path, SystemState& state) {
    std::error_code error;
    const auto read = readSystemFile(path, error);
    if (error) {
        throw UsageError("cannot read " + path + ": " + readFailure(error, kSystemFileMaxSize));
    }
    if (!read.ok()) {
        throw UsageError("cannot read " + path + ": Questo file non puo' essere letto (" +
                         std::string(faultText(read.fault)) + ")");
    }
    for (const auto id : read.unknownIds) {
        std::cerr << "Condizione non riconosciuta, ID : " << id << "\n";
    }
    applySystemFile(read.content, state);
}

void loadSystemOrColumns(const std::string& path, SystemState& state) {
    if (isTextFile(path)) {
        loadColumnTextInto(path, state);
    } else {
        loadSystemFileInto(path, state);
    }
}

namespace {

ArchiveFileRead readArchiveOrThrow(const std::string& path) {
    auto read = readArchiveFile(path);
    if (read.error) {
        throw UsageError("cannot read " + path + ": " +
                         readFailure(read.error, kArchiveFileMaxSize));
    }
    if (read.badLength) {
        throw UsageError("cannot read " + path +
                         ": not an archive file (its length is not a multiple of 24 bytes)");
    }
    if (read.skipped > 0) {
        std::cerr << "decaventrix-cli: " << path << ": " << skippedDrawsMessage(read.skipped)
                  << "\n";
    }
    return read;
}

} // namespace

Archivio loadExistingArchive(const std::string& path) {
    // The program itself would create a missing archive empty; a command line
    // should not do that behind one's back.
    auto read = readArchiveOrThrow(path);
    if (read.archivio.drawCount() == 0) {
        throw UsageError("cannot read " + path + ": the archive holds no draw");
    }
    return std::move(read.archivio);
}

Archivio loadArchiveIfAny(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        return {};
    }
    return readArchiveOrThrow(path).archivio;
}

} // namespace dvx::cli
