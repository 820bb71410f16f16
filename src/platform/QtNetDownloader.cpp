#include "QtNetDownloader.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace dvx {

namespace {

char kProgramName[] = "decaventrix";

} // namespace

QtNetDownloader::QtNetDownloader(DownloadLimits limits)
    : limits_(limits), argv_{kProgramName, nullptr} {
    if (QCoreApplication::instance() == nullptr) {
        ownApplication_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }
}

QtNetDownloader::~QtNetDownloader() = default;

DownloadResult QtNetDownloader::download(const std::string& url, const std::string& localFile) {
    QtNetFetch fetch(limits_);
    QEventLoop loop;
    QObject::connect(&fetch, &QtNetFetch::finished, &loop, &QEventLoop::quit);
    fetch.start(url, localFile);
    // The window that started the download is disabled; keep the user's
    // clicks and keys away from the others until the reply is in.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return fetch.result();
}

} // namespace dvx
