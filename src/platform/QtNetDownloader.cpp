#include "QtNetDownloader.h"

#include "FileReplace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace dvx {

namespace {

char kProgramName[] = "decaventrix";

DownloadResult failed(std::string detail) {
    DownloadResult result;
    result.status = DownloadResult::Status::Failed;
    result.detail = std::move(detail);
    return result;
}

} // namespace

QtNetDownloader::QtNetDownloader(DownloadLimits limits)
    : limits_(limits), argv_{kProgramName, nullptr} {
    if (QCoreApplication::instance() == nullptr) {
        ownApplication_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }
}

QtNetDownloader::~QtNetDownloader() = default;

DownloadResult QtNetDownloader::download(const std::string& url, const std::string& localFile) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() ||
        (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https"))) {
        return failed("not an http or https address: " + url);
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    // Always a fresh copy: no cache on our side, none on the way.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    request.setTransferTimeout(static_cast<int>(limits_.stall.count()));

    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(limits_.total.count()));
    if (!reply->isFinished()) {
        // The window that started the download is disabled; keep the user's
        // clicks and keys away from the others until the reply is in.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();

    const QByteArray body = reply->readAll();
    const auto error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string why = reply->errorString().toStdString();
    reply->deleteLater();

    if (timedOut) {
        return failed("no complete reply within the time limit");
    }
    if (error != QNetworkReply::NoError) {
        return failed(why);
    }
    if (status < 200 || status > 299) {
        return failed("the server answered with status " + std::to_string(status));
    }
    if (const auto ec = replaceFile(
            localFile, std::string_view(body.constData(), static_cast<std::size_t>(body.size())))) {
        DownloadResult result;
        result.status = DownloadResult::Status::LocalError;
        result.localError = ec;
        result.detail = ec.message();
        return result;
    }
    DownloadResult result;
    result.status = DownloadResult::Status::Done;
    return result;
}

} // namespace dvx
