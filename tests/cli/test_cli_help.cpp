// decaventrix-cli's own options, and its man page kept level with --help.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dvx {
namespace {

TEST(CliVersion, PrintsTheProjectVersion) {
    const auto run = test::runProgram(DVX_CLI_PATH, {"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "decaventrix-cli " DVX_PROJECT_VERSION "\n");
    EXPECT_EQ(run.err, "");
}

// The subcommand names of the general help: the first word of each usage line
// ("  develop --numbers ...") under "Subcommands:".
std::vector<std::string> subcommandsInHelp(const std::string& help) {
    std::vector<std::string> names;
    std::istringstream lines(help);
    std::string line;
    bool inList = false;
    while (std::getline(lines, line)) {
        if (line == "Subcommands:") {
            inList = true;
        } else if (line.empty()) {
            inList = false;
        } else if (inList && line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] >= 'a' &&
                   line[2] <= 'z') {
            // "  name options…": the name runs up to the first blank.
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
        }
    }
    return names;
}

TEST(CliManPage, DescribesEverySubcommandOfTheHelp) {
    const auto help = test::runProgram(DVX_CLI_PATH, {"--help"});
    ASSERT_EQ(help.status, 0);
    const auto names = subcommandsInHelp(help.out);
    ASSERT_GE(names.size(), 5U) << help.out;

    std::ifstream in(std::string(DVX_SOURCE_DIR) + "/packaging/decaventrix-cli.1");
    ASSERT_TRUE(in) << "man page missing";
    const std::string page((std::istreambuf_iterator<char>(in)), {});
    for (const auto& name : names) {
        // A section ".SS name ..." per subcommand; '-' is written '\-' in roff.
        std::string roffName;
        for (const char c : name) {
            roffName += c == '-' ? std::string("\\-") : std::string(1, c);
        }
        EXPECT_NE(page.find("\n.SS " + roffName + " "), std::string::npos)
            << "decaventrix-cli.1 has no section for '" << name << "'";
    }
    EXPECT_NE(page.find("\\-\\-version"), std::string::npos);
}

} // namespace
} // namespace dvx
