#include "frmTaratura.h"

#include "AppState.h"
#include "OptionLook.h"
#include "PlanPainter.h"
#include "Platform.h"
#include "PrintMessages.h"
#include "Printer.h"
#include "PrinterChoice.h"
#include "QtFormSetup.h"
#include "SlipPlan.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dvx {

namespace {

// The part of the page a slip takes, drawn with the grid of the current
// values: every box marked, as the test slip prints it.
class SlipGridDrawing final : public QWidget {
public:
    SlipGridDrawing(const Calibration& calibration, QWidget* parent)
        : QWidget(parent), calibration_(calibration) {
        setObjectName(QStringLiteral("picGriglia"));
        setMinimumSize(210, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setToolTip(QStringLiteral("La scheda con i valori attuali (pagina A4)"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        // An A4 page, fitted into the widget with a small border.
        constexpr int kBorder = 6;
        const double dotsPerMm =
            std::min((width() - 2 * kBorder) / 210.0, (height() - 2 * kBorder) / 297.0);
        const QRectF paper(0, 0, 210 * dotsPerMm, 297 * dotsPerMm);
        painter.translate((width() - paper.width()) / 2, (height() - paper.height()) / 2);
        painter.fillRect(paper, Qt::white);
        painter.setPen(Qt::gray);
        painter.drawRect(paper);
        painter.setClipRect(paper);
        paintPage(painter, testSlipPage(calibration_, "", 2.0f), dotsPerMm);
    }

private:
    const Calibration& calibration_;
};

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString decimalSeparator() {
    return QLocale().decimalPoint();
}

} // namespace

frmTaratura::frmTaratura(AppState& app, Platform& platform, Printer& printer, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform), printer_(printer) {
    setObjectName(QStringLiteral("frmTaratura"));
    setWindowTitle(QStringLiteral("Taratura Scheda"));

    auto* frameStampante = frame("Frame1", QStringLiteral("Stampante"), this);
    cmbStampante_ = new QComboBox(frameStampante);
    cmbStampante_->setObjectName(QStringLiteral("cmbStampante"));
    cmbStampante_->setMinimumContentsLength(24);
    (new QVBoxLayout(frameStampante))->addWidget(cmbStampante_);

    auto* frameQualita = frame("Frame2", QStringLiteral("Qualita' di stampa"), this);
    auto* qualityLayout = new QHBoxLayout(frameQualita);
    const QString captions[] = {QStringLiteral("&Normale"), QStringLiteral("&Bassa")};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], frameQualita);
        option->setObjectName(QStringLiteral("optColor%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { optColor_Click(i); });
        qualityLayout->addWidget(option);
        optColor_[static_cast<std::size_t>(i)] = option;
    }

    auto* frameNumero5 = frame("Frame3", QStringLiteral("Numero 5"), this);
    auto* frameDistanza = frame("Frame4", QStringLiteral("Distanza tra Numeri"), this);
    struct ValueRow {
        const char* bar;
        const char* text;
        QGroupBox* box;
        int gridRow;
        const char* caption;
        int maximum;
        float Calibration::*value;
    };
    const ValueRow rows[] = {
        {"VsTop", "labTop", frameNumero5, 0, "Y :", kPositionScrollMax, &Calibration::top},
        {"vsLeft", "labLeft", frameNumero5, 1, "X :", kPositionScrollMax, &Calibration::left},
        {"VsX", "labX", frameDistanza, 0, "X :", kDistanceScrollMax, &Calibration::xDist},
        {"VsY", "labY", frameDistanza, 1, "Y :", kDistanceScrollMax, &Calibration::yDist},
    };
    auto* numero5Layout = new QGridLayout(frameNumero5);
    auto* distanzaLayout = new QGridLayout(frameDistanza);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& row = rows[i];
        auto& control = values_[i];
        control.value = row.value;
        control.bar = new QScrollBar(Qt::Horizontal, row.box);
        control.bar->setObjectName(QString::fromLatin1(row.bar));
        control.bar->setRange(0, row.maximum);
        control.bar->setSingleStep(1);
        control.bar->setPageStep(100); // a millimetre
        control.bar->setMinimumWidth(220);
        control.bar->setFocusPolicy(Qt::StrongFocus);
        control.text = new QLineEdit(row.box);
        control.text->setObjectName(QString::fromLatin1(row.text));
        control.text->setFixedWidth(70);
        control.text->setAlignment(Qt::AlignRight);
        control.text->setToolTip(QStringLiteral("Millimetri"));
        auto* grid = row.box == frameNumero5 ? numero5Layout : distanzaLayout;
        grid->addWidget(new QLabel(QString::fromLatin1(row.caption), row.box), row.gridRow, 0);
        grid->addWidget(control.bar, row.gridRow, 1);
        grid->addWidget(control.text, row.gridRow, 2);
        connect(control.bar, &QScrollBar::valueChanged, this,
                [this, &control](int value) { scrollChanged(control, value); });
        connect(control.text, &QLineEdit::editingFinished, this,
                [this, &control] { typed(control); });
    }

