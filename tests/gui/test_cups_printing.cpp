// Printing through a real print system: a CUPS scheduler of the test's own
// with a PDF queue. The calibration window lists the queue and prints its
// test slip, the slip window prints two slips, both through the preview and
// Qt's CUPS backend; the PDFs the queue writes carry every mark where the
// plans put it. Skipped, saying why, where the scheduler cannot run (not root).

#include "AppState.h"
#include "PdfInk.h"
#include "PrinterOutput.h"
#include "PrivateCups.h"
#include "QtPrinter.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "SlipPlan.h"
#include "frmStampa.h"
#include "frmTaratura.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace dvx;

namespace {

// CUPS turns the job into PostScript and back; the marks keep their places.
constexpr double kTolerance = 0.2;

// Confirms the print preview once it is open.
void confirmPreviewSoon(bool& confirmed) {
    QTimer::singleShot(0, [&confirmed] {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("PrintPreview") && w->isVisible()) {
                w->findChild<QPushButton*>(QStringLiteral("cmdConferma"))->click();
                confirmed = true;
                return;
            }
        }
    });
}

Calibration calibration() {
    Calibration c;
    c.left = 20.0f;
    c.top = 60.0f;
    c.xDist = 5.08f;
    c.yDist = 6.35f;
    c.quality = kQualityNormale;
    return c;
}

} // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void thePrintSystemListsTheQueue();
    void testSlipAndTwoSlipsComeOutOfTheQueue();
    void aMissingPrinterIsThePrinterError();
    void cleanupTestCase();

private:
    test::PrivateCups cups_;
};

void TestCupsPrinting::initTestCase() {
    if (!test::popplerAvailable()) {
        QSKIP("poppler-utils is not installed");
    }
    const auto why = cups_.start();
    if (!why.empty()) {
        QSKIP(("no private CUPS scheduler: " + why).c_str());
    }
}

void TestCupsPrinting::thePrintSystemListsTheQueue() {
    const auto names = installedPrinterNames();
    QVERIFY(std::find(names.begin(), names.end(), cups_.queue()) != names.end());
}

void TestCupsPrinting::testSlipAndTwoSlipsComeOutOfTheQueue() {
    test::ScratchFolder folder;
    auto app = std::make_unique<AppState>();
    app->programFolder = folder.folder();
    app->system.fileName = "prova.dvx";
    app->system.sistema.columnCount = 2;
    const std::uint8_t first[] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    const std::uint8_t second[] = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    std::copy(std::begin(first), std::end(first), app->system.colonne.row(1));
    std::copy(std::begin(second), std::end(second), app->system.colonne.row(2));
    app->system.numerone = 20;
    app->system.pricePerColumn = 1.0f;
    auto stored = calibration();
    stored.printer = cups_.queue();
    folder.write("print.cfg", calibrationBytes(stored, ""));
    test::RecordingPlatform platform;
    QtPrinter printer;

    bool confirmed = false;
    {
        frmTaratura taratura(*app, platform, printer);
        auto* combo = taratura.findChild<QComboBox*>(QStringLiteral("cmbStampante"));
        QVERIFY(combo->findText(QString::fromStdString(cups_.queue())) >= 0);
        QCOMPARE(combo->currentText().toStdString(), cups_.queue());
        confirmPreviewSoon(confirmed);
        taratura.findChild<QPushButton*>(QStringLiteral("cmdTest"))->click();
        QVERIFY(confirmed);
    }
    {
        frmStampa stampa(*app, platform, printer);
        QCOMPARE(stampa.currentPrinter(), cups_.queue());
        confirmed = false;
        confirmPreviewSoon(confirmed);
        stampa.findChild<QPushButton*>(QStringLiteral("cmdStampa"))->click();
        QVERIFY(confirmed);
    }
    QVERIFY2(platform.messages.empty(),
             platform.messages.empty() ? "" : platform.lastMessage().text.c_str());

    const auto pdfs = cups_.waitForPdfs(2);
    QVERIFY2(pdfs.size() == 2, cups_.log().c_str());
    QCOMPARE(test::pdfPageCount(pdfs[0]), 1);
    QCOMPARE(test::pdfPageCount(pdfs[1]), 2);
    const auto testInk = test::renderPage(pdfs[0], 1);
    QVERIFY(testInk);
    const auto testSlip = testSlipDocument(stored, "", 1.0f);
    const auto testSlipProblems = test::compareMarks(testSlip.page(0), *testInk, kTolerance);
    QVERIFY2(testSlipProblems.empty(), testSlipProblems.c_str());
    SlipPrintInputs inputs;
    inputs.system = &app->system;
    inputs.calibration = stored;
    const auto slips = slipDocument(inputs, {false, 1, 2});
    for (int p = 0; p < 2; ++p) {
        const auto ink = test::renderPage(pdfs[1], p + 1);
        QVERIFY(ink);
        const auto problems = test::compareMarks(slips.page(p), *ink, kTolerance);
        QVERIFY2(problems.empty(), problems.c_str());
    }
}

void TestCupsPrinting::aMissingPrinterIsThePrinterError() {
    const auto outcome =
        printDocument(testSlipDocument(calibration(), "", 2.0f), "No such printer here");
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.failure->number, 482);
}

void TestCupsPrinting::cleanupTestCase() {
    cups_.stop();
}

QTEST_MAIN(TestCupsPrinting)
#include "test_cups_printing.moc"
