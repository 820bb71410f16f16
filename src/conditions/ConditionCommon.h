#pragma once
// What the condition dialogs share: the ON/OFF option pair, when they may
// change anything at all, and the number labels.

#include "Model.h"

#include <array>
#include <string>

namespace dvx {

inline constexpr int kOptionOn = 0;
inline constexpr int kOptionOff = 1;

// The option a stored switch shows: any non-zero switch reads as on.
constexpr int optionOfSwitch(VBool condition) {
    return condition != 0 ? kOptionOn : kOptionOff;
}

// What choosing an option writes into the switch.
constexpr VBool switchOfOption(int option) {
    return option == kOptionOn ? kTrue : kFalse;
}

// The editing frames of the dialogs are enabled only while there are no
// developed columns.
inline bool conditionsEditable(const SystemState& state) {
    return !state.developed();
}

// Index n-1 for number n; the main window's grid says which are in play.
using NumberFlags = std::array<bool, kNumbers>;

// The two-digit caption of a number label ("01".."20").
std::string twoDigits(int value);

} // namespace dvx
