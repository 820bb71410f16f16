#pragma once
// A print document written as a PDF file: A4 portrait, the whole page
// printable, so plan positions are measured from the page's top-left corner.

#include "PagePlan.h"
#include "Printer.h"

#include <string>

namespace dvx {

// Replaces the file only once the whole document is drawn; a failure leaves
// any previous file as it was and reports the classic file error.
PrintOutcome writePdf(const PrintDocument& document, const std::string& path,
                      const PageGate& beforePage = {});

} // namespace dvx
