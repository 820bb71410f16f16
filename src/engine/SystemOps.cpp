#include "SystemOps.h"

namespace dvx {

void resetSystem(SystemState& state, bool keepNumbers) {
    if (!keepNumbers) {
        state.selected.fill(false);
        state.sistema.countInPlay = 0;
        state.numerone = 0;
        state.sistema.columnCount = 0;
        state.sistema.typeText.clear();
    }
    state.colonne.clearAll();
    state.condizioni = Condizioni{};
    state.filtri = FilterTable{};
    state.consecutivi = Consecutivi{};
    state.developedMark = 0;
}

void discardColumns(SystemState& state) {
    state.developedMark = 0;
    state.colonne.clearRows(1, state.sistema.columnCount);
    state.sistema.columnCount = 0;
    state.sistema.typeText.clear();
}

void selectNumber(SystemState& state, int number, bool selected) {
    auto& cell = state.selected[static_cast<std::size_t>(number - 1)];
    if (cell == selected) {
        return;
    }
    cell = selected;
    state.sistema.countInPlay =
        static_cast<std::uint8_t>(state.sistema.countInPlay + (selected ? 1 : -1));
}

bool toggleNumber(SystemState& state, int number) {
    const bool now = !state.selected[static_cast<std::size_t>(number - 1)];
    selectNumber(state, number, now);
    return now;
}

void rebuildNumbersInPlay(SystemState& state) {
    auto& s = state.sistema;
    int k = 0;
    for (int n = 1; n <= kNumbers; ++n) {
        if (state.selected[static_cast<std::size_t>(n - 1)]) {
            s.numbers[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
        }
    }
    if (k < kNumbers) {
        s.numbers[static_cast<std::size_t>(k)] = 0;
    }
    s.countInPlay = static_cast<std::uint8_t>(k);
}

bool anyConditionActive(const SystemState& state) {
    const auto& c = state.condizioni;
    return state.filtri.count > 0 || state.consecutivi.on != 0 || c.fisseOn != 0 ||
           c.pariDispariOn != 0 || c.sommaOn != 0;
}

} // namespace dvx
