#pragma once
// Downloads over HTTP and HTTPS with Qt Network, blocking the caller until
// the reply is complete, has failed or has taken too long.

#include "Downloader.h"

#include <chrono>
#include <cstddef>
#include <memory>

class QCoreApplication;

namespace dvx {

struct DownloadLimits {
    // Give up when the server sends nothing for this long...
    std::chrono::milliseconds stall{30000};
    // ...or when the whole download takes longer than this.
    std::chrono::milliseconds total{300000};
    int maxRedirects = 10;
    // A reply body longer than this is refused as soon as it passes it.
    std::size_t maxBytes = kMaxReplySize;
};

// Works inside a running Qt program (the desktop's QApplication) and without
// one (the command line, tests): when no application object exists, the
// downloader creates a QCoreApplication for its own lifetime.
class QtNetDownloader final : public Downloader {
public:
    explicit QtNetDownloader(DownloadLimits limits = {});
    ~QtNetDownloader() override;
    QtNetDownloader(const QtNetDownloader&) = delete;
    QtNetDownloader& operator=(const QtNetDownloader&) = delete;

    DownloadResult download(const std::string& url, const std::string& localFile) override;

private:
    DownloadLimits limits_;
    int argc_ = 1;
    char* argv_[2];
    std::unique_ptr<QCoreApplication> ownApplication_;
};

} // namespace dvx
