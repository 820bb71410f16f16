#pragma once
// The reduced-system dialog's rules: the level labels and the switch.

#include "Model.h"

namespace dvx {

inline constexpr int kFirstReductionLevel = 1;

// The level label shown chosen for the stored level; 0 when none is (level
// 0, never chosen, or a level no label stands for).
constexpr int chosenReductionLabel(const Condizioni& condizioni) {
    const int level = condizioni.ridottoLevel;
    return level >= kFirstReductionLevel && level <= kMaxReductionLevel ? level : 0;
}

constexpr void chooseReductionLevel(Condizioni& condizioni, int level) {
    condizioni.ridottoLevel = static_cast<std::uint8_t>(level);
}

} // namespace dvx
