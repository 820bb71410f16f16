#include "ArchiveUpdate.h"

#include "ArchiveFile.h"
#include "DownloadReader.h"
#include "Downloader.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Format.h"
#include "Platform.h"
#include "TemporaryFolder.h"

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <new>
#include <unistd.h>

namespace dvx {

namespace {

constexpr std::string_view kReaderWhere = "LoadArchivioTMP of Form frmUpdate";

std::string unexpectedErrorMessage(const ClassicError& error, std::string_view source) {
    return "Error " + std::to_string(error.number) + " (" + error.description + ") " +
           "\r\nlast DLL ( 0 ) source ( " + std::string(source) + " ) " +
           "\r\nin procedure cmdUpdate_Click of Form frmUpdate";
}

UpdateOutcome runUpdate(Archivio& archivio, const UpdateRequest& request, Downloader& downloader,
                        Platform& platform) {
    if (!DownloadFile(downloader, request.url, request.downloadPath, platform)) {
        platform.message(kDownloadFailedText, request.caption, Icon::Critical);
        return UpdateOutcome::DownloadFailed;
    }
    std::string text;
    if (const auto ec = readWholeFile(request.downloadPath, text, kMaxReplySize)) {
        platform.message(
            errorMessageWithPath(classicErrorOf(ec), request.downloadPath, kReaderWhere));
        platform.message(kArchiveKeptText, request.caption, Icon::Exclamation);
        return UpdateOutcome::NothingRead;
    }
    if (!text.empty() && !replyComplete(text)) {
        platform.message(kIncompleteText, request.caption, Icon::Exclamation);
        return UpdateOutcome::NothingRead;
    }
    auto read = LoadArchivioTMP(text);
    if (read.error) {
        platform.message(errorMessage(*read.error, kReaderWhere));
        platform.message(kArchiveKeptText, request.caption, Icon::Exclamation);
        return UpdateOutcome::NothingRead;
    }
    if (read.accepted == 0) {
        platform.message(kNoDrawsText, request.caption, Icon::Exclamation);
        return UpdateOutcome::NothingRead;
    }
    const int held = archivio.drawCount();
    if (read.accepted < held &&
        platform.message(shrinkQuestion(read.accepted, held), request.caption, Icon::Question,
                         Buttons::YesNo) != Answer::Yes) {
        return UpdateOutcome::Kept;
    }
    archivio = std::move(read.archivio);
    return SaveDVXArchive(request.archivePath, archivio, platform) ? UpdateOutcome::Updated
                                                                   : UpdateOutcome::SaveFailed;
}

} // namespace

std::string frmUpdateCaption(std::string_view programTitle) {
    return " Archivio Estrazioni - " + std::string(programTitle);
}

std::string shrinkQuestion(int downloaded, int held) {
    return "Il file scaricato contiene" + signedText(downloaded) + " estrazioni, meno delle" +
           signedText(held) +
           " presenti in archivio.\r\nSostituire l'archivio con quello scaricato?";
}

TemporaryDownload::TemporaryDownload() {
    std::string name = temporaryFolder() + std::string(kDownloadFileStem) + "XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    ::close(fd);
    path_ = std::move(name);
}

TemporaryDownload::~TemporaryDownload() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

bool DownloadFile(Downloader& downloader, const std::string& url, const std::string& localFile,
                  Platform& platform) {
    const auto result = downloader.download(url, localFile);
    if (result.status == DownloadResult::Status::LocalError) {
        platform.message(
            errorMessage(writeErrorOf(result.localError), "DownloadFile of Modulo corpo"));
    }
    return result.done();
}

UpdateOutcome updateArchive(Archivio& archivio, const UpdateRequest& request,
                            Downloader& downloader, Platform& platform) {
    ClassicError error;
    try {
        return runUpdate(archivio, request, downloader, platform);
    } catch (const std::bad_alloc&) {
        error = {7, "Out of memory"};
    } catch (const std::exception&) {
        error = classicError(kErrInvalidCall);
    }
    platform.message(unexpectedErrorMessage(error, request.programTitle));
    return UpdateOutcome::Failed;
}

} // namespace dvx
