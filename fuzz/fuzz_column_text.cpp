// Any bytes given to the column text import: it must refuse or read
// columns of ten distinct numbers 1..20, which export and import again
// unchanged.

#include "ColumnText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto table = std::make_unique<dvx::ColumnTable>();
    const auto read = dvx::parseColumnText({reinterpret_cast<const char*>(data), size});
    if (!read.ok) {
        return 0;
    }
    for (std::size_t i = 0; i < read.columns.size(); ++i) {
        std::copy(read.columns[i].begin(), read.columns[i].end(),
                  table->row(static_cast<int>(i) + 1));
    }
    const auto count = static_cast<std::int32_t>(read.columns.size());
    const auto again = dvx::parseColumnText(dvx::columnText(*table, count));
    if (!again.ok || again.columns != read.columns) {
        std::abort();
    }
    return 0;
}
