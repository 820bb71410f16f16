#include "FixedNumbers.h"

#include <utility>

namespace dvx {

FixedNumberPicker loadFixedNumbers(Condizioni& condizioni, const NumberFlags& inPlay) {
    FixedNumberPicker picker;
    picker.inPlay = inPlay;
    auto& slots = condizioni.fisse;
    for (int s = 1; s <= kMaxFixed; ++s) {
        auto& slot = slots[static_cast<std::size_t>(s)];
        if (slot == 0) {
            continue;
        }
        const bool isNumber = slot >= 1 && slot <= kNumbers;
        if (isNumber && inPlay[static_cast<std::size_t>(slot - 1)]) {
            picker.selected[static_cast<std::size_t>(slot - 1)] = true;
        } else {
            slot = 0;
        }
    }
    for (int s = 1; s <= kMaxFixed; ++s) {
        for (int t = s + 1; t <= kMaxFixed; ++t) {
            auto& a = slots[static_cast<std::size_t>(s)];
            auto& b = slots[static_cast<std::size_t>(t)];
            if (a < b) {
                std::swap(a, b);
            }
        }
    }
    // Counted from the labels, so a stored count that disagrees with the
    // slots (or a number stored twice) cannot unbalance the limit of nine.
    for (const bool on : picker.selected) {
        picker.count += on ? 1 : 0;
    }
    condizioni.fisseCount = static_cast<std::uint8_t>(picker.count);
    return picker;
}

bool toggleFixedNumber(FixedNumberPicker& picker, int index) {
    const auto i = static_cast<std::size_t>(index);
    if (!picker.inPlay[i]) {
        return false;
    }
    if (picker.selected[i]) {
        picker.selected[i] = false;
        --picker.count;
        return true;
    }
    if (picker.count >= kMaxFixed) {
        return false;
    }
    picker.selected[i] = true;
    ++picker.count;
    return true;
}

void storeFixedNumbers(Condizioni& condizioni, const FixedNumberPicker& picker) {
    condizioni.fisse.fill(0);
    int slot = 0;
    for (int i = 0; i < kNumbers && slot < kMaxFixed; ++i) {
        if (picker.selected[static_cast<std::size_t>(i)]) {
            condizioni.fisse[static_cast<std::size_t>(++slot)] = static_cast<std::uint8_t>(i + 1);
        }
    }
    condizioni.fisseCount = static_cast<std::uint8_t>(slot);
}

} // namespace dvx
