#include "frmRidotto.h"

#include "CellGrid.h"
#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "Model.h"
#include "OnOffPair.h"
#include "QtText.h"
#include "ReductionChoice.h"
#include "ToggleLabels.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmRidotto::frmRidotto(SystemState& system, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), system_(system) {
    setObjectName("frmRidotto");
    auto& condizioni = system_.condizioni;

    auto* frame = makeEditingFrame(QStringLiteral("frameCondizione"), this);
    frame3_ = new OnOffPair(QStringLiteral("Condizione Ridotto    "),
                            QStringLiteral("optCondizione"), frame);
    frame3_->onChoose = [this](int i) { optCondizione_Click(i); };
    // The levels are a choice of one, so a sweep would only flicker.
    labels_ = new CellGrid(QStringLiteral("lbRidotto"), kMaxReductionLevel, 1, false, frame);
    labels_->onClick = [this](int position) { lbRidotto_Click(position + kFirstReductionLevel); };
    for (int level = kFirstReductionLevel; level <= kMaxReductionLevel; ++level) {
        auto* label = labels_->cell(level - kFirstReductionLevel);
        label->setObjectName(QStringLiteral("lbRidotto_%1").arg(level));
        label->setText(QStringLiteral("RIDOTTO N-%1").arg(level));
        label->setMinimumSize(200, 34);
        labels_->setLook(level - kFirstReductionLevel, toggleLook(false));
    }

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(frame3_);
    frameLayout->addWidget(labels_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame);

    optCondizione_Click(optionOfSwitch(condizioni.ridottoOn));
    if (const int level = chosenReductionLabel(condizioni); level != 0) {
        lbRidotto_Click(level);
    }
    frame->setEnabled(conditionsEditable(system_));
    finishSetUp(*this, QStringLiteral("Sistema Ridotto"));
}

void frmRidotto::optCondizione_Click(int index) {
    system_.condizioni.ridottoOn = switchOfOption(index);
    frame3_->showChosen(index);
}

void frmRidotto::lbRidotto_Click(int level) {
    for (int other = kFirstReductionLevel; other <= kMaxReductionLevel; ++other) {
        labels_->setLook(other - kFirstReductionLevel, toggleLook(other == level));
    }
    chooseReductionLevel(system_.condizioni, level);
}

} // namespace dvx
