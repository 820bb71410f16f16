// Any bytes given as the archive file: a length that is no whole number of
// records is refused; otherwise every record is either dropped (empty),
// skipped and counted (damaged) or loaded as a draw the game can give, in
// file order, and written back to the same fields.

#include "ArchiveFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = dvx::parseArchiveFile(bytes);
    if (size % dvx::kRecordSize != 0) {
        if (read.ok() || !read.badLength) {
            std::abort();
        }
        return 0;
    }
    const int records = static_cast<int>(size / dvx::kRecordSize);
    const int draws = read.archivio.drawCount();
    if (!read.ok() || read.skipped < 0 || draws + read.skipped > records ||
        read.archivio.upperBound() != (draws > 0 ? draws : 1)) {
        std::abort();
    }
    int next = 0; // the record the last draw came from
    for (int i = 1; i <= draws; ++i) {
        const auto& draw = read.archivio[i];
        if (!dvx::holdsValidDraw(draw)) {
            std::abort();
        }
        // Draws keep file order: each comes from a later record than the one before.
        bool found = false;
        while (!found && next < records) {
            const auto record = dvx::readRecord(bytes.data() + dvx::kRecordSize * next++);
            found = record.numeri == draw.numeri && record.concorso == draw.concorso &&
                    record.numerone == draw.numerone;
        }
        std::string again;
        dvx::appendRecord(again, draw);
        const auto back = dvx::readRecord(again.data());
        if (!found || again.size() != dvx::kRecordSize || back.concorso != draw.concorso ||
            back.numeri != draw.numeri || back.numerone != draw.numerone) {
            std::abort();
        }
    }
    return 0;
}
