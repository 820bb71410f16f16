#pragma once
// Fetching a file from the vendor's web server. The desktop program and the
// command line use Qt Network; the core only sees this interface.

#include <cstddef>
#include <string>
#include <system_error>

namespace dvx {

// The largest reply taken: a whole archive of a million draws is about half
// of it. A longer reply is refused as it arrives, never stored.
inline constexpr std::size_t kMaxReplySize = 50 * 1024 * 1024;

struct DownloadResult {
    enum class Status {
        Done,       // the whole reply body is in the local file
        Failed,     // no usable reply: unreachable, refused, HTTP error, cut short,
                    // shorter than announced, too large, timed out
        LocalError, // the reply came but could not be written to the local file
    };
    Status status = Status::Failed;
    std::error_code localError; // with LocalError
    std::string detail;         // why it failed, in words, for logs and the command line

    bool done() const { return status == Status::Done; }
};

class Downloader {
public:
    virtual ~Downloader() = default;
    // Downloads url into localFile, asking the server for a fresh copy (never
    // a cached one) and following redirects. A failed download leaves any
    // previous localFile as it was.
    virtual DownloadResult download(const std::string& url, const std::string& localFile) = 0;
};

} // namespace dvx
