#include "frmRidotto.h"

#include "AppState.h"
#include "ConditionCommon.h"
#include "ReductionChoice.h"
#include "frmCellGrid.h"
#include "frmConditionParts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmRidotto::frmRidotto(AppState& app, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), app_(app) {
    setObjectName("frmRidotto");
    auto& condizioni = app_.system.condizioni;

    auto* frame = makeEditingFrame("frameCondizione", this);
    frame3_ = new frmOnOff("Condizione Ridotto    ", "optCondizione", frame);
    frame3_->onChoose = [this](int i) { optCondizione_Click(i); };
    // The levels are a choice of one, so a sweep would only flicker.
    labels_ = new frmCellGrid("lbRidotto", kMaxReductionLevel, 1, false, frame);
    labels_->onClick = [this](int position) { lbRidotto_Click(position + kFirstReductionLevel); };
    for (int level = kFirstReductionLevel; level <= kMaxReductionLevel; ++level) {
        auto* label = labels_->cell(level - kFirstReductionLevel);
        label->setObjectName(QString("lbRidotto_%1").arg(level));
        label->setText(QString("RIDOTTO N-%1").arg(level));
        label->setMinimumSize(200, 34);
        labels_->setLook(level - kFirstReductionLevel, toggleLook(false));
    }

    chkOttimizzata_ = new QCheckBox("Riduzione ottimizzata", frame);
    chkOttimizzata_->setObjectName("chkOttimizzata");
    chkOttimizzata_->setToolTip("Cerca un sistema con meno colonne e la stessa garanzia");
    chkOttimizzata_->setChecked(condizioni.ridottoOttimizzato != 0);
    connect(chkOttimizzata_, &QCheckBox::toggled, this,
            [this](bool checked) { chkOttimizzata_Click(checked); });

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(frame3_);
    frameLayout->addWidget(labels_);
    frameLayout->addWidget(chkOttimizzata_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame);

    optCondizione_Click(optionOfSwitch(condizioni.ridottoOn));
    if (const int level = chosenReductionLabel(condizioni); level != 0) {
        lbRidotto_Click(level);
    }
    frame->setEnabled(conditionsEditable(app_.system));
    finishSetUp(*this, "Sistema Ridotto");
}

void frmRidotto::optCondizione_Click(int index) {
    app_.system.condizioni.ridottoOn = switchOfOption(index);
    frame3_->showChosen(index);
}

void frmRidotto::lbRidotto_Click(int level) {
    for (int other = kFirstReductionLevel; other <= kMaxReductionLevel; ++other) {
        labels_->setLook(other - kFirstReductionLevel, toggleLook(other == level));
    }
    chooseReductionLevel(app_.system.condizioni, level);
}

void frmRidotto::chkOttimizzata_Click(bool checked) {
    app_.system.condizioni.ridottoOttimizzato = toVBool(checked);
}

} // namespace dvx
