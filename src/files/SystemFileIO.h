#pragma once
// System and column text files on disk, without any dialog or message: what
// the menus and the command line share.

#include "ColumnText.h"
#include "SystemFile.h"

#include <filesystem>
#include <system_error>

namespace dvx {

// Rebuilds the numbers-in-play list from the grid and writes the system
// file through a temporary file renamed over path.
std::error_code saveSystemFile(const std::filesystem::path& path, SystemState& state);

// Reads and checks a whole system file; the current system is not touched.
SystemFileRead readSystemFile(const std::filesystem::path& path, std::error_code& error);

// Replaces the system by imported columns: a reset, the rows in file order,
// the numbers in play exactly those that occur, type "FILE TXT", developed
// when there is at least one column. File name and price are the caller's.
void applyColumnImport(const std::vector<ColumnRow>& columns, SystemState& state);

// Reads a whole column text file; the current system is not touched.
ColumnTextRead readColumnTextFile(const std::filesystem::path& path);

} // namespace dvx
