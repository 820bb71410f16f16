#include "frmImpostazioni.h"

#include "AppState.h"
#include "Platform.h"
#include "Printer.h"
#include "PrinterChoice.h"
#include "QtFormSetup.h"
#include "Settings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

frmImpostazioni::frmImpostazioni(AppState& app, Platform& platform, Printer& printer,
                                 QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName(QStringLiteral("frmImpostazioni"));
    setWindowTitle(QStringLiteral("Impostazioni"));

    cmbStampante_ = new QComboBox(this);
    cmbStampante_->setObjectName(QStringLiteral("cmbStampante"));
    cmbStampante_->setMinimumContentsLength(28);
    mskIntestazione_ = new QLineEdit(this);
    mskIntestazione_->setObjectName(QStringLiteral("mskIntestazione"));
    mskIntestazione_->setMinimumWidth(320);
    auto* cmdSalva = new QPushButton(QStringLiteral("&Salva"), this);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    auto* cmdUscita = new QPushButton(QStringLiteral("&Uscita"), this);
    cmdUscita->setObjectName(QStringLiteral("cmdUscita"));
    cmdSalva->setDefault(true);
    cmdUscita->setAutoDefault(false);
    connect(cmdSalva, &QPushButton::clicked, this, &frmImpostazioni::cmdSalva_Click);
    connect(cmdUscita, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Stampante Tabulato"), cmbStampante_);
    form->addRow(QStringLiteral("Intestazione stampa"), mskIntestazione_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSalva);
    buttons->addWidget(cmdUscita);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(form);
    layout->addLayout(buttons);

    ReadConfiguration(app_.settings, app_.programFolder, platform_);
    mskIntestazione_->setText(QString::fromStdString(app_.settings.intestazione));
    const auto installed = printer.installedPrinters();
    for (const auto& name : installed) {
        cmbStampante_->addItem(QString::fromStdString(name));
    }
    const auto choice = choosePrinter(installed, app_.settings.stampanteTabulato);
    if (choice.warning) {
        platform_.message(*choice.warning, kPrinterWarningTitle, Icon::Critical, Buttons::Ok);
    }
    cmbStampante_->setCurrentIndex(choice.index);
    mskIntestazione_->setFocus();
    centreOnScreen(*this);
}

void frmImpostazioni::cmdSalva_Click() {
    // A failed save has shown its message; the dialog stays so nothing typed is lost.
    if (saveSettings(app_.programFolder, mskIntestazione_->text().toStdString(),
                     cmbStampante_->currentText().toStdString(), platform_)) {
        accept();
    }
}

void editSettings(AppState& app, Platform& platform, Printer& printer, QWidget* parent) {
    {
        frmImpostazioni dialog(app, platform, printer, parent);
        dialog.exec();
    }
    ReadConfiguration(app.settings, app.programFolder, platform);
}

} // namespace dvx
