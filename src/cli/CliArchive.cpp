#include "CliArchive.h"

#include "CliInputs.h"
#include "CliOutputs.h"

#include "ArchiveFile.h"
#include "ArchiveUpdate.h"
#include "ConsolePlatform.h"
#include "Cp1252.h"
#include "DownloadReader.h"
#include "Downloader.h"
#include "DrawList.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "ServerAddress.h"
#include "Statistics.h"
#include "TemporaryFolder.h"

#ifdef DVX_HAVE_QT_NETWORK
#include "QtNetDownloader.h"
#endif

#include <chrono>
#include <iostream>

namespace dvx::cli {

namespace {

constexpr std::string_view kProgramTitle = "Decaventrix";
constexpr int kLongestTimeout = 3600; // seconds

int importText(Args& args) {
    const auto text = args.positional();
    const auto archivePath = args.takeRequired("--archive");
    args.finish();
    if (!text) {
        throw UsageError("archive import needs the text file to read");
    }
    refuseOverInput("--archive", archivePath, {*text});
    std::string bytes;
    if (const auto ec = readWholeFile(*text, bytes, kMaxReplySize)) {
        throw UsageError("cannot read " + *text + ": " + readFailure(ec, kMaxReplySize));
    }
    auto read = LoadArchivioTMP(bytes);
    if (read.error) {
        throw UsageError(*text + ": line " + std::to_string(read.errorLine) + ": " +
                         read.error->description);
    }
    if (read.accepted == 0) {
        throw UsageError(*text + ": no draw found");
    }
    writeOutputs({{"--archive", archivePath, archiveBytes(read.archivio)}});
    std::cout << read.accepted << " estrazioni\n";
    return 0;
}

int listArchive(Args& args) {
    const auto archivePath = args.takeRequired("--archive");
    args.finish();
    const auto list = PopolaListView(loadExistingArchive(archivePath));
    for (const auto& line : list.lines) {
        std::cout << line << "\n";
    }
    return 0;
}

#ifdef DVX_HAVE_QT_NETWORK
// Says on stderr why a download failed, which the program's own message does not.
class ReportingDownloader final : public Downloader {
public:
    explicit ReportingDownloader(Downloader& inner) : inner_(inner) {}
    DownloadResult download(const std::string& url, const std::string& localFile) override {
        auto result = inner_.download(url, localFile);
        if (!result.done()) {
            std::cerr << "decaventrix-cli: " << url << ": " << result.detail << "\n";
        }
        return result;
    }

private:
    Downloader& inner_;
};

std::chrono::seconds takeTimeout(Args& args) {
    const auto text = args.take("--timeout");
    if (!text) {
        return std::chrono::seconds(0);
    }
    const auto seconds = parseInt(*text, "--timeout");
    if (seconds < 1 || seconds > kLongestTimeout) {
        throw UsageError("--timeout: the limit is 1.." + std::to_string(kLongestTimeout) +
                         " seconds, got " + *text);
    }
    return std::chrono::seconds(seconds);
}

int updateFromServer(Args& args) {
    const auto url = args.take("--url").value_or(serverUrl(kDefaultServerAddress, kArchivePath));
    const auto timeout = takeTimeout(args);
    const bool allowShrink = args.flag("--allow-shrink");
    const auto archivePath = args.takeRequired("--archive");
    args.finish();

    DownloadLimits limits;
    if (timeout.count() > 0) {
        limits.stall = timeout;
        limits.total = timeout;
    }
    Archivio archivio = loadArchiveIfAny(archivePath);
    const TemporaryDownload download;
    if (download.path().empty()) {
        throw UsageError("cannot create a download file in " + temporaryFolder() + ": " +
                         download.error().message());
    }
    ConsolePlatform platform;
    // The only question an update asks is whether a smaller archive may
    // replace the one on disk.
    platform.questionAnswer = allowShrink ? Answer::Yes : Answer::No;
    QtNetDownloader network(limits);
    ReportingDownloader downloader(network);
    const UpdateRequest request{url, download.path(), archivePath, frmUpdateCaption(kProgramTitle),
                                std::string(kProgramTitle)};
    const auto outcome = updateArchive(archivio, request, downloader, platform);
    if (outcome == UpdateOutcome::Kept) {
        throw UsageError(archivePath + " kept: the reply holds fewer draws than the archive "
                                       "(--allow-shrink replaces it all the same)");
    }
    if (outcome != UpdateOutcome::Updated) {
        return 2;
    }
    std::cout << archivio.upperBound() << " estrazioni\n";
    return 0;
}
#endif

void printChart(const StatChart& chart) {
    std::cout << chart.name << "\n";
    for (const auto& label : chart.labels) {
        std::cout << "  " << label << "\n";
    }
}

} // namespace

int runArchive(Args& args) {
    const auto action = args.positional();
    if (action == "import") {
        return importText(args);
    }
    if (action == "list") {
        return listArchive(args);
    }
    if (action == "update") {
#ifdef DVX_HAVE_QT_NETWORK
        return updateFromServer(args);
#else
        throw UsageError("this build cannot download: it was made without Qt Network");
#endif
    }
    throw UsageError("archive needs import, update or list");
}

int runStats(Args& args) {
    const auto archivePath = args.takeRequired("--archive");
    const auto csvPath = args.takeRequired("--csv");
    args.finish();
    refuseOverInput("--csv", csvPath, {archivePath});
    const auto archivio = loadExistingArchive(archivePath);
    const auto run = computeStatistics(archivio);
    writeOutputs({{"--csv", csvPath, run.csv}});
    for (const auto statistic : {Statistic::Consecutivi, Statistic::Ripetuti, Statistic::Pari,
                                 Statistic::Dispari, Statistic::Somma, Statistic::Frequenza}) {
        printChart(chartOf(run.tables, statistic));
    }
    return 0;
}

} // namespace dvx::cli
