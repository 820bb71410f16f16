#include "InstanceKey.h"

#include <cstdint>
#include <cstdio>

namespace dvx {

std::string instanceKey(std::string_view programFolder, std::string_view userName) {
    // FNV-1a over user and folder: short, stable and free of path characters.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::string_view text) {
        for (const char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    };
    mix(userName);
    mix(std::string_view("\n"));
    mix(programFolder);
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return "decaventrix-" + std::string(digits);
}

} // namespace dvx
