#include "QtPrinter.h"

#include "PdfExport.h"
#include "PrinterOutput.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

namespace {

QString previewCaption(const PrintDocument& document, int shown) {
    QString caption =
        QStringLiteral("Anteprima di stampa - ") + QString::fromStdString(document.title);
    if (shown < document.pageCount) {
        caption += QStringLiteral(" (prime %1 pagine di %2)").arg(shown).arg(document.pageCount);
    }
    return caption;
}

} // namespace

std::vector<std::string> QtPrinter::installedPrinters() {
    return installedPrinterNames();
}

bool QtPrinter::preview(const PrintDocument& document, std::string_view printerName) {
    PrintDocument shown = document;
    shown.pageCount = std::min(document.pageCount, kPreviewPageLimit);

    QPrinter printer(QPrinter::HighResolution);
    if (!preparePrinter(printer, shown, printerName)) {
        // No printer: the preview shows the page as a PDF would have it.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        printer.setFullPage(true);
    }
    QDialog dialog(parent_ ? parent_ : QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(previewCaption(document, shown.pageCount));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPrintPreviewWidget(&printer, &dialog);
    view->setObjectName(QStringLiteral("preview"));
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&shown](QPrinter* target) { paintOnPrinter(*target, shown); });
    view->setZoomMode(QPrintPreviewWidget::FitInView);
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* go = buttons->addButton(QStringLiteral("&Stampa"), QDialogButtonBox::AcceptRole);
    go->setObjectName(QStringLiteral("cmdConferma"));
    auto* cancel = buttons->addButton(QStringLiteral("&Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdAnnulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 900);
    go->setDefault(true);
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome QtPrinter::print(const PrintDocument& document, std::string_view printerName,
                              const PageGate& beforePage) {
    return printDocument(document, printerName, beforePage);
}

PrintOutcome QtPrinter::savePdf(const PrintDocument& document, std::string_view path,
                                const PageGate& beforePage) {
    return writePdf(document, std::string(path), beforePage);
}

} // namespace dvx
