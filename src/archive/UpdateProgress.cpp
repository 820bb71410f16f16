#include "UpdateProgress.h"

#include "ArchiveUpdate.h"

namespace dvx {

namespace {

std::string kilobytes(std::int64_t bytes, const Separators& sep) {
    return formatPicture(static_cast<double>((bytes + 1023) / 1024), "###,##0", sep) + " KB";
}

} // namespace

std::string updateProgressText(std::int64_t received, std::int64_t total, const Separators& sep) {
    std::string text(kUpdatingText);
    if (received <= 0) {
        return text;
    }
    text += "\r\n" + kilobytes(received, sep);
    text += total > 0 ? " di " + kilobytes(total, sep) : " ricevuti";
    return text;
}

} // namespace dvx
