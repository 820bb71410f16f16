#pragma once
// Writing a whole file so that a failure never destroys the previous one,
// and reading a whole file no larger than its format allows.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

// Writes a file piece by piece into a temporary file in the target's folder
// and, on commit, renames it over the target; until then, and after any
// failure, the target is left as it was. A target that is a symbolic link is
// followed, so the file it points to is replaced and the link stays. The new
// file keeps the permissions (and, when allowed, the owner) of the file it
// replaces. A target without any write permission is refused as permission
// denied. Temporary files that an ended process of ours left in that folder
// are removed when a new one is created.
class ReplacingWriter final {
public:
    explicit ReplacingWriter(const std::filesystem::path& target);
    ~ReplacingWriter();
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    // The first error stays; later calls do nothing.
    void append(std::string_view bytes);
    // Flushes the temporary file to the disk and closes it: after this only
    // the rename is left, so several files can be made ready before any of
    // them replaces its target. Returns the first error so far.
    std::error_code prepare();
    // Prepares, renames the file over the target and flushes the folder.
    // Returns the first error of the whole write.
    std::error_code commit();
    std::error_code error() const { return error_; }

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::error_code error_;
};

// The whole write in one call.
std::error_code replaceFile(const std::filesystem::path& target, std::string_view bytes);

// The temporary files start with this prefix, then the process id: short,
// so any name the folder accepts can be saved.
inline constexpr std::string_view kTemporaryPrefix = ".dvxtmp-";

// The error readWholeFile returns for a file larger than the limit given.
inline std::error_code fileTooLarge() {
    return std::make_error_code(std::errc::value_too_large);
}

// The whole content of a file, or the error that stopped the read. A file
// (or an endless stream such as a device) with more than maxBytes bytes is
// refused with fileTooLarge() after reading at most maxBytes + 1 bytes.
std::error_code readWholeFile(const std::filesystem::path& path, std::string& bytes,
                              std::size_t maxBytes);

} // namespace dvx
