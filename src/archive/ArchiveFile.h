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

// Appends the record's 24 bytes: Data (10), Ora (5), Concorso (4), Numeri (4),
// Numerone (1). Texts go out in Windows-1252, blank-padded; an empty text is
// written as zero bytes.
void appendRecord(std::string& bytes, const Estrazione& draw);
// The record stored in the 24 bytes at bytes.
Estrazione readRecord(const char* bytes);

// The classic error of a failed file creation or write: a missing folder is
// a path not found.
ClassicError writeErrorOf(std::error_code ec);

// Fills a fresh archive from the file's records that hold a draw (records
// with Numeri 0 are dropped, a trailing piece shorter than a record is
// ignored) and swaps it in. A missing file is created empty, giving an archive
// of one empty record. On an error the archive is left as it was, the error
// message is shown and false returned.
bool LoadArchivioDVX(const std::string& path, Archivio& archivio, Platform& platform);

// Writes every record of the archive, empty ones included, through a
// temporary file renamed over path, so that a failed save keeps the previous
// file. On an error shows the message and returns false.
bool SaveDVXArchive(const std::string& path, const Archivio& archivio, Platform& platform);

} // namespace dvx
