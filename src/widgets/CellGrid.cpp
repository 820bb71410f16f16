#include "CellGrid.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace dvx {

namespace {

QString css(const Rgb& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

} // namespace

CellGrid::CellGrid(const QString& namePrefix, int count, int columns, bool sweep, QWidget* parent)
    : QWidget(parent), columns_(columns), sweep_(sweep) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("%1_%2").arg(namePrefix).arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumSize(38, 30);
        label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // The grid handles the mouse, so a press-and-sweep crosses cells.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label, i / columns, i % columns);
        cells_.push_back(label);
        looks_.push_back({kWhite, kGreen, false});
        applyStyle(i);
    }
}

void CellGrid::setLook(int index, const CellLook& look) {
    looks_[static_cast<std::size_t>(index)] = look;
    applyStyle(index);
}

void CellGrid::applyStyle(int index) {
    const auto& look = looks_[static_cast<std::size_t>(index)];
    const bool focused = hasFocus() && index == focusCell_;
    cells_[static_cast<std::size_t>(index)]->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; font-weight: %3; font-size: 11pt;"
                       " border: %4; border-radius: 4px; }")
            .arg(css(look.background), css(look.text),
                 look.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
                 focused ? QStringLiteral("2px dashed rgb(0,0,0)")
                         : QStringLiteral("1px solid rgb(0,128,0)")));
}

int CellGrid::cellAt(QPoint pos) const {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (cells_[i]->geometry().contains(pos)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CellGrid::click(int index) {
    if (index >= 0 && onClick) {
        onClick(index);
    }
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = true;
    underPointer_ = cellAt(event->position().toPoint());
    if (underPointer_ >= 0) {
        // The keys go on from the cell last pressed.
        const int previous = focusCell_;
        focusCell_ = underPointer_;
        applyStyle(previous);
        applyStyle(focusCell_);
    }
    click(underPointer_);
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !sweep_) {
        return;
    }
    const int index = cellAt(event->position().toPoint());
    if (index == underPointer_) {
        return;
    }
    underPointer_ = index;
    click(index);
}

void CellGrid::mouseReleaseEvent(QMouseEvent* /*event*/) {
    pressed_ = false;
    underPointer_ = -1;
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    const int count = this->count();
    int next = focusCell_;
    switch (event->key()) {
    case Qt::Key_Left:
        next = (focusCell_ + count - 1) % count;
        break;
    case Qt::Key_Right:
        next = (focusCell_ + 1) % count;
        break;
    case Qt::Key_Up:
        next = (focusCell_ + count - columns_) % count;
        break;
    case Qt::Key_Down:
        next = (focusCell_ + columns_) % count;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click(focusCell_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int previous = focusCell_;
    focusCell_ = next;
    applyStyle(previous);
    applyStyle(next);
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    applyStyle(focusCell_);
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    applyStyle(focusCell_);
}

} // namespace dvx
