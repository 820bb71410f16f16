#include "PdfExport.h"

#include "PlanPainter.h"

#include "ErrorCodes.h"
#include "FileReplace.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace dvx {

namespace {

constexpr int kPdfDotsPerInch = 1200;

} // namespace

PrintOutcome writePdf(const PrintDocument& document, const std::string& path,
                      const PageGate& beforePage) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PrintOutcome outcome;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(document.title));
        writer.setCreator(QStringLiteral("Decaventrix"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            const auto classic = classicError(kErrPathFileAccess);
            outcome.failure = PrintFailure{classic.number, classic.description};
            return outcome;
        }
        outcome = paintDocument(painter, writer, document, kPdfDotsPerInch / 25.4, beforePage);
        painter.end();
    }
    if (!outcome.ok()) {
        return outcome;
    }
    const auto& bytes = buffer.data();
    if (const auto error = replaceFile(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        const auto classic = classicErrorOf(error, path);
        outcome.failure = PrintFailure{classic.number, classic.description};
    }
    return outcome;
}

} // namespace dvx
