#include "CliArchive.h"

#include "CliInputs.h"

#include "ArchiveFile.h"
#include "ArchiveUpdate.h"
#include "ConsolePlatform.h"
#include "DownloadReader.h"
#include "Downloader.h"
#include "DrawList.h"
#include "FileReplace.h"
#include "Ritardi.h"
#include "ServerAddress.h"
#include "Statistics.h"

#ifdef DVX_HAVE_QT_NETWORK
#include "QtNetDownloader.h"
#endif

#include <filesystem>
#include <iostream>

namespace dvx::cli {

namespace {

constexpr std::string_view kProgramTitle = "Decaventrix";

int importText(Args& args) {
    const auto text = args.positional();
    const auto archivePath = args.takeRequired("--archive");
    args.finish();
    if (!text) {
        throw UsageError("archive import needs the text file to read");
    }
    std::string bytes;
    if (const auto ec = readWholeFile(*text, bytes)) {
        throw UsageError("cannot read " + *text + ": " + ec.message());
    }
    auto read = LoadArchivioTMP(bytes);
    if (read.error) {
        throw UsageError(*text + ": line " + std::to_string(read.errorLine) + ": " +
                         read.error->description);
    }
    if (read.accepted == 0) {
        throw UsageError(*text + ": no draw found");
    }
    ConsolePlatform platform;
    if (!SaveDVXArchive(archivePath, read.archivio, platform)) {
        return 2;
    }
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
            std::cerr << url << ": " << result.detail << "\n";
        }
        return result;
    }

private:
    Downloader& inner_;
};

int updateFromServer(Args& args) {
    const auto url = args.take("--url").value_or(serverUrl(kDefaultServerAddress, kArchivePath));
    const auto timeout = args.take("--timeout");
    const auto archivePath = args.takeRequired("--archive");
    args.finish();

    DownloadLimits limits;
    if (timeout) {
        const auto seconds = parseInt(*timeout, "--timeout");
        if (seconds < 1) {
            throw UsageError("--timeout must be at least 1 second");
        }
        limits.stall = std::chrono::seconds(seconds);
        limits.total = std::chrono::seconds(seconds);
    }
    ConsolePlatform platform;
    Archivio archivio;
    if (std::filesystem::is_regular_file(archivePath) &&
        !LoadArchivioDVX(archivePath, archivio, platform)) {
        return 2;
    }
    QtNetDownloader network(limits);
    ReportingDownloader downloader(network);
    const UpdateRequest request{url, downloadPath(), archivePath, frmUpdateCaption(kProgramTitle),
                                std::string(kProgramTitle)};
    if (updateArchive(archivio, request, downloader, platform) != UpdateOutcome::Updated) {
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
    const auto archivio = loadExistingArchive(archivePath);
    ConsolePlatform platform;
    const auto tables = Statistiche(archivio, csvPath, platform);
    if (!platform.shownMessages.empty()) {
        return 2;
    }
    for (const auto statistic : {Statistic::Consecutivi, Statistic::Ripetuti, Statistic::Pari,
                                 Statistic::Dispari, Statistic::Somma, Statistic::Frequenza}) {
        printChart(chartOf(tables, statistic));
    }
    std::cout << kRitardiName << " (" << kCurrentDelayName << " / " << kLongestDelayName << ")\n";
    for (const auto& label : ritardiLabels(ritardiOf(archivio))) {
        std::cout << "  " << label << "\n";
    }
    return 0;
}

} // namespace dvx::cli
