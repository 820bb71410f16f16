#include "frmFisse.h"

#include "CellGrid.h"
#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "Model.h"
#include "OnOffPair.h"
#include "QtText.h"
#include "ToggleLabels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmFisse::frmFisse(SystemState& system, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), system_(system) {
    setObjectName("frmFisse");

    auto* frame = makeEditingFrame(QStringLiteral("frameFisse"), this);
    frame3_ = new OnOffPair(QStringLiteral("Condizione"), QStringLiteral("optCondFisse"), frame);
    frame3_->onChoose = [this](int i) { optCondFisse_Click(i); };
    labels_ = makeToggleLabels(
        QStringLiteral("labFisse"), kNumbers, 10, 0, [this](int i) { labFisse_Click(i); }, frame);
    l1_ = new QLabel(QStringLiteral("00"), frame);
    l1_->setObjectName("l1");
    l1_->setAlignment(Qt::AlignCenter);
    l1_->setMinimumWidth(40);
    l1_->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; }"));

    auto* row = new QHBoxLayout;
    row->addWidget(frame3_, 1);
    row->addWidget(l1_);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addLayout(row);
    frameLayout->addWidget(labels_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame);

    picker_ = loadFixedNumbers(system.condizioni, system.selected);
    for (int i = 0; i < kNumbers; ++i) {
        labels_->cell(i)->setText(qtText(twoDigits(i + 1)));
        showLabel(i);
    }
    optCondFisse_Click(optionOfSwitch(system.condizioni.fisseOn));
    frame->setEnabled(conditionsEditable(system));
    l1_->setText(QString::number(picker_.count));
    finishSetUp(*this, QStringLiteral(" Fisse"));
}

void frmFisse::showLabel(int index) {
    const auto i = static_cast<std::size_t>(index);
    auto* label = labels_->cell(index);
    setTagged(label, picker_.selected[i]);
    auto font = label->font();
    font.setItalic(!picker_.inPlay[i]);
    label->setFont(font);
    labels_->setLook(index, picker_.inPlay[i] ? toggleLook(picker_.selected[i]) : outOfPlayLook());
}

void frmFisse::optCondFisse_Click(int index) {
    system_.condizioni.fisseOn = switchOfOption(index);
    frame3_->showChosen(index);
}

void frmFisse::labFisse_Click(int index) {
    if (toggleFixedNumber(picker_, index)) {
        showLabel(index);
    }
    l1_->setText(QString::number(picker_.count));
}

void frmFisse::done(int result) {
    storeFixedNumbers(system_.condizioni, picker_);
    QDialog::done(result);
}

} // namespace dvx
