#pragma once
// The print system as the program sees it: the installed printers, a preview
// the user confirms, and documents sent to a printer or written as PDF.

#include "PagePlan.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr int kErrPrinter = 482;

struct PrintFailure {
    int number = 0; // 482 when the printer cannot be used
    std::string description;
};

// How a print run ended: sent (all pages or up to an interruption) or failed.
struct PrintOutcome {
    int pagesSent = 0;
    bool interrupted = false;
    std::optional<PrintFailure> failure;

    bool ok() const { return !failure; }
};

// Asked before each page with its 0-based index; false ends the document there
// (the pages already drawn are still sent).
using PageGate = std::function<bool(int pageIndex)>;

class Printer {
public:
    virtual ~Printer() = default;

    // Device names in the print system's order.
    virtual std::vector<std::string> installedPrinters() = 0;
    // Shows the pages; true when the user chose to go on.
    virtual bool preview(const PrintDocument& document, std::string_view printerName) = 0;
    // One job on the named printer; an empty name is the system's default.
    virtual PrintOutcome print(const PrintDocument& document, std::string_view printerName,
                               const PageGate& beforePage) = 0;
    // A4 portrait, the whole page printable.
    virtual PrintOutcome savePdf(const PrintDocument& document, std::string_view path,
                                 const PageGate& beforePage) = 0;
};

} // namespace dvx
