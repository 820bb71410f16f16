#include "frmConsecutivi.h"

#include "CellGrid.h"
#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "ConsecutiveRuns.h"
#include "Model.h"
#include "OnOffPair.h"
#include "QtText.h"
#include "SystemOps.h"
#include "ToggleLabels.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmConsecutivi::frmConsecutivi(SystemState& system, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), system_(system) {
    setObjectName("frmConsecutivi");

    auto* frame = makeEditingFrame(QStringLiteral("frameCondizione"), this);
    auto* framePresenze = new QGroupBox(QStringLiteral("Consecutivi"), frame);
    framePresenze->setObjectName("framePresenze");
    labels_ = makeToggleLabels(
        QStringLiteral("lbPresenze"), kLongestRunLimit, kLongestRunLimit, 1,
        [this](int r) { lbPresenze_Click(r); }, framePresenze);
    for (int r = 1; r <= kLongestRunLimit; ++r) {
        runLabel(r)->setText(QString::number(r));
    }
    (new QVBoxLayout(framePresenze))->addWidget(labels_);
    frame3_ = new OnOffPair(QStringLiteral("Condizione"), QStringLiteral("optCond"), frame);
    frame3_->onChoose = [this](int i) { optCond_Click(i); };

    auto* label1 = new QLabel(QStringLiteral("Max"), this);
    label1->setObjectName("Label1");
    auto* l1 = new QLabel(QStringLiteral("00"), this);
    l1->setObjectName("l1");
    l1->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; }"));
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
    finishSetUp(*this, QStringLiteral("Numeri Consecutivi"));
}

QLabel* frmConsecutivi::runLabel(int run) const {
    return labels_->cell(run - 1);
}

void frmConsecutivi::optCond_Click(int index) {
    system_.consecutivi.on = switchOfOption(index);
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
    system_.consecutivi.runsMask = runsMaskOf(labels);
    QDialog::done(result);
}

} // namespace dvx
