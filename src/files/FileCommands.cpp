#include "FileCommands.h"
#include "BusyGuard.h"
#include "ProgramPaths.h"

#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Format.h"
#include "Platform.h"
#include "SystemFileIO.h"

#include <filesystem>

namespace dvx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOpenProcedure = "menuapri_Click of Form frmMAIN";
constexpr std::string_view kSaveProcedure = "menusalva_Click of Form frmMAIN";
constexpr std::string_view kSaveAsProcedure = "menusalvacome_Click of Form frmMAIN";
constexpr std::string_view kImportProcedure = "ImportaColonneTxt of Modulo corpo ";
constexpr std::string_view kExportProcedure = "SalvaColonneTxt of Modulo corpo";

void showFileError(Platform& platform, std::error_code ec, const fs::path& path,
                   std::string_view procedure) {
    platform.message(errorMessage(classicErrorOf(ec, path), procedure));
}

FileCommandResult shownAfterReplace(const SystemState& state, const std::string& path) {
    FileCommandResult result;
    result.systemReplaced = true;
    result.developed = state.developed();
    result.checks = menuChecksOf(state);
    result.panel1 = fileNamePanel(path);
    return result;
}

// Writes the system to path; on success path becomes the current name.
FileCommandResult writeTo(SystemState& state, FileSession& session, Platform& platform,
                          const std::string& path, std::string_view procedure) {
    std::error_code ec;
    {
        BusyGuard busy(platform);
        ec = saveSystemFile(path, state);
    }
    if (ec) {
        showFileError(platform, ec, path, procedure);
        return {};
    }
    state.fileName = path;
    session.askNameOnSave = false;
    FileCommandResult result;
    result.panel1 = fileNamePanel(path);
    return result;
}

} // namespace

MenuChecks menuChecksOf(const SystemState& state) {
    const auto& c = state.condizioni;
    MenuChecks checks;
    checks.colonnaFiltro = state.filtri.count >= 1;
    checks.consecutivi = state.consecutivi.on != 0;
    checks.fisse = c.fisseOn != 0;
    checks.pariDispari = c.pariDispariOn != 0;
    checks.somma = c.sommaOn != 0;
    checks.ridotto = c.ridottoOn != 0;
    return checks;
}

std::string fileNamePanel(std::string_view fileName) {
    return toLower(fs::path(fileName).filename().string());
}

std::string exportFileName(std::string_view panelText) {
    std::string name(panelText);
    constexpr std::string_view from = ".dvx";
    constexpr std::string_view to = ".txt";
    for (auto pos = name.find(from); pos != std::string::npos; pos = name.find(from, pos)) {
        name.replace(pos, from.size(), to);
        pos += to.size();
    }
    return name;
}

FileCommandResult openSystem(SystemState& state, FileSession& session, Platform& platform,
                             std::string_view programFolder) {
    const auto path = platform.openFileName(ProgramPaths(programFolder).systems(), kSystemFilter);
    if (!path || path->empty()) {
        return {};
    }
    std::error_code ec;
    SystemFileRead read;
    {
        BusyGuard busy(platform);
        read = readSystemFile(*path, ec);
    }
    if (ec && ec != fileTooLarge()) {
        showFileError(platform, ec, *path, kOpenProcedure);
        return {};
    }
    // Larger than any system can be: no system file, as a wrong tag.
    if (ec || !read.ok()) {
        platform.message(kUnreadableFile, kErrorTitle, Icon::Critical);
        return {};
    }
    // The identifier's payload size is unknown, so what follows is guesswork:
    // one message says so, instead of one for every word of the tail.
    if (!read.unknownIds.empty()) {
        platform.message("Condizione non riconosciuta\r\nID : " +
                             std::to_string(read.unknownIds.front()),
                         kErrorTitle, Icon::Critical);
    }
    applySystemFile(read.content, state);
    state.fileName = *path;
    session.askNameOnSave = false;
    return shownAfterReplace(state, *path);
}

FileCommandResult saveSystem(SystemState& state, FileSession& session, Platform& platform,
                             std::string_view programFolder) {
    if (session.askNameOnSave) {
        return saveSystemAs(state, session, platform, programFolder);
    }
    fs::path target(state.fileName.empty() ? std::string(kInitialFileName) : state.fileName);
    if (!target.has_parent_path()) {
        const fs::path folder = ProgramPaths(programFolder).systems();
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) {
            showFileError(platform, ec, folder / target, kSaveProcedure);
            return {};
        }
        target = folder / target;
    }
    return writeTo(state, session, platform, target.string(), kSaveProcedure);
}

FileCommandResult saveSystemAs(SystemState& state, FileSession& session, Platform& platform,
                               std::string_view programFolder) {
    const auto path =
        platform.saveFileName(ProgramPaths(programFolder).systems(), kSystemFilter, "");
    if (!path || path->empty()) {
        return {};
    }
    return writeTo(state, session, platform, *path, kSaveAsProcedure);
}

FileCommandResult importColumns(SystemState& state, FileSession& session, Platform& platform,
                                std::string_view programFolder) {
    const auto path = platform.openFileName(ProgramPaths(programFolder).texts(), kTextFilter);
    if (!path) {
        return {};
    }
    return ImportaColonneTxt(state, session, platform, *path);
}

FileCommandResult ImportaColonneTxt(SystemState& state, FileSession& session, Platform& platform,
                                    const std::string& path) {
    if (path.empty()) {
        return {};
    }
    ColumnTextRead read;
    {
        BusyGuard busy(platform);
        read = readColumnTextFile(path);
    }
    if (!read.ok) {
        platform.message(errorMessage(read.error, kImportProcedure) + "\r\nRiga [" +
                         cp1252ToUtf8(quotedLine(read.line)) + "]");
        return {};
    }
    applyColumnImport(read.columns, state);
    state.fileName = path;
    session.askNameOnSave = true;
    auto result = shownAfterReplace(state, path);
    result.costPicture = "€ ###,###,##0.00";
    return result;
}

void SalvaColonneTxt(const SystemState& state, Platform& platform, std::string_view programFolder) {
    // An export of nothing would replace a file of columns by an empty one.
    if (state.sistema.columnCount <= 0) {
        platform.message(kNothingToExport, kAttentionTitle, Icon::Exclamation);
        return;
    }
    const std::string name = exportFileName(fileNamePanel(state.fileName));
    const fs::path folder = ProgramPaths(programFolder).texts();
    const fs::path target = folder / name;
    std::error_code ec;
    {
        BusyGuard busy(platform);
        fs::create_directories(folder, ec);
        if (!ec) {
            ec = writeColumnText(target, state.colonne, state.sistema.columnCount);
        }
    }
    if (ec) {
        showFileError(platform, ec, target, kExportProcedure);
        return;
    }
    platform.message("Esportazione file [" + name + "] avvenuta con successo", "",
                     Icon::Information);
}

} // namespace dvx
