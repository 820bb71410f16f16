// Printing through a real print system: a CUPS scheduler of the test's own
// with a PDF queue; the test slip and two slips go through Qt's CUPS
// backend, and the PDFs the queue writes carry the marks where the plans put
// them. Skipped, saying why, where the scheduler cannot run (not root).

#include "PdfInk.h"
#include "PrinterOutput.h"
#include "PrivateCups.h"
#include "SlipPlan.h"

#include <QTest>

#include <memory>

using namespace dvx;

namespace {

// CUPS turns the job into PostScript and back; the marks keep their places.
constexpr double kTolerance = 0.2;

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
    const auto testSlip = testSlipDocument(calibration(), "Intestazione", 2.0f);
    auto outcome = printDocument(testSlip, cups_.queue());
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.pagesSent, 1);

    auto system = std::make_unique<SystemState>();
    system->sistema.columnCount = 2;
    const std::uint8_t first[] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    const std::uint8_t second[] = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    std::copy(std::begin(first), std::end(first), system->colonne.row(1));
    std::copy(std::begin(second), std::end(second), system->colonne.row(2));
    system->numerone = 20;
    system->pricePerColumn = 1.0f;
    SlipPrintInputs inputs;
    inputs.system = system.get();
    inputs.calibration = calibration();
    inputs.systemName = "prova.dvx";
    const auto slips = slipDocument(inputs, {false, 1, 2});
    outcome = printDocument(slips, cups_.queue());
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.pagesSent, 2);

    const auto pdfs = cups_.waitForPdfs(2);
    QVERIFY2(pdfs.size() == 2, cups_.log().c_str());
    QCOMPARE(test::pdfPageCount(pdfs[0]), 1);
    QCOMPARE(test::pdfPageCount(pdfs[1]), 2);
    const auto testInk = test::renderPage(pdfs[0], 1);
    QVERIFY(testInk);
    const auto testSlipProblems = test::compareMarks(testSlip.page(0), *testInk, kTolerance);
    QVERIFY2(testSlipProblems.empty(), testSlipProblems.c_str());
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
