#include "ConditionDialog.h"

#include "QtFormSetup.h"

#include <QDialog>
#include <QFrame>

namespace dvx {

QFrame* makeEditingFrame(const QString& name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    return frame;
}

void finishSetUp(QDialog& dialog, const QString& caption) {
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.adjustSize();
    centreOnScreen(dialog);
}

} // namespace dvx
