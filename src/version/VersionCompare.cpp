#include "VersionCompare.h"

#include <cstdint>
#include <vector>

namespace dvx {

namespace {

std::vector<std::string_view> splitParts(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto dot = text.find('.');
        parts.push_back(text.substr(0, dot));
        if (dot == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(dot + 1);
    }
}

// The value of the leading digits, held at a ceiling so a long run of digits
// cannot wrap around.
std::uint64_t partValue(std::string_view part) {
    constexpr std::uint64_t kCeiling = 1'000'000'000'000'000'000ull;
    std::uint64_t value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value >= kCeiling ? kCeiling : value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

} // namespace

VersionVerdict compareVersions(std::string_view local, std::string_view server) {
    const auto localParts = splitParts(local);
    const auto serverParts = splitParts(server);
    for (std::size_t i = 0; i < localParts.size(); ++i) {
        if (i >= serverParts.size()) {
            return VersionVerdict::MissingPart;
        }
        const auto mine = partValue(localParts[i]);
        const auto theirs = partValue(serverParts[i]);
        if (mine != theirs) {
            return mine < theirs ? VersionVerdict::ServerNewer : VersionVerdict::NotNewer;
        }
    }
    return VersionVerdict::NotNewer;
}

std::string firstLine(std::string_view reply) {
    return std::string(reply.substr(0, reply.find_first_of("\r\n")));
}

std::string missingPartMessage() {
    return "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo";
}

} // namespace dvx
