// The matrix text reader: the first two bytes choose the column count and N,
// the rest is the text. Every position read must be within 1..N.

#include "MatrixFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::int32_t columns = data[0];
    const int numbers = data[1] % 21;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto content = dvx::parseMatrixText(text, columns, numbers);
    if (content.status != dvx::MatrixFileStatus::Ok) {
        if (!content.positions.empty()) {
            std::abort();
        }
        return 0;
    }
    if (content.positions.size() != static_cast<std::size_t>(columns) * dvx::kColumnSize) {
        std::abort();
    }
    for (auto p : content.positions) {
        if (p < 1 || p > numbers) {
            std::abort();
        }
    }
    return 0;
}