    cmdTest_ = new QPushButton(QStringLiteral("Test Taratura"), this);
    cmdTest_->setObjectName(QStringLiteral("cmdTest"));
    cmdSalva_ = new QPushButton(QStringLiteral("Salva Taratura"), this);
    cmdSalva_->setObjectName(QStringLiteral("cmdSalva"));
    // Enter in a value box applies the value; it must not print or save.
    cmdTest_->setAutoDefault(false);
    cmdSalva_->setAutoDefault(false);
    connect(cmdTest_, &QPushButton::clicked, this, &frmTaratura::cmdTest_Click);
    connect(cmdSalva_, &QPushButton::clicked, this, &frmTaratura::cmdSalva_Click);
    connect(cmbStampante_, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { printer_name_ = name.toStdString(); });

    picGriglia_ = new SlipGridDrawing(calibration_, this);

    auto* controls = new QVBoxLayout;
    controls->addWidget(frameStampante);
    controls->addWidget(frameQualita);
    controls->addWidget(frameNumero5);
    controls->addWidget(frameDistanza);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdTest_);
    buttons->addStretch(1);
    buttons->addWidget(cmdSalva_);
    controls->addLayout(buttons);
    controls->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(14);
    layout->addLayout(controls);
    layout->addWidget(picGriglia_, 1);

    LeggiTaratura();
    loadPrinters();
    showValues();
    optColor_Click(qualityOption(calibration_.quality));
    resize(760, 560);
    centreOnScreen(*this);
}

void frmTaratura::LeggiTaratura() {
    calibration_ = dvx::LeggiTaratura(app_.programFolder);
    app_.calibration = calibration_;
}

void frmTaratura::loadPrinters() {
    const auto installed = printer_.installedPrinters();
    for (const auto& name : installed) {
        cmbStampante_->addItem(qs(name));
    }
    const auto choice = choosePrinter(installed, calibration_.printer);
    if (choice.warning) {
        platform_.message(*choice.warning, kPrinterWarningTitle, Icon::Critical, Buttons::Ok);
    }
    cmbStampante_->setCurrentIndex(choice.index);
    printer_name_ = cmbStampante_->currentText().toStdString();
}

void frmTaratura::showValues() {
    for (auto& control : values_) {
        const int maximum = control.bar->maximum();
        const int value = scrollValueOf(calibration_.*control.value, maximum);
        control.text->setText(qs(millimetreText(value, decimalSeparator().toStdString())));
        control.bar->setValue(value);
    }
}

void frmTaratura::scrollChanged(ValueControl& control, int value) {
    calibration_.*control.value = millimetresOf(value);
    control.text->setText(qs(millimetreText(value, decimalSeparator().toStdString())));
    picGriglia_->update();
}

void frmTaratura::typed(ValueControl& control) {
    // A typed value moves the scroll bar; either separator is fine.
    auto text = control.text->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double millimetres = text.toDouble(&ok);
    const int value = ok ? scrollValueOf(static_cast<float>(millimetres), control.bar->maximum())
                         : control.bar->value();
    control.bar->setValue(value);
    scrollChanged(control, control.bar->value());
}

void frmTaratura::optColor_Click(int index) {
    calibration_.quality = qualityOfOption(index);
    showQuality();
}

void frmTaratura::showQuality() {
    showChosenOption(optColor_, qualityOption(calibration_.quality));
}

void frmTaratura::cmdSalva_Click() {
    calibration_.printer = cmbStampante_->currentText().toStdString();
    if (SalvaTaratura(app_.programFolder, calibration_, platform_)) {
        app_.calibration = calibration_;
    }
}

void frmTaratura::cmdTest_Click() {
    const auto document =
        testSlipDocument(calibration_, app_.settings.intestazione, app_.system.pricePerColumn);
    if (!printer_.preview(document, printer_name_)) {
        return;
    }
    const auto outcome = printer_.print(document, printer_name_, {});
    if (!outcome.ok()) {
        platform_.message(testPrintFailureText(*outcome.failure), kTestPrintFailureTitle,
                          Icon::Critical, Buttons::Ok);
    }
}

} // namespace dvx
