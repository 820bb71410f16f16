#pragma once
// Draws page plans with a QPainter: printers, PDF files, previews and the
// calibration window's drawing all go through here.

#include "PagePlan.h"
#include "Printer.h"

class QPagedPaintDevice;
class QPainter;

namespace dvx {

// Draws one page; dotsPerMillimetre is the device's resolution and the
// painter's origin is the top-left corner of the printable area.
void paintPage(QPainter& painter, const Page& page, double dotsPerMillimetre);

// Draws the pages one after the other on a painter already begun on device,
// asking beforePage before each one.
PrintOutcome paintDocument(QPainter& painter, QPagedPaintDevice& device,
                           const PrintDocument& document, double dotsPerMillimetre,
                           const PageGate& beforePage);

} // namespace dvx
