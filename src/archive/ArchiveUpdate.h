#pragma once
// Bringing the archive up to date from the server: download the whole list
// of draws, read it, save it. The archive window then refills its list and
// recomputes the statistics, whatever the outcome.

#include "Archivio.h"

#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

class Downloader;
class Platform;

// The download file's name begins so; the rest makes it this process's own.
inline constexpr std::string_view kDownloadFileStem = "decavx_download.";
inline constexpr std::string_view kUpdatingText = "Aggiornamento in corso\r\nAttendere....";
inline constexpr std::string_view kDownloadFailedText =
    "Errore durante il download dell'aggiornamento";
inline constexpr std::string_view kBusyClosingText = "Aggiornamento Archivio in corso...attendere";
// Shown when an update brought nothing to store: the archive stays as it was.
inline constexpr std::string_view kNoDrawsText =
    "Il file scaricato non contiene estrazioni valide.\r\nL'archivio non è stato modificato.";
inline constexpr std::string_view kArchiveKeptText = "L'archivio non è stato modificato.";
// Shown when the reply ends inside a line: the transfer was cut.
inline constexpr std::string_view kIncompleteText =
    "Il file scaricato è incompleto.\r\nL'archivio non è stato modificato.";

// Asked before an update replaces the archive by one with fewer draws.
std::string shrinkQuestion(int downloaded, int held);

// The archive window's caption, also the title of its message boxes.
std::string frmUpdateCaption(std::string_view programTitle);

// A download file of this user and this process alone: created empty and
// private in the temporary folder (so another user's file, or another
// running copy, never stands in the way) and removed with the value.
class TemporaryDownload final {
public:
    TemporaryDownload();
    ~TemporaryDownload();
    TemporaryDownload(const TemporaryDownload&) = delete;
    TemporaryDownload& operator=(const TemporaryDownload&) = delete;

    // Empty when the file could not be created; error() says why.
    const std::string& path() const { return path_; }
    std::error_code error() const { return error_; }

private:
    std::string path_;
    std::error_code error_;
};

// Downloads url into localFile. A reply that cannot be written to localFile
// shows "Error n (description) in procedure DownloadFile of Modulo corpo".
// True when the file was downloaded.
bool DownloadFile(Downloader& downloader, const std::string& url, const std::string& localFile,
                  Platform& platform);

enum class UpdateOutcome {
    Updated,        // archive replaced in memory and on disk
    DownloadFailed, // nothing changed
    NothingRead,    // the reply held no draw, was cut, or a draw could not be read:
                    // nothing changed
    Kept,           // the reply held fewer draws than the archive; the user kept it
    SaveFailed,     // archive replaced in memory, the file kept its previous content
    Failed,         // an unexpected error; nothing changed
};

struct UpdateRequest {
    std::string url;          // the archive endpoint
    std::string downloadPath; // where the reply lands
    std::string archivePath;  // the archive file
    std::string caption;      // title of the window's messages
    std::string programTitle; // source of unexpected errors
};

// Downloads, reads and saves, showing the window's messages. The archive and
// its file change only when the whole reply came (its last line ended), held
// draws and all of them were read; a reply with fewer draws than the archive
// holds replaces it only when the user answers Yes to shrinkQuestion.
UpdateOutcome updateArchive(Archivio& archivio, const UpdateRequest& request,
                            Downloader& downloader, Platform& platform);

// True when the window must refill its draw list after the update.
constexpr bool archiveChanged(UpdateOutcome outcome) {
    return outcome == UpdateOutcome::Updated || outcome == UpdateOutcome::SaveFailed;
}

} // namespace dvx
