#pragma once
// What every condition dialog shares besides its widgets: the frame that
// holds what it edits and its common set-up.

class QDialog;
class QFrame;
class QString;
class QWidget;

namespace dvx {

// The frame without caption that holds what a dialog edits.
QFrame* makeEditingFrame(const QString& name, QWidget* parent);

// Caption, modality, size, and the common set-up: centred on the screen.
void finishSetUp(QDialog& dialog, const QString& caption);

} // namespace dvx
