#include "frmPari.h"

#include "CellGrid.h"
#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "EvenOdd.h"
#include "Model.h"
#include "OnOffPair.h"
#include "QtText.h"
#include "ToggleLabels.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

frmPari::frmPari(SystemState& system, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), system_(system) {
    setObjectName("frmPari");
    auto& condizioni = system_.condizioni;

    auto* frame = makeEditingFrame(QStringLiteral("framePariDispari"), this);
    frame3_ = new OnOffPair(QStringLiteral("Condizione"), QStringLiteral("optCondizione"), frame);
    frame3_->onChoose = [this](int i) { optCondizione_Click(i); };
    labels_ = makeToggleLabels(
        QStringLiteral("labPariDispari"), kEvenOddSplits, 1, 0,
        [this](int e) { labPariDispari_Click(e); }, frame);
    // Fixed-width digits keep the two counts of every label in line.
    auto fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int e = 0; e < kEvenOddSplits; ++e) {
        auto* label = labels_->cell(e);
        label->setFont(fixed);
        label->setText(qtText(evenOddText(e)));
        label->setMinimumWidth(170);
        label->setMinimumHeight(26);
    }
    auto* headings = new QGridLayout;
    auto* pari = new QLabel(QStringLiteral("Pari"), frame);
    pari->setObjectName("Label1");
    auto* dispari = new QLabel(QStringLiteral("Dispari"), frame);
    dispari->setObjectName("Label2");
    for (auto* heading : {pari, dispari}) {
        heading->setAlignment(Qt::AlignCenter);
        auto font = heading->font();
        font.setBold(true);
        heading->setFont(font);
    }
    headings->addWidget(pari, 0, 0);
    headings->addWidget(dispari, 0, 1);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(frame3_);
    frameLayout->addLayout(headings);
    frameLayout->addWidget(labels_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame);

    frame->setEnabled(conditionsEditable(system_));
    optCondizione_Click(optionOfSwitch(condizioni.pariDispariOn));
    for (int e = 0; e < kEvenOddSplits; ++e) {
        if (evenOddAllowed(condizioni, e)) {
            labPariDispari_Click(e);
        }
    }
    finishSetUp(*this, QStringLiteral("Pari e Dispari"));
}

void frmPari::optCondizione_Click(int index) {
    system_.condizioni.pariDispariOn = switchOfOption(index);
    frame3_->showChosen(index);
}

void frmPari::labPariDispari_Click(int evens) {
    setEvenOddAllowed(system_.condizioni, evens, toggleLabel(*labels_, evens));
}

} // namespace dvx
