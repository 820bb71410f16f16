#include "PlanPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

namespace dvx {

namespace {

struct PaintContext {
    QPainter& painter;
    double dotsPerMm;
    QPointF lineEnd; // where the last text ended, on its line top
};

QFont fontFor(const TextItem& text, const QPainter& painter, double dotsPerMm) {
    QFont font(QString::fromStdString(text.font));
    // The device's own dpi turns points into dots; scale so that a point is
    // always 1/72 inch of the plan's millimetres whatever the device says.
    const double deviceDpi = painter.device()->logicalDpiY();
    font.setPointSizeF(text.sizePoints * dotsPerMm * 25.4 / deviceDpi);
    font.setBold(text.bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

void paintText(PaintContext& context, const TextItem& text) {
    auto& painter = context.painter;
    const QFont font = fontFor(text, painter, context.dotsPerMm);
    const QFontMetricsF metrics(font, painter.device());
    const QString string = QString::fromStdString(text.text);
    const QPointF origin = text.continuesPrevious
                               ? context.lineEnd
                               : QPointF(text.x * context.dotsPerMm, text.y * context.dotsPerMm);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(origin);
    painter.rotate(-text.rotationDegrees);
    painter.drawText(QPointF(0.0, metrics.ascent()), string);
    painter.restore();
    if (text.rotationDegrees == 0) {
        context.lineEnd = origin + QPointF(metrics.horizontalAdvance(string), 0.0);
    } else {
        context.lineEnd = origin;
    }
}

QRectF deviceRect(double x, double y, double width, double height, double dotsPerMm) {
    return {x * dotsPerMm, y * dotsPerMm, width * dotsPerMm, height * dotsPerMm};
}

} // namespace

void paintPage(QPainter& painter, const Page& page, double dotsPerMillimetre) {
    painter.save();
    // Marks must come out solid black with sharp edges, never grey.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    PaintContext context{painter, dotsPerMillimetre, {}};
    for (const auto& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            paintText(context, *text);
        } else if (const auto* rect = std::get_if<RectItem>(&item)) {
            painter.fillRect(
                deviceRect(rect->x, rect->y, rect->width, rect->height, dotsPerMillimetre),
                Qt::black);
        } else if (const auto* image = std::get_if<ImageItem>(&item)) {
            const QImage picture(QString::fromStdString(image->path));
            if (!picture.isNull()) {
                painter.drawImage(
                    deviceRect(image->x, image->y, image->width, image->height, dotsPerMillimetre),
                    picture);
            }
        }
    }
    painter.restore();
}

PrintOutcome paintDocument(QPainter& painter, QPagedPaintDevice& device,
                           const PrintDocument& document, double dotsPerMillimetre,
                           const PageGate& beforePage) {
    PrintOutcome outcome;
    for (int i = 0; i < document.pageCount; ++i) {
        if (beforePage && !beforePage(i)) {
            outcome.interrupted = true;
            break;
        }
        if (i > 0 && !device.newPage()) {
            outcome.failure = PrintFailure{kErrPrinter, "Printer error"};
            break;
        }
        paintPage(painter, document.page(i), dotsPerMillimetre);
        ++outcome.pagesSent;
    }
    return outcome;
}

} // namespace dvx
