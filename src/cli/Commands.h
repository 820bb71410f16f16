#pragma once
// The subcommands of decaventrix-cli. Each takes its arguments (after the
// subcommand name) and returns the exit status; bad arguments throw UsageError.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

struct Command {
    std::string_view name;
    std::string_view usage; // one or more lines for --help
    int (*run)(Args& args);
};

} // namespace dvx::cli
