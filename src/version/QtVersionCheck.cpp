#include "QtVersionCheck.h"

#include "ArchiveUpdate.h"
#include "ServerAddress.h"

#include <QCoreApplication>

namespace dvx {

namespace {

DownloadLimits limitsOf(std::chrono::milliseconds limit) {
    DownloadLimits limits;
    limits.stall = limit;
    limits.total = limit;
    return limits;
}

} // namespace

QtVersionCheck::QtVersionCheck(VersionCheckRequest request)
    : request_(std::move(request)), fetch_(limitsOf(request_.limit)) {}

void QtVersionCheck::start() {
    clock_.start();
    fetch_.start(serverUrl(request_.serverAddress, kVersionPath), request_.versionFile);
}

std::optional<NewVersionOffer> QtVersionCheck::finish(Platform& platform) {
    // The fetch ends itself at the limit; the clock guards against a reply
    // that never reports back at all.
    const auto limit = request_.limit.count();
    while (fetch_.running() && clock_.elapsed() < limit) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (fetch_.running()) {
        fetch_.cancel();
    }
    if (!downloadSucceeded(fetch_.result(), platform)) {
        return std::nullopt;
    }
    return NewVersion(request_.localVersion, request_.versionFile, platform);
}

} // namespace dvx
