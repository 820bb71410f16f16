#pragma once
// The archive check's CSV file: the whole grid, header first, each cell
// followed by ";", CR LF lines, Windows-1252.

#include "ArchiveCheck.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace dvx {

class Platform;

inline constexpr std::string_view kExportCsvCaption = "Export to CSV";

// The bytes of the file: the header and every row, hidden or not.
std::string archiveCheckCsv(const std::vector<ArchiveCheckRow>& rows);

// Writes archiveCheckCsv through a temporary file renamed over path.
std::error_code writeArchiveCheckCsv(const std::filesystem::path& path,
                                     const std::vector<ArchiveCheckRow>& rows);

// programFolder + "csv/" + the first status-bar panel's text (the system
// file's name, lower case) with every ".dvx" made ".csv".
std::string archiveCheckCsvPath(std::string_view programFolder, std::string_view fileName);

// exportTocsv: creates the "csv" folder when missing, writes the file under
// the busy cursor and asks the platform to open it. A failure is shown as
// the classic error message of the procedure and nothing is opened.
bool exportTocsv(const std::vector<ArchiveCheckRow>& rows, std::string_view programFolder,
                 std::string_view fileName, Platform& platform);

} // namespace dvx
