#include "frmStampa.h"

#include "AppState.h"
#include "FileCommands.h"
#include "Platform.h"
#include "PrintMessages.h"
#include "Printer.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "SlipRange.h"
#include "frmPrnInCorso.h"
#include "frmTaratura.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace dvx {

namespace {

QLineEdit* makeRangeField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    // Six optional digits, blanks shown as "_".
    field->setInputMask(QStringLiteral("999999;_"));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(90);
    return field;
}

Separators localeSeparators() {
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

std::string installedOrDefault(const std::vector<std::string>& installed, const std::string& name) {
    const bool found = std::find(installed.begin(), installed.end(), name) != installed.end();
    return found ? name : std::string();
}

} // namespace

frmStampa::frmStampa(AppState& app, Platform& platform, Printer& printer, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform), printer_(printer) {
    setObjectName(QStringLiteral("frmStampa"));
    setWindowTitle(QStringLiteral("Stampa Schedine"));
    setAttribute(Qt::WA_DeleteOnClose);

    labSchede_ = new QLabel(this);
    labSchede_->setObjectName(QStringLiteral("labSchede"));
    auto font = labSchede_->font();
    font.setBold(true);
    labSchede_->setFont(font);
    meDa_ = makeRangeField("meDa", this);
    meA_ = makeRangeField("meA", this);
    chkProspetto_ = new QCheckBox(QStringLiteral("Cedola Pronostico"), this);
    chkProspetto_->setObjectName(QStringLiteral("chkProspetto"));
    cmdStampa_ = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa_->setObjectName(QStringLiteral("cmdStampa"));
    cmdPdf_ = new QPushButton(QStringLiteral("Salva &PDF"), this);
    cmdPdf_->setObjectName(QStringLiteral("cmdPdf"));
    cmdTaratura_ = new QPushButton(QStringLiteral("&Taratura"), this);
    cmdTaratura_->setObjectName(QStringLiteral("cmdTaratura"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(new QLabel(QStringLiteral("Totale schedine"), this), 0, 0);
    grid->addWidget(labSchede_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Da"), this), 1, 0);
    auto* range = new QHBoxLayout;
    range->addWidget(meDa_);
    range->addWidget(new QLabel(QStringLiteral("a"), this));
    range->addWidget(meA_);
    range->addStretch(1);
    grid->addLayout(range, 1, 1, 1, 3);
    grid->addWidget(chkProspetto_, 2, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStampa_);
    buttons->addWidget(cmdPdf_);
    buttons->addStretch(1);
    buttons->addWidget(cmdTaratura_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Enter belongs to the fields (Da to A to the print button), never to a
    // default button that would start a run.
    for (auto* button : {cmdStampa_, cmdPdf_, cmdTaratura_}) {
        button->setAutoDefault(false);
    }
    connect(cmdStampa_, &QPushButton::clicked, this, &frmStampa::cmdStampa_Click);
    connect(cmdPdf_, &QPushButton::clicked, this, &frmStampa::cmdPdf_Click);
    connect(cmdTaratura_, &QPushButton::clicked, this, &frmStampa::cmdTaratura_Click);
    meDa_->installEventFilter(this);
    meA_->installEventFilter(this);

    readCalibration();
    const int slips = slipCount(app_.system);
    labSchede_->setText(QString::number(slips));
    meDa_->setText(QStringLiteral("1"));
    meA_->setText(QString::number(slips));
    setTabOrder(meDa_, meA_);
    setTabOrder(meA_, chkProspetto_);
    setTabOrder(chkProspetto_, cmdStampa_);
    meDa_->setFocus();
    centreOnScreen(*this);
}

void frmStampa::readCalibration() {
    app_.calibration = LeggiTaratura(app_.programFolder);
    printer_name_ = installedOrDefault(printer_.installedPrinters(), app_.calibration.printer);
}

std::optional<SlipRun> frmStampa::checkedRun() {
    const int da = slipFieldValue(meDa_->text().toStdString());
    const int a = slipFieldValue(meA_->text().toStdString());
    if (const auto error = checkSlipRange(da, a, 1, slipCount(app_.system))) {
        platform_.beep();
        platform_.message(error->text, error->title, Icon::Exclamation, Buttons::Ok);
        (error->focus == RangeField::Da ? meDa_ : meA_)->setFocus();
        return std::nullopt;
    }
    return SlipRun{chkProspetto_->isChecked(), da, a};
}

SlipPrintInputs frmStampa::inputs() const {
    SlipPrintInputs in;
    in.system = &app_.system;
    in.calibration = app_.calibration;
    in.header = app_.settings.intestazione;
    in.systemName = fileNamePanel(app_.system.fileName);
    in.separators = localeSeparators();
    return in;
}

void frmStampa::cmdStampa_Click() {
    send(false);
}

void frmStampa::cmdPdf_Click() {
    send(true);
}

void frmStampa::send(bool toPdf) {
    // A window of its own: its messages appear over it.
    ScopedDialogParent dialogParent(platform_, this);
    const auto run = checkedRun();
    if (!run) {
        return;
    }
    const auto document = slipDocument(inputs(), *run);
    std::string pdfPath;
    if (toPdf) {
        auto suggested = fileNamePanel(app_.system.fileName);
        suggested = suggested.substr(0, suggested.rfind('.')) + ".pdf";
        const auto chosen = platform_.saveFileName(app_.programFolder, "PDF|*.pdf", suggested);
        if (!chosen) {
            return;
        }
        pdfPath = *chosen;
    } else if (!printer_.preview(document, printer_name_)) {
        return;
    }

    setControlsEnabled(false);
    frmPrnInCorso progress(platform_, this);
    progress.setModal(false);
    progress.show();
    const PageGate gate = [&](int page) {
        progress.showSlip(std::max(slipNumberOfPage(*run, page), 0));
        QCoreApplication::processEvents();
        return !progress.aborted();
    };
    const auto outcome = toPdf ? printer_.savePdf(document, pdfPath, gate)
                               : printer_.print(document, printer_name_, gate);
    progress.hide();
    setControlsEnabled(true);
    if (!outcome.ok()) {
        const bool onCoupon = run->coupon && outcome.pagesSent == 0;
        platform_.message(slipRunFailureText(*outcome.failure, onCoupon));
    }
}

void frmStampa::setControlsEnabled(bool enabled) {
    // The progress window stays usable: only this window's own controls go.
    busy_ = !enabled;
    for (QWidget* control : std::initializer_list<QWidget*>{meDa_, meA_, chkProspetto_, cmdStampa_,
                                                            cmdPdf_, cmdTaratura_}) {
        control->setEnabled(enabled);
    }
}

void frmStampa::cmdTaratura_Click() {
    {
        frmTaratura taratura(app_, platform_, printer_, this);
        taratura.exec();
    }
    readCalibration();
}

bool frmStampa::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Enter hands the focus on, whatever the field holds: a masked field
        // with blanks would not report it as a finished entry.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == meDa_ ? static_cast<QWidget*>(meA_) : cmdStampa_)->setFocus();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        auto* field = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmStampa::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // The run in progress still reads this window; it ends it itself.
        event->ignore();
        return;
    }
    emit closed();
    QDialog::closeEvent(event);
}

} // namespace dvx
