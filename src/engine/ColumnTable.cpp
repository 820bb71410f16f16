#include "Model.h"

#include <algorithm>

namespace dvx {

void ColumnTable::clearAll() {
    std::fill(cells_.begin(), cells_.end(), std::uint8_t{0});
}

void ColumnTable::clearRows(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, kColumnCapacity);
    if (first > last) {
        return;
    }
    std::fill(cells_.begin() + static_cast<std::ptrdiff_t>(offset(first)),
              cells_.begin() + static_cast<std::ptrdiff_t>(offset(last + 1)), std::uint8_t{0});
}

} // namespace dvx
