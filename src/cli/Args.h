#pragma once
// Command-line arguments of one subcommand: options taken by name, the rest
// positional; whatever is left over is an error.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dvx::cli {

// Bad arguments or bad input: main prints the message and exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Args final {
public:
    explicit Args(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

    // The value of --name VALUE (last one wins), or empty when absent.
    std::optional<std::string> take(std::string_view name);
    std::vector<std::string> takeAll(std::string_view name);
    bool flag(std::string_view name);
    std::string takeRequired(std::string_view name);
    // The next argument that is not an option, or empty.
    std::optional<std::string> positional();
    // Throws UsageError naming the first argument nobody took.
    void finish() const;

private:
    std::vector<std::string> tokens_;
};

// "1-5,8,10-12" -> {1,2,3,4,5,8,10,11,12}; each number within lo..hi.
// Throws UsageError naming what is wrong.
std::vector<int> parseNumberList(std::string_view text, int lo, int hi, std::string_view what);
// "LO-HI" -> {lo, hi}
std::pair<int, int> parseRange(std::string_view text, std::string_view what);
int parseInt(std::string_view text, std::string_view what);

} // namespace dvx::cli
