// decaventrix-cli: the command-line front end over the same core.

#include "CliArchive.h"
#include "CliCheck.h"
#include "CliDevelop.h"
#include "CliFiles.h"
#include "CliMatrices.h"
#include "CliPrint.h"
#include "Commands.h"
#include "ProgramInfo.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using dvx::cli::Command;

// Add a subcommand here; its implementation lives in its own file.
constexpr std::array<Command, 12> kCommands = {
    Command{"develop", dvx::cli::kDevelopUsage, dvx::cli::runDevelop},
    Command{"adapt", dvx::cli::kAdaptUsage, dvx::cli::runAdapt},
    Command{"verify", dvx::cli::kVerifyUsage, dvx::cli::runVerify},
    Command{"archive", dvx::cli::kArchiveUsage, dvx::cli::runArchive},
    Command{"stats", dvx::cli::kStatsUsage, dvx::cli::runStats},
    Command{"show", dvx::cli::kShowUsage, dvx::cli::runShow},
    Command{"import", dvx::cli::kImportUsage, dvx::cli::runImport},
    Command{"check", dvx::cli::kCheckUsage, dvx::cli::runCheck},
    Command{"check-archive", dvx::cli::kCheckArchiveUsage, dvx::cli::runCheckArchive},
    Command{"print", dvx::cli::kPrintUsage, dvx::cli::runPrint},
    Command{"listing", dvx::cli::kListingUsage, dvx::cli::runListing},
    Command{"odds", dvx::cli::kOddsUsage, dvx::cli::runOdds},
};

void printHelp() {
    std::cout << "decaventrix-cli: develop, reduce, save, check and print systems of the\n"
                 "10-out-of-20 numbers game from the command line.\n\n"
                 "Lists are comma-separated numbers and ranges, e.g. 1-5,8,10-12.\n\n"
                 "Subcommands:\n";
    for (const auto& c : kCommands) {
        std::cout << "  " << c.usage << "\n";
    }
    std::cout << "\nOptions:\n"
                 "  --help                  this text; after a subcommand, that subcommand's\n"
                 "  --version               the program's name and version\n";
    std::cout << "\nExit status: 0 on success, 2 on bad arguments or bad input;\n"
                 "verify exits 1 when the guarantee does not hold.\n";
}

// What was printed must have reached its reader: output into a full disk
// or a closed pipe is a failure, not a success.
int checkedOutput(const std::string& name, int status) {
    std::cout.flush();
    errno = 0;
    if (std::fflush(stdout) == 0 && std::cout && std::ferror(stdout) == 0) {
        return status;
    }
    const int error = errno;
    std::cerr << "decaventrix-cli " << name << ": cannot write to standard output"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> tokens(argv + 1, argv + argc);
    if (tokens.empty() || tokens[0] == "--help" || tokens[0] == "-h" || tokens[0] == "help") {
        printHelp();
        return checkedOutput("", tokens.empty() ? 2 : 0);
    }
    if (tokens[0] == "--version") {
        std::cout << "decaventrix-cli " << dvx::versionText() << "\n";
        return 0;
    }
    const std::string name = tokens[0];
    tokens.erase(tokens.begin());
    for (const auto& c : kCommands) {
        if (c.name != name) {
            continue;
        }
        try {
            dvx::cli::Args args(std::move(tokens));
            if (args.flag("--help")) {
                std::cout << "usage: decaventrix-cli " << c.usage << "\n";
                return checkedOutput(name, 0);
            }
            return checkedOutput(name, c.run(args));
        } catch (const std::exception& e) { // usage errors and unreadable input alike
            std::cerr << "decaventrix-cli " << name << ": " << e.what() << "\n";
            return 2;
        }
    }
    std::cerr << "decaventrix-cli: unknown subcommand '" << name << "' (see --help)\n";
    return 2;
}
