#include "ArchiveFile.h"
#include "BusyGuard.h"

#include "ArchiveFiller.h"
#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Format.h"
#include "LittleEndian.h"
#include "Platform.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace dvx {

namespace {

constexpr std::size_t kDataOffset = 0;
constexpr std::size_t kOraOffset = 10;
constexpr std::size_t kConcorsoOffset = 15;
constexpr std::size_t kNumeriOffset = 19;
constexpr std::size_t kNumeroneOffset = 23;

void appendText(std::string& bytes, const std::string& text, std::size_t width) {
    if (text.empty()) {
        bytes.append(width, '\0');
        return;
    }
    std::string ansi = utf8ToCp1252(text);
    ansi.resize(width, ' ');
    bytes += ansi;
}

std::int32_t readInt32(const char* bytes) {
    return static_cast<std::int32_t>(readLeAt(std::string_view(bytes, 4), 0, 4));
}

std::string readText(const char* bytes, std::size_t width) {
    return cp1252ToUtf8(std::string_view(bytes, width));
}

std::string where(std::string_view procedure) {
    return std::string(procedure) + " of Form frmUpdate";
}

// Creates the missing archive file empty, as the first start does.
std::error_code createEmpty(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {errno, std::generic_category()};
    }
    ::close(fd);
    return {};
}

} // namespace

ClassicError writeErrorOf(std::error_code ec) {
    if (ec == std::errc::no_such_file_or_directory) {
        return classicError(kErrPathNotFound);
    }
    return classicErrorOf(ec);
}

void appendRecord(std::string& bytes, const Estrazione& draw) {
    appendText(bytes, draw.data, kOraOffset - kDataOffset);
    appendText(bytes, draw.ora, kConcorsoOffset - kOraOffset);
    ByteWriter writer(bytes);
    writer.i32(draw.concorso);
    writer.i32(draw.numeri);
    bytes += static_cast<char>(draw.numerone);
}

Estrazione readRecord(const char* bytes) {
    Estrazione draw;
    draw.data = readText(bytes + kDataOffset, kOraOffset - kDataOffset);
    draw.ora = readText(bytes + kOraOffset, kConcorsoOffset - kOraOffset);
    draw.concorso = readInt32(bytes + kConcorsoOffset);
    draw.numeri = readInt32(bytes + kNumeriOffset);
    draw.numerone = static_cast<std::uint8_t>(bytes[kNumeroneOffset]);
    return draw;
}

ArchiveFileRead readArchiveFile(const std::string& path) {
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes, kArchiveFileMaxSize)) {
        ArchiveFileRead read;
        read.error = error;
        return read;
    }
    return parseArchiveFile(bytes);
}

ArchiveFileRead parseArchiveFile(std::string_view bytes) {
    ArchiveFileRead read;
    if (bytes.size() % kRecordSize != 0) {
        read.badLength = true;
        return read;
    }
    ArchiveFiller filler;
    for (std::size_t at = 0; at < bytes.size(); at += kRecordSize) {
        const auto draw = readRecord(bytes.data() + at);
        if (draw.empty()) {
            continue;
        }
        if (holdsValidDraw(draw)) {
            filler.append(draw);
        } else {
            ++read.skipped;
        }
    }
    read.archivio = std::move(filler).finish();
    return read;
}

std::string skippedDrawsMessage(int skipped) {
    return "Estrazioni non valide ignorate:" + signedText(skipped);
}

bool LoadArchivioDVX(const std::string& path, Archivio& archivio, Platform& platform) {
    ArchiveFileRead read;
    {
        BusyGuard busy(platform);
        read = readArchiveFile(path);
        if (read.error == std::errc::no_such_file_or_directory) {
            read.error = createEmpty(path);
        }
    }
    if (read.error) {
        platform.message(
            errorMessageWithPath(writeErrorOf(read.error), path, where("LoadArchivioDVX")));
        return false;
    }
    if (read.badLength) {
        platform.message(errorMessageWithPath(classicError(kErrBadRecordLength), path,
                                              where("LoadArchivioDVX")));
        return false;
    }
    if (read.skipped > 0) {
        platform.message(skippedDrawsMessage(read.skipped), "", Icon::Exclamation);
    }
    archivio = std::move(read.archivio);
    return true;
}

std::string archiveBytes(const Archivio& archivio) {
    std::string bytes;
    bytes.reserve(kRecordSize * static_cast<std::size_t>(archivio.upperBound()));
    for (int i = 1; i <= archivio.upperBound(); ++i) {
        appendRecord(bytes, archivio[i]);
    }
    return bytes;
}

bool SaveDVXArchive(const std::string& path, const Archivio& archivio, Platform& platform) {
    std::error_code ec;
    {
        BusyGuard busy(platform);
        ec = replaceFile(path, archiveBytes(archivio));
    }
    if (ec) {
        platform.message(errorMessageWithPath(writeErrorOf(ec), path, where("SaveDVXArchive")));
        return false;
    }
    return true;
}

} // namespace dvx
