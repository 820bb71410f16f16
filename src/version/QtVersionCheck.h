#pragma once
// The start-up version check, run while the splash shows: the request goes
// out at once and the rest of the start-up goes on meanwhile; finish() then
// waits for what is left of the time limit, never more.

#include "NewVersion.h"
#include "QtNetFetch.h"

#include <QElapsedTimer>

#include <optional>
#include <string>

namespace dvx {

class Platform;

struct VersionCheckRequest {
    std::string serverAddress; // the vendor's web server
    std::string localVersion;  // "1.0.0"
    std::string versionFile;   // where the reply lands
    std::chrono::milliseconds limit = kVersionCheckLimit;
};

class QtVersionCheck final {
public:
    explicit QtVersionCheck(VersionCheckRequest request);

    // Sends the request; returns at once.
    void start();
    // Lets the event loop run until the reply is in or the time limit since
    // start() has passed, then compares: the offer when the server has a
    // newer version. An unreachable, failing or silent server gives nullopt
    // without a message.
    std::optional<NewVersionOffer> finish(Platform& platform);

private:
    VersionCheckRequest request_;
    QtNetFetch fetch_;
    QElapsedTimer clock_;
};

} // namespace dvx
