#pragma once
// The archive file: a plain sequence of 24-byte little-endian records, one
// per draw, in archive order (no header, no count, no trailer).

#include "Archivio.h"
#include "ErrorCodes.h"

#include <string>
#include <string_view>

namespace dvx {

class Platform;

inline constexpr std::size_t kRecordSize = 24;
// Over a century of hourly draws; an archive file or a reply holding more is
// no archive of this game.
inline constexpr int kMaxArchiveDraws = 1'000'000;
inline constexpr std::size_t kArchiveFileMaxSize = kRecordSize * kMaxArchiveDraws;

// Appends the record's 24 bytes: Data (10), Ora (5), Concorso (4), Numeri (4),
// Numerone (1). Texts go out in Windows-1252, blank-padded; an empty text is
// written as zero bytes.
void appendRecord(std::string& bytes, const Estrazione& draw);
// The record stored in the 24 bytes at bytes.
Estrazione readRecord(const char* bytes);

// The classic error of a failed file creation or write: a missing folder is
// a path not found.
ClassicError writeErrorOf(std::error_code ec);

// An archive file as read, before anything is shown.
struct ArchiveFileRead {
    std::error_code error;  // could not be read (or larger than kArchiveFileMaxSize)
    bool badLength = false; // not a whole number of 24-byte records: refused
    Archivio archivio;      // the records that hold a valid draw, in file order
    int skipped = 0;        // records skipped as damaged (Numeri 0 is no damage)

    bool ok() const { return !error && !badLength; }
};

// Reads the whole file. A record with Numeri 0 is an empty slot and is
// dropped; one whose Numeri are not ten numbers 1..20, or whose Numerone is
// above 20, is damaged: it is skipped and counted, so that neither the check
// nor the statistics ever see it.
ArchiveFileRead readArchiveFile(const std::string& path);
ArchiveFileRead parseArchiveFile(std::string_view bytes);

// "Estrazioni non valide ignorate: 3"
std::string skippedDrawsMessage(int skipped);

// Fills a fresh archive from the file (readArchiveFile) and swaps it in;
// damaged records are reported in one message naming how many. A missing
// file is created empty, giving an archive of one empty record. On an error
// (also a length that is not a multiple of 24) the archive is left as it
// was, the error message is shown and false returned.
bool LoadArchivioDVX(const std::string& path, Archivio& archivio, Platform& platform);

// The file image of the archive: every record, empty ones included.
std::string archiveBytes(const Archivio& archivio);

// Writes every record of the archive, empty ones included, through a
// temporary file renamed over path, so that a failed save keeps the previous
// file. On an error shows the message and returns false.
bool SaveDVXArchive(const std::string& path, const Archivio& archivio, Platform& platform);

} // namespace dvx
