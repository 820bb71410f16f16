#include "CheckCsv.h"
#include "BusyGuard.h"
#include "ProgramPaths.h"

#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileCommands.h"
#include "FileReplace.h"
#include "Platform.h"

namespace dvx {

namespace {

constexpr std::string_view kExportProcedure = "exportTocsv of Form frmSpoglioEstrazioni";

void appendLine(std::string& text, const GridRow& cells) {
    for (const auto& cell : cells) {
        text += utf8ToCp1252(cell);
        text += ';';
    }
    text += "\r\n";
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

std::string archiveCheckCsv(const std::vector<ArchiveCheckRow>& rows) {
    std::string text;
    appendLine(text, archiveCheckHeader());
    for (const auto& row : rows) {
        appendLine(text, archiveCheckCells(row));
    }
    return text;
}

std::error_code writeArchiveCheckCsv(const std::filesystem::path& path,
                                     const std::vector<ArchiveCheckRow>& rows) {
    return replaceFile(path, archiveCheckCsv(rows));
}

std::string archiveCheckCsvPath(std::string_view programFolder, std::string_view fileName) {
    return ProgramPaths(programFolder).csv(replaceAll(fileNamePanel(fileName), ".dvx", ".csv"));
}

bool exportTocsv(const std::vector<ArchiveCheckRow>& rows, std::string_view programFolder,
                 std::string_view fileName, Platform& platform) {
    const std::filesystem::path path = archiveCheckCsvPath(programFolder, fileName);
    std::error_code error;
    {
        const BusyGuard busy(platform);
        std::filesystem::create_directories(path.parent_path(), error);
        if (!error) {
            error = writeArchiveCheckCsv(path, rows);
        }
    }
    if (error) {
        platform.message(errorMessage(classicErrorOf(error, path), kExportProcedure));
        return false;
    }
    platform.openExternal(path.string());
    return true;
}

} // namespace dvx
