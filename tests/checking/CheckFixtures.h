#pragma once
// Small systems and archives built in memory for the checking tests.

#include "Archivio.h"
#include "Model.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dvx::test {

using Column = std::array<std::uint8_t, kColumnSize>;

// A developed system holding the given rows, in order, from row 1.
inline std::unique_ptr<SystemState> systemOf(const std::vector<Column>& columns,
                                             std::uint8_t numerone, float price) {
    auto state = std::make_unique<SystemState>();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::copy(columns[i].begin(), columns[i].end(),
                  state->colonne.row(static_cast<int>(i) + 1));
    }
    state->sistema.columnCount = static_cast<std::int32_t>(columns.size());
    state->developedMark = kDeveloped;
    state->numerone = numerone;
    state->pricePerColumn = price;
    return state;
}

inline NumberSet setOf(std::initializer_list<int> numbers) {
    NumberSet set = 0;
    for (const int n : numbers) {
        set |= NumberSet{1} << (n - 1);
    }
    return set;
}

inline Estrazione drawOf(std::int32_t concorso, std::string data, std::string ora, NumberSet numeri,
                         std::uint8_t numerone) {
    return Estrazione{std::move(data), std::move(ora), concorso, numeri, numerone};
}

inline Archivio archiveOf(const std::vector<Estrazione>& draws) {
    Archivio archivio;
    archivio.resize(static_cast<int>(draws.size()));
    for (std::size_t i = 0; i < draws.size(); ++i) {
        archivio[static_cast<int>(i) + 1] = draws[i];
    }
    return archivio;
}

} // namespace dvx::test
