#pragma once
// What a subcommand writes: files that may not be any of its inputs, written
// all or none.

#include "Model.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace dvx::cli {

// One file a command writes: the option that named it, its path, its bytes.
struct Output {
    std::string option; // "--save"
    std::string path;
    std::string bytes;
};

// The system file of state for --save (the numbers-in-play list rebuilt
// from the grid first, as every save does).
Output systemOutput(const std::string& path, SystemState& state);

// Throws UsageError when path names the same file as one of the inputs
// (through another spelling or a link too), so no command overwrites what
// it reads.
void refuseOverInput(std::string_view option, const std::string& path,
                     std::initializer_list<std::string> inputs);

// Writes every output or none: each is first written whole into a temporary
// file beside its target, and only when all of them are ready do they
// replace their targets. Throws UsageError naming the option, the path and
// the reason of the first failure.
void writeOutputs(std::vector<Output> outputs);

} // namespace dvx::cli
