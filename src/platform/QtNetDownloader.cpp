#include "QtNetDownloader.h"

#include "FileReplace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <climits>

namespace dvx {

namespace {

char kProgramName[] = "decaventrix";

// The body is read as it arrives, so only this much waits in memory.
constexpr qint64 kReadBufferSize = 1 << 20;

DownloadResult failed(std::string detail) {
    DownloadResult result;
    result.status = DownloadResult::Status::Failed;
    result.detail = std::move(detail);
    return result;
}

DownloadResult localError(std::error_code ec) {
    DownloadResult result;
    result.status = DownloadResult::Status::LocalError;
    result.localError = ec;
    result.detail = ec.message();
    return result;
}

// A timer interval in milliseconds, kept within what a timer can wait.
int intervalOf(std::chrono::milliseconds limit) {
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(limit.count(), 1, INT_MAX));
}

std::string secondsText(std::chrono::milliseconds limit) {
    return std::to_string((limit.count() + 999) / 1000) + " s";
}

// Why the transfer ended early, when we ended it.
enum class Stop { None, Stalled, TooSlow, TooLarge, LocalError };

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
    // The body is counted against its announced length as it travels.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);

    // The body goes straight into a temporary file beside localFile, which
    // replaces localFile only once the whole reply is in.
    ReplacingWriter writer(localFile);
    if (const auto ec = writer.error()) {
        return localError(ec);
    }
    QNetworkReply* reply = manager.get(request);
    reply->setReadBufferSize(kReadBufferSize);
    QEventLoop loop;
    QTimer deadline;
    QTimer stallTimer;
    deadline.setSingleShot(true);
    stallTimer.setSingleShot(true);
    Stop stop = Stop::None;
    std::size_t received = 0;
    const auto stopWith = [&](Stop why) {
        if (stop == Stop::None) {
            stop = why;
            reply->abort();
        }
    };
    const auto take = [&] {
        while (stop == Stop::None && reply->bytesAvailable() > 0) {
            const QByteArray piece = reply->read(kReadBufferSize);
            received += static_cast<std::size_t>(piece.size());
            if (received > limits_.maxBytes) {
                stopWith(Stop::TooLarge);
                break;
            }
            writer.append(
                std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
            if (writer.error()) {
                stopWith(Stop::LocalError);
            }
        }
        stallTimer.start(intervalOf(limits_.stall));
    };
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { stopWith(Stop::TooSlow); });
    QObject::connect(&stallTimer, &QTimer::timeout, &loop, [&] { stopWith(Stop::Stalled); });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(intervalOf(limits_.total));
    stallTimer.start(intervalOf(limits_.stall));
    if (!reply->isFinished()) {
        // The window that started the download is disabled; keep the user's
        // clicks and keys away from the others until the reply is in.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();
    stallTimer.stop();
    take();
    stallTimer.stop();

    const auto error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const std::string why = reply->errorString().toStdString();
    reply->deleteLater();

    switch (stop) {
    case Stop::Stalled:
        return failed("the server sent nothing for " + secondsText(limits_.stall));
    case Stop::TooSlow:
        return failed("no complete reply within " + secondsText(limits_.total));
    case Stop::TooLarge:
        return failed("the reply is larger than " + std::to_string(limits_.maxBytes) + " bytes");
    case Stop::LocalError:
    case Stop::None:
        break;
    }
    if (stop == Stop::None && error != QNetworkReply::NoError) {
        return failed(why);
    }
    if (stop == Stop::None && (status < 200 || status > 299)) {
        return failed("the server answered with status " + std::to_string(status));
    }
    if (stop == Stop::None && announced.isValid() &&
        announced.toULongLong() != static_cast<qulonglong>(received)) {
        return failed("the reply ended after " + std::to_string(received) + " of " +
                      std::to_string(announced.toULongLong()) + " bytes");
    }
    if (const auto ec = writer.commit()) {
        return localError(ec);
    }
    DownloadResult result;
    result.status = DownloadResult::Status::Done;
    return result;
}

} // namespace dvx
