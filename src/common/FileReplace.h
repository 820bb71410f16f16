#pragma once
// Writing a whole file so that a failure never destroys the previous one.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

// Writes bytes to a temporary file in the target's folder and renames it
// over the target. On failure the temporary file is removed, the target is
// left as it was and the error is returned.
std::error_code replaceFile(const std::filesystem::path& target, std::string_view bytes);

// The whole content of a file, or the error that stopped the read.
std::error_code readWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace dvx
