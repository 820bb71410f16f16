#include "FileReplace.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dvx {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The file a chain of symbolic links ends at (the path itself when it is
// not a link, or does not exist yet).
std::error_code followLinks(fs::path& path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {};
        }
        std::error_code ec;
        const auto link = fs::read_symlink(path, ec);
        if (ec) {
            return ec;
        }
        path = link.is_absolute() ? link : folderOf(path) / link;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// The process id in a temporary file name of ours, or 0.
pid_t ownerOf(std::string_view name) {
    if (name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
        return 0;
    }
    name.remove_prefix(kTemporaryPrefix.size());
    pid_t pid = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
    return ec == std::errc{} && end != name.data() && *end == '-' ? pid : 0;
}

// A save that was killed leaves its temporary file behind; once its process
// is gone, nobody will finish or remove it but us.
void removeStaleTemporaries(const fs::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t pid = ownerOf(entry->d_name);
        if (pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

int createTemporary(const fs::path& folder, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
                              std::to_string(counter++));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReplacingWriter::ReplacingWriter(const fs::path& target) : target_(target) {
    if ((error_ = followLinks(target_))) {
        return;
    }
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    // A file nobody may write is one the user protected: even an
    // administrator's save does not replace it.
    if (exists && S_ISREG(existing.st_mode) &&
        ((existing.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0)) {
        error_ = std::make_error_code(std::errc::permission_denied);
        return;
    }
    const auto folder = folderOf(target_);
    removeStaleTemporaries(folder);
    fd_ = createTemporary(folder, temporary_);
    if (fd_ < 0) {
        error_ = lastError();
        temporary_.clear();
        return;
    }
    if (exists && S_ISREG(existing.st_mode)) {
        // Owner first: a change of owner may clear the set-id bits.
        [[maybe_unused]] const int ignored = ::fchown(fd_, existing.st_uid, existing.st_gid);
        if (::fchmod(fd_, existing.st_mode & 07777) != 0) {
            error_ = lastError();
        }
    }
}

ReplacingWriter::~ReplacingWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void ReplacingWriter::append(std::string_view bytes) {
    while (!error_ && !bytes.empty()) {
        const auto written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EINTR) {
                error_ = lastError();
            }
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::error_code ReplacingWriter::prepare() {
    if (fd_ < 0) {
        return error_;
    }
    if (!error_ && ::fsync(fd_) != 0) {
        error_ = lastError();
    }
    if (::close(fd_) != 0 && !error_) {
        error_ = lastError();
    }
    fd_ = -1;
    return error_;
}

std::error_code ReplacingWriter::commit() {
    if (prepare() || temporary_.empty()) {
        return error_;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = lastError();
        return error_;
    }
    temporary_.clear();
    // The rename itself must reach the disk, or a crash could bring back the
    // old file. Past the rename the new file stands, so the save succeeded
    // whatever the folder's flush says.
    syncFolder(folderOf(target_));
    return {};
}

std::error_code replaceFile(const fs::path& target, std::string_view bytes) {
    ReplacingWriter writer(target);
    writer.append(bytes);
    return writer.commit();
}

std::error_code readWholeFile(const fs::path& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
            ::close(fd);
            return fileTooLarge();
        }
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    std::error_code ec;
    char buffer[1 << 16];
    for (;;) {
        const auto got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ec = lastError();
            break;
        }
        if (got == 0) {
            break;
        }
        // A file that grows while read, or a stream without a size, stops
        // at the limit as well.
        if (static_cast<std::size_t>(got) > maxBytes - bytes.size()) {
            ec = fileTooLarge();
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (ec) {
        std::string().swap(bytes);
    }
    return ec;
}

} // namespace dvx
