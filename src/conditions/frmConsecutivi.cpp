#include "frmConsecutivi.h"

#include "AppState.h"
#include "ConditionCommon.h"
#include "ConsecutiveRuns.h"
#include "SystemOps.h"
#include "frmCellGrid.h"
#include "frmConditionParts.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmConsecutivi::frmConsecutivi(AppState& app, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), app_(app) {
    setObjectName("frmConsecutivi");
    auto& system = app_.system;

    auto* frame = makeEditingFrame("frameCondizione", this);
    auto* framePresenze = new QGroupBox("Consecutivi", frame);
    framePresenze->setObjectName("framePresenze");
    labels_ = makeToggleLabels(
        "lbPresenze", kLongestRunLimit, kLongestRunLimit, 1, [this](int r) { lbPresenze_Click(r); },
        framePresenze);
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        runLabel(r)->setText(QString::number(r));
    }
    (new QVBoxLayout(framePresenze))->addWidget(labels_);
    frame3_ = new frmOnOff("Condizione", "optCond", frame);
    frame3_->onChoose = [this](int i) { optCond_Click(i); };

    auto* label1 = new QLabel("Max", this);
    label1->setObjectName("Label1");
    auto* l1 = new QLabel("00", this);
    l1->setObjectName("l1");
    l1->setStyleSheet("QLabel { font-size: 14pt; font-weight: bold; }");
    auto* maxRow = new QHBoxLayout;
    maxRow->addStretch();
    maxRow->addWidget(label1);
    maxRow->addWidget(l1);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(framePresenze);
    frameLayout->addWidget(frame3_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame);
    layout->addLayout(maxRow);

    rebuildNumbersInPlay(system);
    l1->setText(qtText(twoDigits(longestRunInPlay(system.sistema))));
    const auto selected = runLabelsOf(system.consecutivi.runsMask);
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        if (selected[static_cast<std::size_t>(r)]) {
            lbPresenze_Click(r);
        }
    }
    optCond_Click(optionOfSwitch(system.consecutivi.on));
    frame->setEnabled(conditionsEditable(system));
    finishSetUp(*this, "Numeri Consecutivi");
}

QLabel* frmConsecutivi::runLabel(int run) const {
    return labels_->cell(run - 1);
}

void frmConsecutivi::optCond_Click(int index) {
    app_.system.consecutivi.on = switchOfOption(index);
    frame3_->showChosen(index);
}

void frmConsecutivi::lbPresenze_Click(int run) {
    toggleLabel(*labels_, run - 1);
}

void frmConsecutivi::done(int result) {
    RunLabels labels{};
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        labels[static_cast<std::size_t>(r)] = isTagged(runLabel(r));
    }
    app_.system.consecutivi.runsMask = runsMaskOf(labels);
    QDialog::done(result);
}

} // namespace dvx
