#include "frmConditionParts.h"

#include "ConditionCommon.h"
#include "QtFormSetup.h"
#include "frmCellGrid.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>

namespace dvx {

namespace {

QString css(const QColor& c) {
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QColor qtColour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

CellLook toggleLook(bool selected) {
    return selected ? CellLook{kRed, kWhite, false} : CellLook{kWhite, kBlack, false};
}

CellLook outOfPlayLook() {
    return {kWhite, kLightGrey, false};
}

frmOnOff::frmOnOff(const QString& title, const QString& name, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName("Frame3");
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(12);
    const char* captions[] = {"ON", "OFF"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(captions[i], this);
        button->setObjectName(QString("%1_%2").arg(name).arg(i));
        button->setMinimumWidth(72);
        connect(button, &QRadioButton::clicked, this, [this, i] {
            if (onChoose) {
                onChoose(i);
            }
        });
        layout->addWidget(button);
        options_[static_cast<std::size_t>(i)] = button;
    }
    layout->addStretch();
}

void frmOnOff::showChosen(int chosen) {
    const auto face = palette().color(QPalette::Active, QPalette::Button);
    const auto greyText = palette().color(QPalette::Disabled, QPalette::WindowText);
    for (int i = 0; i < 2; ++i) {
        auto* button = options_[static_cast<std::size_t>(i)];
        const bool on = i == chosen;
        button->setChecked(on);
        button->setStyleSheet(
            QString("QRadioButton { background: %1; color: %2; padding: 4px 10px;"
                    " border-radius: 4px; font-weight: bold; }")
                .arg(css(on ? qtColour(kYellow) : face), css(on ? qtColour(kBlack) : greyText)));
    }
}

frmCellGrid* makeToggleLabels(const QString& name, int count, int columns, int firstIndex,
                              std::function<void(int)> onToggle, QWidget* parent) {
    auto* grid = new frmCellGrid(name, count, columns, true, parent);
    for (int i = 0; i < count; ++i) {
        auto* label = grid->cell(i);
        label->setObjectName(QString("%1_%2").arg(name).arg(firstIndex + i));
        setTagged(label, false);
        grid->setLook(i, toggleLook(false));
    }
    grid->onClick = [onToggle = std::move(onToggle), firstIndex](int position) {
        onToggle(firstIndex + position);
    };
    return grid;
}

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

bool toggleLabel(frmCellGrid& labels, int position) {
    auto* label = labels.cell(position);
    const bool selected = !isTagged(label);
    setTagged(label, selected);
    labels.setLook(position, toggleLook(selected));
    return selected;
}

bool isTagged(const QLabel* label) {
    return label->property("tag").toString() == "1";
}

void setTagged(QLabel* label, bool selected) {
    label->setProperty("tag", selected ? "1" : "0");
}

} // namespace dvx
