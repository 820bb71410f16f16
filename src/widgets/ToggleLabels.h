#pragma once
// Arrays of toggle labels that a press and a sweep of the mouse toggle one by
// one; a label's selection is held in its "tag" property ("1" or "0").

#include "CellLook.h"

#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace dvx {

class CellGrid;

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kLightGrey{224, 224, 224};

// The look of a toggle label: red with white text when selected.
CellLook toggleLook(bool selected);
// A label whose number is not in play: light-grey text, in italics.
CellLook outOfPlayLook();

// count toggle labels named name + "_" + index, indexes from firstIndex up.
// onToggle receives the label's index.
CellGrid* makeToggleLabels(const QString& name, int count, int columns, int firstIndex,
                           std::function<void(int)> onToggle, QWidget* parent);

// Flips the label at position (0-based) of a toggle array: tag and look.
// Returns whether it is now selected.
bool toggleLabel(CellGrid& labels, int position);

bool isTagged(const QLabel* label);
void setTagged(QLabel* label, bool selected);

} // namespace dvx
