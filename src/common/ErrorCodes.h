#pragma once
// File errors as the program reports them: the classic runtime error number
// and its description, and the message text built from them.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

struct ClassicError {
    int number = 0;
    std::string description;
};

// The classic numbers the program's messages use.
inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrOutOfMemory = 7;
inline constexpr int kErrSubscript = 9;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrBadRecordLength = 59;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrInputPastEnd = 62;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;

// The error with its classic description ("File not found", ...).
ClassicError classicError(int number);

// Maps an operating-system error to its classic counterpart: a missing file
// is 53, a refused access 70, a missing folder 76, a full disk 61, a file
// larger than its format allows an overflow (6); anything else is a
// path/file access error (75).
ClassicError classicErrorOf(std::error_code ec);
ClassicError classicErrorOfErrno(int errnoValue);
// As classicErrorOf, telling a missing folder (76) from a missing file (53)
// by looking at the folder of path.
ClassicError classicErrorOf(std::error_code ec, const std::filesystem::path& path);

// "Error 53 (File not found) in procedure " + where, where being e.g.
// "SalvaColonneTxt of Modulo corpo" or "mnuApri_Click of Form frmMAIN".
std::string errorMessage(const ClassicError& error, std::string_view where);

// As errorMessage, but for the path errors 75 and 76 the description is
// followed by " --> " and the path, as the archive window reports them.
std::string errorMessageWithPath(const ClassicError& error, std::string_view path,
                                 std::string_view where);

// A piece of a file fit for one line of a message: at most 80 bytes, then
// "..."; control bytes and backslashes written as \xNN. Bytes stay as they
// were (Windows-1252 for the program's texts).
std::string quotedLine(std::string_view line);

} // namespace dvx
