#pragma once
// One download over HTTP or HTTPS that runs while the event loop goes on:
// the window that started it stays responsive, can show the bytes received
// and can cancel it. It ends, at the latest, when its time limits pass.

#include "Downloader.h"
#include "QtNetDownloader.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace dvx {

class QtNetFetch final : public QObject {
    Q_OBJECT
public:
    explicit QtNetFetch(DownloadLimits limits = {}, QObject* parent = nullptr);
    ~QtNetFetch() override;

    // Starts downloading url into localFile, asking for a fresh copy and
    // following redirects; the local file is written only once the whole
    // reply is in. Ignored while a download runs.
    void start(const std::string& url, const std::string& localFile);
    // Stops the running download; finished() follows with Cancelled.
    void cancel();

    bool running() const { return running_; }
    // The outcome of the last download that ended.
    const DownloadResult& result() const { return result_; }

signals:
    // total is -1 when the server did not say.
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void end(DownloadResult result);
    void onReplyFinished();

    DownloadLimits limits_;
    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    std::string localFile_;
    bool running_ = false;
    bool timedOut_ = false;
    bool cancelled_ = false;
    bool tooLarge_ = false;
    DownloadResult result_;
};

} // namespace dvx
