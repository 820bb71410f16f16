#include "ErrorCodes.h"

#include <cerrno>

namespace dvx {

ClassicError classicError(int number) {
    struct Entry {
        int number;
        const char* description;
    };
    static constexpr Entry kTable[] = {
        {kErrInvalidCall, "Invalid procedure call or argument"},
        {kErrOverflow, "Overflow"},
        {kErrOutOfMemory, "Out of memory"},
        {kErrSubscript, "Subscript out of range"},
        {kErrTypeMismatch, "Type mismatch"},
        {kErrFileNotFound, "File not found"},
        {kErrBadRecordLength, "Bad record length"},
        {kErrDiskFull, "Disk full"},
        {kErrInputPastEnd, "Input past end of file"},
        {kErrPermissionDenied, "Permission denied"},
        {kErrPathFileAccess, "Path/File access error"},
        {kErrPathNotFound, "Path not found"},
    };
    for (const auto& e : kTable) {
        if (e.number == number) {
            return {number, e.description};
        }
    }
    return {number, "Application-defined or object-defined error"};
}

ClassicError classicErrorOfErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return classicError(kErrFileNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return classicError(kErrPermissionDenied);
    case ENOTDIR:
        return classicError(kErrPathNotFound);
    case EOVERFLOW:
        return classicError(kErrOverflow);
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return classicError(kErrDiskFull);
    default:
        return classicError(kErrPathFileAccess);
    }
}

ClassicError classicErrorOf(std::error_code ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
        return classicErrorOfErrno(ec.value());
    }
    const auto generic = ec.default_error_condition();
    if (generic.category() == std::generic_category()) {
        return classicErrorOfErrno(generic.value());
    }
    return classicError(kErrPathFileAccess);
}

ClassicError classicErrorOf(std::error_code ec, const std::filesystem::path& path) {
    auto error = classicErrorOf(ec);
    if (error.number == kErrFileNotFound) {
        std::error_code ignored;
        const auto folder = path.parent_path();
        if (!folder.empty() && !std::filesystem::is_directory(folder, ignored)) {
            return classicError(kErrPathNotFound);
        }
    }
    return error;
}

std::string errorMessage(const ClassicError& error, std::string_view where) {
    return "Error " + std::to_string(error.number) + " (" + error.description + ") in procedure " +
           std::string(where);
}

std::string errorMessageWithPath(const ClassicError& error, std::string_view path,
                                 std::string_view where) {
    if (error.number != kErrPathFileAccess && error.number != kErrPathNotFound) {
        return errorMessage(error, where);
    }
    return "Error " + std::to_string(error.number) + " (" + error.description + " --> " +
           std::string(path) + ") in procedure " + std::string(where);
}

std::string quotedLine(std::string_view line) {
    constexpr std::size_t kQuotedLength = 80;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < line.size() && i < kQuotedLength; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7F || c == '\\') {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (line.size() > kQuotedLength) {
        out += "...";
    }
    return out;
}

} // namespace dvx
