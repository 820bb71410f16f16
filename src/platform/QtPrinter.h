#pragma once
// The print system through Qt: CUPS printers, a preview window the user
// confirms, PDF files.

#include "Printer.h"

class QWidget;

namespace dvx {

class QtPrinter final : public Printer {
public:
    explicit QtPrinter(QWidget* parent = nullptr) : parent_(parent) {}

    std::vector<std::string> installedPrinters() override;
    bool preview(const PrintDocument& document, std::string_view printerName) override;
    PrintOutcome print(const PrintDocument& document, std::string_view printerName,
                       const PageGate& beforePage) override;
    PrintOutcome savePdf(const PrintDocument& document, std::string_view path,
                         const PageGate& beforePage) override;

private:
    QWidget* parent_;
};

// A preview shows at most this many pages; a run of thousands of slips
// would otherwise be drawn in full before the window opens.
inline constexpr int kPreviewPageLimit = 50;

} // namespace dvx
