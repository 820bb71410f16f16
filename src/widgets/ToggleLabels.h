#pragma once
// The pieces every condition dialog is built from: the "Condizione" frame
// with its ON/OFF option pair, and arrays of toggle labels that a press and
// a sweep of the mouse toggle one by one.

#include "CellLook.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <string_view>

class QDialog;
class QFrame;
class QLabel;
class QRadioButton;

namespace dvx {

class frmCellGrid;

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kLightGrey{224, 224, 224};

// The look of a toggle label: red with white text when selected.
CellLook toggleLook(bool selected);
// A label whose number is not in play: light-grey text, in italics.
CellLook outOfPlayLook();

// Two option buttons "ON" (index 0) and "OFF" (index 1), named
// name + "_0" and name + "_1". The chosen one is yellow with black text, the
// other keeps the button face with grey text.
class frmOnOff final : public QGroupBox {
public:
    frmOnOff(const QString& title, const QString& name, QWidget* parent = nullptr);

    // Called when the user chooses an option.
    std::function<void(int)> onChoose;

    void showChosen(int option);
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }

private:
    std::array<QRadioButton*, 2> options_{};
};

// count toggle labels named name + "_" + index, indexes from firstIndex up.
// onToggle receives the label's index.
frmCellGrid* makeToggleLabels(const QString& name, int count, int columns, int firstIndex,
                              std::function<void(int)> onToggle, QWidget* parent);

// The frame without caption that holds what a dialog edits.
QFrame* makeEditingFrame(const QString& name, QWidget* parent);

// Caption, modality, size, and the common set-up: centred on the screen.
void finishSetUp(QDialog& dialog, const QString& caption);

// Flips the label at position (0-based) of a toggle array: tag and look.
// Returns whether it is now selected.
bool toggleLabel(frmCellGrid& labels, int position);

// A label's selection is held in its "tag" property: "1" or "0".
bool isTagged(const QLabel* label);
void setTagged(QLabel* label, bool selected);

// UTF-8 text of the rules as a Qt string.
QString qtText(std::string_view text);

} // namespace dvx
