#pragma once
// Reading the files the subcommands take as input. Each throws UsageError
// with one clear line when the file cannot be read or is refused.

#include "Archivio.h"
#include "Args.h"
#include "Model.h"

#include <cstddef>
#include <string>
#include <system_error>

namespace dvx::cli {

// A column text file, read as the column import reads it.
void loadColumnTextInto(const std::string& path, SystemState& state);
// A system file, all or nothing.
void loadSystemFileInto(const std::string& path, SystemState& state);
// A column text file when the name ends in .txt, a system file otherwise.
void loadSystemOrColumns(const std::string& path, SystemState& state);
// An archive file that must exist and hold at least one draw. Damaged
// records are skipped with one warning on stderr.
Archivio loadExistingArchive(const std::string& path);
// The same, but a missing file is an empty archive and so is one without draws.
Archivio loadArchiveIfAny(const std::string& path);

// Why a file could not be read, in words: a file above its format's limit
// says so with the limit.
std::string readFailure(std::error_code ec, std::size_t limit);

} // namespace dvx::cli
