#include "QtNetFetch.h"

#include "FileReplace.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace dvx {

namespace {

DownloadResult failed(DownloadResult::Status status, std::string detail) {
    DownloadResult result;
    result.status = status;
    result.detail = std::move(detail);
    return result;
}

} // namespace

QtNetFetch::QtNetFetch(DownloadLimits limits, QObject* parent)
    : QObject(parent), limits_(limits), manager_(new QNetworkAccessManager(this)) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (reply_ != nullptr) {
            timedOut_ = true;
            reply_->abort();
        }
    });
}

QtNetFetch::~QtNetFetch() {
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
        delete reply_.data();
    }
}

void QtNetFetch::start(const std::string& url, const std::string& localFile) {
    if (running()) {
        return;
    }
    running_ = true;
    timedOut_ = false;
    cancelled_ = false;
    tooLarge_ = false;
    localFile_ = localFile;
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() ||
        (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https"))) {
        // Reported from the event loop, as every other outcome is.
        QTimer::singleShot(0, this, [this, url] {
            end(failed(DownloadResult::Status::Failed, "not an http or https address: " + url));
        });
        return;
    }
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

    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, &QtNetFetch::progress);
    // A reply far larger than any archive is refused while it arrives.
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (reply_ != nullptr && static_cast<std::size_t>(received) > limits_.maxBytes) {
            tooLarge_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, &QtNetFetch::onReplyFinished);
    deadline_.start(static_cast<int>(limits_.total.count()));
}

void QtNetFetch::cancel() {
    if (reply_ != nullptr) {
        cancelled_ = true;
        reply_->abort();
    }
}

void QtNetFetch::onReplyFinished() {
    deadline_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    if (cancelled_) {
        end(failed(DownloadResult::Status::Cancelled, "cancelled"));
        return;
    }
    if (tooLarge_) {
        end(failed(DownloadResult::Status::Failed,
                   "the reply is larger than " + std::to_string(limits_.maxBytes) + " bytes"));
        return;
    }
    if (timedOut_) {
        end(failed(DownloadResult::Status::Failed, "no complete reply within the time limit"));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        end(failed(DownloadResult::Status::Failed, reply->errorString().toStdString()));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        end(failed(DownloadResult::Status::Failed,
                   "the server answered with status " + std::to_string(status)));
        return;
    }
    const QByteArray body = reply->readAll();
    if (const auto ec =
            replaceFile(localFile_, std::string_view(body.constData(),
                                                     static_cast<std::size_t>(body.size())))) {
        auto result = failed(DownloadResult::Status::LocalError, ec.message());
        result.localError = ec;
        end(result);
        return;
    }
    end(DownloadResult{DownloadResult::Status::Done, {}, {}});
}

void QtNetFetch::end(DownloadResult result) {
    result_ = std::move(result);
    running_ = false;
    emit finished();
}

} // namespace dvx
