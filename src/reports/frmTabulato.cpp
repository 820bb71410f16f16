#include "frmTabulato.h"

#include "AppState.h"
#include "FileCommands.h"
#include "ListingPrinting.h"
#include "Platform.h"
#include "PrintMessages.h"
#include "Printer.h"
#include "QtFormSetup.h"
#include "frmImpostazioni.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dvx {

namespace {

QLabel* pictureBox(const char* name, QSize size, QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedSize(size);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameShape(QFrame::StyledPanel);
    box->setScaledContents(true);
    return box;
}

} // namespace

frmTabulato::frmTabulato(AppState& app, Platform& platform, Printer& printer, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform), printer_(printer) {
    setObjectName(QStringLiteral("frmTabulato"));
    setWindowTitle(QStringLiteral("Stampa Tabulato"));

    chkColor_ = new QCheckBox(QStringLiteral("A colori"), this);
    chkColor_->setObjectName(QStringLiteral("chkColor"));
    chkColor_->setChecked(true);
    VsCopie_ = new QScrollBar(Qt::Vertical, this);
    VsCopie_->setObjectName(QStringLiteral("VsCopie"));
    // Up is more, as a spin button would have it.
    VsCopie_->setInvertedAppearance(true);
    VsCopie_->setInvertedControls(true);
    VsCopie_->setRange(kListingCopiesMin, kListingCopiesMax);
    VsCopie_->setValue(1);
    VsCopie_->setFixedHeight(48);
    VsCopie_->setFocusPolicy(Qt::StrongFocus);
    labCopie_ = new QLabel(QStringLiteral("1"), this);
    labCopie_->setObjectName(QStringLiteral("labCopie"));
    labCopie_->setMinimumWidth(28);
    labCopie_->setAlignment(Qt::AlignCenter);
    logo_ = pictureBox("logo", QSize(220, 80), this);
    vietato_ = pictureBox("vietato", QSize(80, 80), this);
    cmdStampa_ = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa_->setObjectName(QStringLiteral("cmdStampa"));
    cmdPdf_ = new QPushButton(QStringLiteral("Salva &PDF"), this);
    cmdPdf_->setObjectName(QStringLiteral("cmdPdf"));
    cmdImpostazioni_ = new QPushButton(QStringLiteral("&Impostazioni"), this);
    cmdImpostazioni_->setObjectName(QStringLiteral("cmdImpostazioni"));

    connect(VsCopie_, &QScrollBar::valueChanged, this,
            [this](int value) { labCopie_->setText(QString::number(value)); });
    connect(chkColor_, &QCheckBox::toggled, this, [this] { loadPictures(); });
    connect(cmdStampa_, &QPushButton::clicked, this, &frmTabulato::cmdStampa_Click);
    connect(cmdPdf_, &QPushButton::clicked, this, &frmTabulato::cmdPdf_Click);
    connect(cmdImpostazioni_, &QPushButton::clicked, this, &frmTabulato::cmdImpostazioni_Click);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(logo_);
    pictures->addWidget(vietato_);
    pictures->addStretch(1);
    auto* copies = new QHBoxLayout;
    copies->addWidget(new QLabel(QStringLiteral("Copie"), this));
    copies->addWidget(VsCopie_);
    copies->addWidget(labCopie_);
    copies->addStretch(1);
    copies->addWidget(chkColor_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStampa_);
    buttons->addWidget(cmdPdf_);
    buttons->addStretch(1);
    buttons->addWidget(cmdImpostazioni_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addLayout(pictures);
    layout->addLayout(copies);
    layout->addLayout(buttons);

    loadPictures();
    cmdStampa_->setFocus();
    centreOnScreen(*this);
}

int frmTabulato::copies() const {
    return VsCopie_->value();
}

void frmTabulato::loadPictures() {
    const auto images = listingImages(app_.programFolder, chkColor_->isChecked());
    logo_->setPixmap(QPixmap(QString::fromStdString(images.logo)));
    vietato_->setPixmap(QPixmap(QString::fromStdString(images.vietato)));
}

ListingInputs frmTabulato::inputs() const {
    const QLocale locale;
    ListingInputs in;
    in.system = &app_.system;
    in.header = app_.settings.intestazione;
    in.systemName = fileNamePanel(app_.system.fileName);
    in.images = listingImages(app_.programFolder, chkColor_->isChecked());
    in.separators = {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
    return in;
}

void frmTabulato::setControlsEnabled(bool enabled) {
    busy_ = !enabled;
    for (QWidget* control : std::initializer_list<QWidget*>{chkColor_, VsCopie_, cmdStampa_,
                                                            cmdPdf_, cmdImpostazioni_}) {
        control->setEnabled(enabled);
    }
}

void frmTabulato::cmdStampa_Click() {
    loadPictures();
    const auto documents = listingCopies(inputs(), copies());
    const auto printerName =
        listingPrinterName(printer_.installedPrinters(), app_.settings.stampanteTabulato);
    if (documents.empty() || !printer_.preview(documents.front(), printerName)) {
        return;
    }
    setControlsEnabled(false);
    for (const auto& document : documents) {
        const auto outcome = printer_.print(document, printerName, {});
        if (!outcome.ok()) {
            platform_.message(printFailureText(*outcome.failure, "Stampa Tabulato"));
            break;
        }
    }
    setControlsEnabled(true);
}

void frmTabulato::cmdPdf_Click() {
    auto suggested = fileNamePanel(app_.system.fileName);
    suggested = suggested.substr(0, suggested.rfind('.')) + ".pdf";
    const auto path = platform_.saveFileName(app_.programFolder, "PDF|*.pdf", suggested);
    if (!path) {
        return;
    }
    loadPictures();
    setControlsEnabled(false);
    const auto outcome =
        printer_.savePdf(joinDocuments(listingCopies(inputs(), copies())), *path, {});
    setControlsEnabled(true);
    if (!outcome.ok()) {
        platform_.message(printFailureText(*outcome.failure, "Stampa Tabulato"));
    }
}

void frmTabulato::cmdImpostazioni_Click() {
    editSettings(app_, platform_, printer_, this);
}

void frmTabulato::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    logo_->clear();
    QDialog::closeEvent(event);
}

} // namespace dvx
