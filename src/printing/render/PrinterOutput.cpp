#include "PrinterOutput.h"

#include "PlanPainter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace dvx {

namespace {

// Qt's CUPS engine takes job options under this private key (see its
// qcups_p.h); through it the job carries CUPS's own print-quality.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

constexpr int kNormalDotsPerInch = 600;
constexpr int kDraftDotsPerInch = 300;

PrintFailure printerError() {
    return {kErrPrinter, "Printer error"};
}

double dotsPerMillimetre(const QPrinter& printer) {
    return printer.resolution() / 25.4;
}

} // namespace

std::vector<std::string> installedPrinterNames() {
    std::vector<std::string> names;
    for (const auto& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(name.toStdString());
    }
    return names;
}

bool preparePrinter(QPrinter& printer, const PrintDocument& document,
                    std::string_view printerName) {
    const auto info = printerName.empty()
                          ? QPrinterInfo::defaultPrinter()
                          : QPrinterInfo::printerInfo(QString::fromUtf8(
                                printerName.data(), static_cast<qsizetype>(printerName.size())));
    if (info.isNull()) {
        return false;
    }
    printer.setPrinterName(info.printerName());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setDocName(QString::fromStdString(document.title));
    printer.setCreator(QStringLiteral("Decaventrix"));
    // Positions count from the printable area's corner: the printer's own
    // least margins, not Qt's default ones.
    printer.setFullPage(false);
    auto layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    printer.setColorMode(QPrinter::GrayScale);
    const bool normal = document.quality == PrintQuality::Normal;
    printer.setResolution(normal ? kNormalDotsPerInch : kDraftDotsPerInch);
    // CUPS's print-quality: 4 normal, 3 draft.
    printer.printEngine()->setProperty(
        kCupsOptionsKey, QStringList{QStringLiteral("print-quality"),
                                     normal ? QStringLiteral("4") : QStringLiteral("3")});
    return true;
}

PrintOutcome printDocument(const PrintDocument& document, std::string_view printerName,
                           const PageGate& beforePage) {
    PrintOutcome outcome;
    QPrinter printer(QPrinter::HighResolution);
    if (!preparePrinter(printer, document, printerName)) {
        outcome.failure = printerError();
        return outcome;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        outcome.failure = printerError();
        return outcome;
    }
    outcome = paintDocument(painter, printer, document, dotsPerMillimetre(printer), beforePage);
    if (!painter.end() && outcome.ok()) {
        outcome.failure = printerError();
    }
    return outcome;
}

void paintOnPrinter(QPrinter& printer, const PrintDocument& document) {
    QPainter painter(&printer);
    paintDocument(painter, printer, document, dotsPerMillimetre(printer), {});
}

} // namespace dvx
