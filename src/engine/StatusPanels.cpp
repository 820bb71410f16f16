#include "StatusPanels.h"

namespace dvx {

StatusPanels statusPanels(const SystemState& state, const Separators& sep) {
    const auto count = state.sistema.columnCount;
    return {formatColumnCount(count, sep),
            formatCost(static_cast<double>(state.pricePerColumn) * count, sep),
            state.sistema.typeText};
}

} // namespace dvx
