#pragma once
// A Printer that records the jobs it is given and the previews it shows,
// runs the page gate as the real one does, and fails when told to.

#include "Printer.h"

#include <optional>
#include <string>
#include <vector>

namespace dvx::test {

class RecordingPrinter final : public Printer {
public:
    struct Job {
        std::string target; // the printer's name, or the PDF's path
        bool pdf = false;
        PrintDocument document;
        std::vector<int> pagesDrawn;
        bool interrupted = false;
    };

    std::vector<std::string> printers;
    bool previewAnswer = true;
    std::optional<PrintFailure> failure; // every job fails with it...
    int failAtPage = 0;                  // ...once it reaches this page

    std::vector<Job> jobs;
    std::vector<std::string> previews; // titles of the documents previewed
    // Called before each page is drawn, after the gate: lets a test act in
    // the middle of a run, as a user would.
    std::function<void(int pageIndex)> onPage;

    std::vector<std::string> installedPrinters() override { return printers; }
    bool preview(const PrintDocument& document, std::string_view) override {
        previews.push_back(document.title);
        return previewAnswer;
    }
    PrintOutcome print(const PrintDocument& document, std::string_view printerName,
                       const PageGate& beforePage) override {
        return run(document, std::string(printerName), false, beforePage);
    }
    PrintOutcome savePdf(const PrintDocument& document, std::string_view path,
                         const PageGate& beforePage) override {
        return run(document, std::string(path), true, beforePage);
    }

private:
    PrintOutcome run(const PrintDocument& document, std::string target, bool pdf,
                     const PageGate& beforePage) {
        Job job{std::move(target), pdf, document, {}, false};
        PrintOutcome outcome;
        for (int i = 0; i < document.pageCount; ++i) {
            if (beforePage && !beforePage(i)) {
                job.interrupted = outcome.interrupted = true;
                break;
            }
            if (failure && i >= failAtPage) {
                outcome.failure = failure;
                break;
            }
            if (onPage) {
                onPage(i);
            }
            job.pagesDrawn.push_back(i);
            ++outcome.pagesSent;
        }
        jobs.push_back(std::move(job));
        return outcome;
    }
};

} // namespace dvx::test
