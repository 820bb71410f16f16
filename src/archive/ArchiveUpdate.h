#pragma once
// Bringing the archive up to date from the server: download the whole list
// of draws, read it, save it. The archive window then refills its list and
// recomputes the statistics, whatever the outcome.

#include "Archivio.h"

#include <string>
#include <string_view>

namespace dvx {

class Downloader;
struct DownloadResult;
class Platform;

inline constexpr std::string_view kDownloadFileName = "decavx_download.dat";
inline constexpr std::string_view kUpdatingText = "Aggiornamento in corso\r\nAttendere....";
inline constexpr std::string_view kDownloadFailedText =
    "Errore durante il download dell'aggiornamento";
inline constexpr std::string_view kBusyClosingText = "Aggiornamento Archivio in corso...attendere";
// Shown when an update brought nothing to store: the archive stays as it was.
inline constexpr std::string_view kNoDrawsText =
    "Il file scaricato non contiene estrazioni valide.\r\nL'archivio non è stato modificato.";
inline constexpr std::string_view kArchiveKeptText = "L'archivio non è stato modificato.";

// The archive window's caption, also the title of its message boxes.
std::string frmUpdateCaption(std::string_view programTitle);

// The download path: the temporary folder followed by "decavx_download.dat".
std::string downloadPath();

// Downloads url into localFile. A reply that cannot be written to localFile
// shows "Error n (description) in procedure DownloadFile of Modulo corpo".
// True when the file was downloaded.
bool DownloadFile(Downloader& downloader, const std::string& url, const std::string& localFile,
                  Platform& platform);
// What DownloadFile says about a download that has ended.
bool downloadSucceeded(const DownloadResult& result, Platform& platform);

enum class UpdateOutcome {
    Updated,        // archive replaced in memory and on disk
    DownloadFailed, // nothing changed
    NothingRead,    // the reply held no draw, or a draw could not be read: nothing changed
    SaveFailed,     // archive replaced in memory, the file kept its previous content
    Failed,         // an unexpected error; nothing changed
    Cancelled,      // the user stopped the download; nothing changed, nothing shown
};

struct UpdateRequest {
    std::string url;          // the archive endpoint
    std::string downloadPath; // where the reply lands
    std::string archivePath;  // the archive file
    std::string caption;      // title of the window's messages
    std::string programTitle; // source of unexpected errors
};

// Downloads, reads and saves, showing the window's messages. The archive and
// its file change only when the reply held draws and all of them were read.
UpdateOutcome updateArchive(Archivio& archivio, const UpdateRequest& request,
                            Downloader& downloader, Platform& platform);

// The same steps once the download of request.url into request.downloadPath
// has ended with result: for a window that downloads without blocking.
UpdateOutcome finishUpdate(Archivio& archivio, const UpdateRequest& request,
                           const DownloadResult& result, Platform& platform);

// True when the window must refill its draw list after the update.
constexpr bool archiveChanged(UpdateOutcome outcome) {
    return outcome == UpdateOutcome::Updated || outcome == UpdateOutcome::SaveFailed;
}

} // namespace dvx
