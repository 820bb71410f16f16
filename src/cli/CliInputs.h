#pragma once
// Reading the files the subcommands take as input. Each throws UsageError
// with one clear line when the file cannot be read or is refused.

#include "Archivio.h"
#include "Args.h"
#include "Model.h"

#include <string>

namespace dvx::cli {

// A column text file, read as the column import reads it.
void loadColumnTextInto(const std::string& path, SystemState& state);
// A system file, all or nothing.
void loadSystemFileInto(const std::string& path, SystemState& state);
// A column text file when the name ends in .txt, a system file otherwise.
void loadSystemOrColumns(const std::string& path, SystemState& state);
// An archive file that must exist.
Archivio loadExistingArchive(const std::string& path);

} // namespace dvx::cli
