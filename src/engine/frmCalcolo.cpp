#include "frmCalcolo.h"

#include "Format.h"
#include "Platform.h"
#include "QtFormSetup.h"
#include "QtProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

frmCalcolo::frmCalcolo(Platform& platform, bool& cancel, QWidget* parent)
    : QDialog(parent), platform_(platform), cancel_(cancel) {
    // A new run starts here; from now on a confirmed cancel must reach it,
    // even one given before its first unit of work.
    cancel_ = false;
    setObjectName("frmCalcolo");
    setWindowTitle(QStringLiteral("Elaborazione in corso..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    pb_ = new QProgressBar(this);
    pb_->setObjectName("pb");
    pb_->setRange(0, 100);
    pb_->setValue(0);
    pb_->setTextVisible(false);
    pb_->setMinimumWidth(360);

    // The scale under the bar: 0% at the left, 50% in the middle, 100% at the right.
    auto* scale = new QWidget(this);
    scale->setObjectName("Label1");
    auto* scaleRow = new QHBoxLayout(scale);
    scaleRow->setContentsMargins(0, 0, 0, 0);
    const QString marks[] = {QStringLiteral("0%"), QStringLiteral("50%"), QStringLiteral("100%")};
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        auto* mark = new QLabel(marks[i], scale);
        mark->setAlignment(aligns[i]);
        scaleRow->addWidget(mark, 1);
    }

    labAllarm_ = new QLabel(this);
    labAllarm_->setObjectName("labAllarm");
    labAllarm_->setStyleSheet(QStringLiteral("color: rgb(192,0,0); font-weight: bold;"));
    labAllarm_->setWordWrap(true);

    cmdSvilAnnulla_ = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdSvilAnnulla_->setObjectName("cmdSvilAnnulla");
    cmdSvilAnnulla_->setAutoDefault(false);
    connect(cmdSvilAnnulla_, &QPushButton::clicked, this, &frmCalcolo::cmdSvilAnnulla_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(8);
    layout->addWidget(pb_);
    layout->addWidget(scale);
    layout->addWidget(labAllarm_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSvilAnnulla_);
    layout->addLayout(buttons);

    progress_ = std::make_unique<QtProgress>(ProgressView{this, pb_, labAllarm_});
    adjustSize();
    centreOnScreen(*this);
}

frmCalcolo::~frmCalcolo() = default;

std::int32_t frmCalcolo::colonneElaborate() const {
    return progress_->processed;
}

void frmCalcolo::finish() {
    finished_ = true;
    close();
}

void frmCalcolo::cmdSvilAnnulla_Click() {
    platform_.beep();
    const auto text =
        "Colonne elaborate " + signedText(colonneElaborate()) + "\r" + "Uscire dallo sviluppo?";
    const auto title = windowTitle().toStdString();
    if (platform_.message(text, title, Icon::Question, Buttons::YesNo) == Answer::Yes) {
        cancel_ = true;
    }
}

void frmCalcolo::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
        return;
    }
    // The work stops only through the cancel question.
    event->ignore();
    cmdSvilAnnulla_Click();
}

void frmCalcolo::reject() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    cmdSvilAnnulla_Click();
}

} // namespace dvx
