#pragma once
// Reading the draws the server sends: one draw per line, 14 fields split at
// "|": date, hour, the ten numbers in any order, the Numerone, the draw number.

#include "ArchiveFile.h"
#include "Archivio.h"
#include "ErrorCodes.h"

#include <optional>
#include <string_view>

namespace dvx {

struct DownloadRead {
    // The accepted draws in line order, exactly as many records as draws
    // (one empty record when none was accepted).
    Archivio archivio;
    int accepted = 0;
    // Set when a 14-field line could not be read; reading stopped there and
    // archivio holds the draws before it.
    std::optional<ClassicError> error;
    int errorLine = 0; // 1-based line of the error
};

// Lines end with CR LF or a lone CR (a lone LF does not end a line). Lines
// without exactly 14 fields are skipped. Number fields may carry surrounding
// blanks; a field that is not a number is a type mismatch, one out of its
// type's range an overflow, and a draw whose numbers are not ten different
// numbers 1..20 with a Numerone 1..20 an invalid argument. Date and hour keep
// their text, cut or blank-padded to 10 and 5 characters (text is Windows-1252).
// At most kMaxArchiveDraws draws are taken; one more is an overflow.
DownloadRead LoadArchivioTMP(std::string_view text);

// A reply is whole only when its last line is ended (CR LF or a lone CR): a
// transfer cut inside a line may still look like a finished one.
bool replyComplete(std::string_view text);

} // namespace dvx
