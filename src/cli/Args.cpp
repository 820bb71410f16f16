#include "Args.h"

#include <charconv>
#include <tuple>

namespace dvx::cli {

std::optional<std::string> Args::take(std::string_view name) {
    std::optional<std::string> value;
    for (auto v : takeAll(name)) {
        value = std::move(v);
    }
    return value;
}

std::vector<std::string> Args::takeAll(std::string_view name) {
    std::vector<std::string> values;
    for (std::size_t i = 0; i < tokens_.size();) {
        if (tokens_[i] != name) {
            ++i;
            continue;
        }
        if (i + 1 >= tokens_.size()) {
            throw UsageError(std::string(name) + " needs a value");
        }
        values.push_back(tokens_[i + 1]);
        tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i),
                      tokens_.begin() + static_cast<std::ptrdiff_t>(i + 2));
    }
    return values;
}

bool Args::flag(std::string_view name) {
    bool found = false;
    for (std::size_t i = 0; i < tokens_.size();) {
        if (tokens_[i] == name) {
            tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
            found = true;
        } else {
            ++i;
        }
    }
    return found;
}

std::string Args::takeRequired(std::string_view name) {
    auto value = take(name);
    if (!value) {
        throw UsageError(std::string(name) + " is required");
    }
    return *value;
}

std::optional<std::string> Args::positional() {
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        if (tokens_[i].rfind("--", 0) != 0) {
            std::string value = tokens_[i];
            tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
            return value;
        }
    }
    return std::nullopt;
}

void Args::finish() const {
    if (!tokens_.empty()) {
        throw UsageError("unexpected argument: " + tokens_.front());
    }
}

int parseInt(std::string_view text, std::string_view what) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        throw UsageError(std::string(what) + ": not a number: '" + std::string(text) + "'");
    }
    return value;
}

std::pair<int, int> parseRange(std::string_view text, std::string_view what) {
    const auto dash = text.find('-', 1);
    if (dash == std::string_view::npos) {
        throw UsageError(std::string(what) + ": expected LO-HI, got '" + std::string(text) + "'");
    }
    return {parseInt(text.substr(0, dash), what), parseInt(text.substr(dash + 1), what)};
}

std::vector<int> parseNumberList(std::string_view text, int lo, int hi, std::string_view what) {
    std::vector<int> numbers;
    if (text.empty()) {
        throw UsageError(std::string(what) + ": empty list");
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        auto comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            comma = text.size();
        }
        const auto item = text.substr(start, comma - start);
        int first = 0;
        int last = 0;
        if (item.find('-') != std::string_view::npos) {
            std::tie(first, last) = parseRange(item, what);
        } else {
            first = last = parseInt(item, what);
        }
        if (first > last) {
            throw UsageError(std::string(what) + ": reversed range '" + std::string(item) + "'");
        }
        for (int n = first; n <= last; ++n) {
            if (n < lo || n > hi) {
                throw UsageError(std::string(what) + ": " + std::to_string(n) + " is outside " +
                                 std::to_string(lo) + ".." + std::to_string(hi));
            }
            numbers.push_back(n);
        }
        start = comma + 1;
    }
    return numbers;
}

} // namespace dvx::cli
