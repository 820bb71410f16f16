#pragma once
// Reading the files the subcommands take as input. Each throws UsageError
// with one clear line when the file cannot be read or is refused.

#include "Archivio.h"
#include "Args.h"
#include "Model.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

// The one number a LIST argument must hold, within lo..hi.
int singleNumber(const std::string& text, int lo, int hi, std::string_view what);

// The system's Numerone (0 = none) and price per column, as the main window
// would have them: --numerone N, --price 1|2 (default 2).
struct Stake {
    std::uint8_t numerone = 0;
    float pricePerColumn = 2.0f;
};
Stake takeStake(Args& args);

// A system file or column text file with the stake set.
std::unique_ptr<SystemState> loadSystemWithStake(const std::string& path, const Stake& stake);

} // namespace dvx::cli
