#include "frmVisualizza.h"

#include "ColumnOps.h"
#include "QtFormSetup.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace dvx {

frmVisualizza::frmVisualizza(const SystemState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("frmVisualizza");
    setWindowTitle(QStringLiteral(" Visualizza"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);

    auto* rows = new QWidget(this);
    rows->setObjectName("rows");
    rows->setStyleSheet(
        QStringLiteral("#rows { background: white; border: 1px solid rgb(160,160,160); }"));
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->setContentsMargins(8, 6, 8, 6);
    rowsLayout->setSpacing(2);
    for (std::size_t r = 0; r < labVisualizza_.size(); ++r) {
        auto* label = new QLabel(rows);
        label->setObjectName(QStringLiteral("labVisualizza_%1").arg(r));
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: rgb(0,128,0);"));
        label->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(44, u'X')));
        rowsLayout->addWidget(label, 1);
        labVisualizza_[r] = label;
    }

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName("scroll");
    // Panel numbers start at 1; a system without columns still shows panel 1.
    scroll_->setMinimum(1);
    scroll_->setMaximum(std::max(1, viewPanelCount(state_.sistema.columnCount)));
    scroll_->setPageStep(1);
    scroll_->setValue(1);
    // The scroll bar is the window's only control: the keys turn the panels.
    scroll_->setFocusPolicy(Qt::StrongFocus);

    auto* label1 = new QLabel(QStringLiteral("* Pannello n."), this);
    label1->setObjectName("Label1");
    labNscheda_ = new QLabel(this);
    labNscheda_->setObjectName("labNscheda");
    labNscheda_->setMinimumWidth(60);
    auto bold = labNscheda_->font();
    bold.setBold(true);
    labNscheda_->setFont(bold);
    auto* lbInfo = new QLabel(QStringLiteral("* 1 Pannello = 10 Colonne"), this);
    lbInfo->setObjectName("lbInfo");

    auto* top = new QHBoxLayout;
    top->addWidget(rows, 1);
    top->addWidget(scroll_);
    auto* info = new QHBoxLayout;
    info->addWidget(label1);
    info->addWidget(labNscheda_);
    info->addStretch(1);
    info->addWidget(lbInfo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(info);

    connect(scroll_, &QScrollBar::valueChanged, this, &frmVisualizza::scroll_Change);
    scroll_Change(scroll_->value());
    scroll_->setFocus();
    ensurePolished();
    setMinimumSize(sizeHint());
    adjustSize();
    centreOnScreen(*this);
}

void frmVisualizza::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(scroll_, event);
}

void frmVisualizza::scroll_Change(int value) {
    firstRow_ = viewFirstRow(value);
    const auto lines = viewPanel(state_.colonne, value);
    for (std::size_t r = 0; r < labVisualizza_.size(); ++r) {
        labVisualizza_[r]->setText(QString::fromStdString(lines[r]));
    }
    labNscheda_->setText(QString::number(value));
}

} // namespace dvx
