#include "frmPrnInCorso.h"

#include "Platform.h"
#include "PrintMessages.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

frmPrnInCorso::frmPrnInCorso(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmPrnInCorso"));
    setWindowTitle(QString::fromUtf8(kProgressCaption.data(),
                                     static_cast<qsizetype>(kProgressCaption.size())));
    labScheda_ = new QLabel(QString::fromStdString(slipCounterText(0)), this);
    labScheda_->setObjectName(QStringLiteral("labScheda"));
    labScheda_->setAlignment(Qt::AlignCenter);
    auto font = labScheda_->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    labScheda_->setFont(font);
    cmdInterrompi_ = new QPushButton(QStringLiteral("&Interrompi"), this);
    cmdInterrompi_->setObjectName(QStringLiteral("cmdInterrompi"));
    connect(cmdInterrompi_, &QPushButton::clicked, this, &frmPrnInCorso::cmdInterrompi_Click);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(14);
    layout->addWidget(labScheda_);
    layout->addWidget(cmdInterrompi_, 0, Qt::AlignCenter);
    setMinimumWidth(280);
    centreOnScreen(*this);
}

void frmPrnInCorso::showSlip(int slip) {
    labScheda_->setText(QString::fromStdString(slipCounterText(slip)));
}

void frmPrnInCorso::cmdInterrompi_Click() {
    ScopedDialogParent dialogParent(platform_, this);
    platform_.beep();
    const auto answer =
        platform_.message(kInterruptQuestion, kProgressCaption, Icon::Question, Buttons::YesNo);
    if (answer == Answer::Yes) {
        aborted_ = true;
        cmdInterrompi_->setEnabled(false);
    }
}

void frmPrnInCorso::closeEvent(QCloseEvent* event) {
    // Closing the window is asking to interrupt; the run closes it itself.
    event->ignore();
    if (!aborted_) {
        cmdInterrompi_Click();
    }
}

void frmPrnInCorso::reject() {
    if (!aborted_) {
        cmdInterrompi_Click();
    }
}

} // namespace dvx
