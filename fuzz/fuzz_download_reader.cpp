// Any bytes given as a server reply: the reader must stop at an error or
// yield draws of ten distinct numbers 1..20 and a Numerone 1..20, with texts
// of exactly 10 and 5 characters, that the archive file stores unchanged.

#include "ArchiveFile.h"
#include "DownloadReader.h"

#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

int characters(const std::string& utf8) {
    int count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = dvx::LoadArchivioTMP({reinterpret_cast<const char*>(data), size});
    const int expected = read.accepted > 0 ? read.accepted : 1;
    if (read.archivio.upperBound() != expected) {
        std::abort();
    }
    for (int i = 1; i <= read.accepted; ++i) {
        const auto& draw = read.archivio[i];
        const auto bits = static_cast<std::uint32_t>(draw.numeri);
        if (std::popcount(bits) != 10 || (bits >> 20) != 0 || draw.numerone < 1 ||
            draw.numerone > 20 || characters(draw.data) != 10 || characters(draw.ora) != 5) {
            std::abort();
        }
        std::string bytes;
        dvx::appendRecord(bytes, draw);
        const auto back = dvx::readRecord(bytes.data());
        if (bytes.size() != dvx::kRecordSize || back.concorso != draw.concorso ||
            back.numeri != draw.numeri || back.numerone != draw.numerone) {
            std::abort();
        }
    }
    return 0;
}
