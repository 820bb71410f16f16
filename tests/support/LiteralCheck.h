#pragma once
// The archive check written out column by column, as the program first did
// it: the reference the fast check is compared with.

#include "ArchiveCheck.h"
#include "Model.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace dvx::test {

inline std::vector<ArchiveCheckRow>
literalArchiveCheck(const SystemState& system, const Archivio& archivio, int first, int last) {
    // (points, Numerone hit) of each count, in the grid's order.
    static constexpr std::array<std::pair<int, bool>, 16> kOrder = {{
        {10, true},
        {10, false},
        {9, true},
        {9, false},
        {8, true},
        {8, false},
        {7, true},
        {7, false},
        {3, true},
        {3, false},
        {2, true},
        {2, false},
        {1, true},
        {1, false},
        {0, true},
        {0, false},
    }};
    std::vector<ArchiveCheckRow> rows;
    for (int k = first; k <= last; ++k) {
        const Estrazione& draw = archivio[k];
        std::array<bool, 256> marked{}; // by number; only 1..20 can be drawn
        for (int n = 1; n <= 20; ++n) {
            marked[static_cast<std::size_t>(n)] = ((draw.numeri >> (n - 1)) & 1) != 0;
        }
        ArchiveCheckRow row;
        row.concorso = draw.concorso;
        row.data = draw.data;
        row.ora = draw.ora;
        row.numeri = draw.numeri;
        row.numerone = draw.numerone;
        row.numeroneHit = system.numerone != 0 && draw.numerone == system.numerone;
        // Where each score is counted for this draw; -1 = counted nowhere.
        std::array<int, 11> countOf{};
        countOf.fill(-1);
        for (std::size_t c = 0; c < kOrder.size(); ++c) {
            const auto [points, hit] = kOrder[c];
            const bool counts = points >= 7 || system.pricePerColumn == 2.0f;
            if (counts && hit == row.numeroneHit) {
                countOf[static_cast<std::size_t>(points)] = static_cast<int>(c);
            }
        }
        int max = 0;
        int min = 10;
        for (std::int32_t i = 1; i <= system.sistema.columnCount; ++i) {
            const std::uint8_t* column = system.colonne.row(i);
            int points = 0;
            for (int p = 0; p < 10; ++p) {
                points += marked[column[p]] ? 1 : 0;
            }
            if (countOf[static_cast<std::size_t>(points)] >= 0) {
                ++row.counts[static_cast<std::size_t>(countOf[static_cast<std::size_t>(points)])];
            }
            max = points > max ? points : max;
            min = points < min ? points : min;
        }
        row.max = static_cast<std::uint8_t>(max);
        row.min = static_cast<std::uint8_t>(min);
        rows.push_back(row);
    }
    return rows;
}

} // namespace dvx::test
