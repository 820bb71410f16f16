#pragma once
// The look of a pair of exclusive options (ON/OFF, the two prices): the
// chosen one yellow with black bold text, the other the button face with the
// grey of disabled text.

#include "CellLook.h"

#include <QString>

#include <span>

class QRadioButton;
class QWidget;

namespace dvx {

// The style sheet of an option button with the given look.
QString optionStyleSheet(const CellLook& look);

// Checks options[chosen] and paints every option of the group.
void showChosenOption(std::span<QRadioButton* const> options, int chosen);

} // namespace dvx
