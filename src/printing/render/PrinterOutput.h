#pragma once
// Print documents sent to the system's printers (CUPS on Linux) through Qt.

#include "PagePlan.h"
#include "Printer.h"

#include <string>
#include <string_view>
#include <vector>

class QPrinter;

namespace dvx {

// Device names, in the print system's order.
std::vector<std::string> installedPrinterNames();

// Points printer at the named device (the default one when the name is
// empty) with the document's title and quality, in millimetre positions from
// the printable area. False when there is no such printer.
bool preparePrinter(QPrinter& printer, const PrintDocument& document, std::string_view printerName);

// One print job; a printer that is missing or refuses the job fails with 482.
PrintOutcome printDocument(const PrintDocument& document, std::string_view printerName,
                           const PageGate& beforePage = {});

// Draws the document on a printer that is already set up (a preview's).
void paintOnPrinter(QPrinter& printer, const PrintDocument& document);

} // namespace dvx
