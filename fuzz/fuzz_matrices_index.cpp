// The matrices index reader and the list lines over any bytes.

#include "MatricesIndex.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto records = dvx::parseMatricesIndex(bytes);
    if (records.size() != size / dvx::kMatrixRecordSize) {
        std::abort();
    }
    for (const auto& r : dvx::listedRecords(records)) {
        (void)dvx::matDispListLine(r, 2.0f);
        const int level = dvx::matrixReductionLevel(r);
        if (level < 0 || level > 3) {
            std::abort();
        }
    }
    for (const auto& r : dvx::matchingRecords(records, 12)) {
        if (r.numbers != 12) {
            std::abort();
        }
        (void)dvx::adattaListLine(r, 1.0f);
    }
    return 0;
}
