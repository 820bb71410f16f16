// The slip window: the range fields and their messages, the coupon, the
// progress window and its interruption, the PDF, the calibration button.

#include "ModelessWindows.h"
#include "PrintWindowTools.h"
#include "WindowContext.h"
#include "WindowHub.h"
#include "frmPrnInCorso.h"
#include "frmStampa.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace dvx;
using test::child;
using test::PrintFixture;

namespace {

void setField(frmStampa& w, const char* name, const QString& text) {
    auto* field = child<QLineEdit>(w, name);
    field->clear();
    field->setText(text);
}

void click(frmStampa& w, const char* name) {
    child<QPushButton>(w, name)->click();
}

} // namespace

class TestFrmStampa : public QObject {
    Q_OBJECT
private slots:
    void loadsTheCountAndTheCalibration();
    void rangeIsCheckedBeforeAnything_data();
    void rangeIsCheckedBeforeAnything();
    void enterMovesOnToThePrintButton();
    void printsTheCouponThenTheRangeAfterThePreview();
    void aCancelledPreviewPrintsNothing();
    void interruptingStopsBetweenSlips_data();
    void interruptingStopsBetweenSlips();
    void aFailureOnTheCouponNamesIt();
    void savesAsPdfWhereTheUserSays();
    void calibrationIsReadAgainAfterItsWindow();
    void theMainWindowRestsWhileTheSlipWindowIsOpen_data();
    void theMainWindowRestsWhileTheSlipWindowIsOpen();
};

void TestFrmStampa::loadsTheCountAndTheCalibration() {
    PrintFixture f;
    f.columns(46);
    Calibration stored;
    stored.left = 20.0f;
    stored.printer = "Cantina";
    f.storeCalibration(stored);
    frmStampa w(*f.app, f.platform, f.printer);
    QCOMPARE(w.windowTitle(), QString("Stampa Schedine"));
    QCOMPARE(child<QLabel>(w, "labSchede")->text(), QString("46"));
    QCOMPARE(child<QLineEdit>(w, "meDa")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(w, "meA")->text(), QString("46"));
    QCOMPARE(child<QCheckBox>(w, "chkProspetto")->text(), QString("Cedola Pronostico"));
    QCOMPARE(w.currentPrinter(), std::string("Cantina"));
    QCOMPARE(f.app->calibration.left, 20.0f);

    stored.printer = "Soffitta"; // no longer installed: the default printer
    f.storeCalibration(stored);
    frmStampa again(*f.app, f.platform, f.printer);
    QCOMPARE(again.currentPrinter(), std::string());
    QVERIFY(f.platform.messages.empty());
}

void TestFrmStampa::rangeIsCheckedBeforeAnything_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no columns") << 0 << "1"
                                << "0"
                                << "'DA' è maggiore di 'A'"
                                << " !!! E R R O R E !!! "
                                << "meA";
    QTest::newRow("da after a") << 10 << "7"
                                << "3"
                                << "'DA' è maggiore di 'A'"
                                << " !!! E R R O R E !!! "
                                << "meA";
    QTest::newRow("da erased") << 10 << ""
                               << "10"
                               << "'DA' è minore del minimo"
                               << "!!! E R R O R E !!!"
                               << "meDa";
    QTest::newRow("a beyond") << 10 << "1"
                              << "11"
                              << "'A' è maggiore del massimo"
                              << "!!! E R R O R E !!!"
                              << "meA";
}

void TestFrmStampa::rangeIsCheckedBeforeAnything() {
    QFETCH(int, columns);
    QFETCH(QString, da);
    QFETCH(QString, a);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, focus);
    PrintFixture f;
    f.columns(columns);
    frmStampa w(*f.app, f.platform, f.printer);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (columns > 0) {
        setField(w, "meDa", da);
        setField(w, "meA", a);
    }
    child<QCheckBox>(w, "chkProspetto")->setChecked(true);
    click(w, "cmdStampa");
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(f.platform.lastMessage().text), text);
    QCOMPARE(QString::fromStdString(f.platform.lastMessage().title), title);
    QCOMPARE(f.platform.lastMessage().icon, Icon::Exclamation);
    QCOMPARE(f.platform.beeps, 1);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // Not even the coupon.
    QVERIFY(f.printer.previews.empty());
    QVERIFY(f.printer.jobs.empty());
}

void TestFrmStampa::enterMovesOnToThePrintButton() {
    PrintFixture f;
    f.columns(5);
    frmStampa w(*f.app, f.platform, f.printer);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* meDa = child<QLineEdit>(w, "meDa");
    auto* meA = child<QLineEdit>(w, "meA");
    meDa->setFocus();
    QTest::keyClick(meDa, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), meA);
    QTRY_COMPARE(meA->selectedText().remove('_'), meA->text().remove('_'));
    QTest::keyClick(meA, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w, "cmdStampa"));
    QVERIFY(f.printer.jobs.empty());
}

void TestFrmStampa::printsTheCouponThenTheRangeAfterThePreview() {
    PrintFixture f;
    f.columns(10);
    Calibration stored;
    stored.printer = "Ufficio";
    f.storeCalibration(stored);
    frmStampa w(*f.app, f.platform, f.printer);
    setField(w, "meDa", "2");
    setField(w, "meA", "4");
    child<QCheckBox>(w, "chkProspetto")->setChecked(true);
    QStringList shown;
    f.printer.onPage = [&](int) {
        auto* progress = test::openWindow("frmPrnInCorso");
        QVERIFY(progress != nullptr);
        QCOMPARE(progress->windowTitle(), QString("Stampa in corso..."));
        shown << child<QLabel>(*progress, "labScheda")->text();
        // The window's own controls rest while the run goes on.
        QVERIFY(!child<QPushButton>(w, "cmdStampa")->isEnabled());
    };
    click(w, "cmdStampa");
    QCOMPARE(f.printer.previews.size(), std::size_t{1});
    QCOMPARE(f.printer.jobs.size(), std::size_t{1});
    const auto& job = f.printer.jobs.front();
    QCOMPARE(job.target, std::string("Ufficio"));
    QVERIFY(!job.pdf);
    QCOMPARE(job.document.pageCount, 4);
    QCOMPARE(shown, (QStringList{"Scheda n. 000000", "Scheda n. 000002", "Scheda n. 000003",
                                 "Scheda n. 000004"}));
    QVERIFY(test::openWindow("frmPrnInCorso") == nullptr);
    QVERIFY(child<QPushButton>(w, "cmdStampa")->isEnabled());
    QVERIFY(f.platform.messages.empty());
}

void TestFrmStampa::aCancelledPreviewPrintsNothing() {
    PrintFixture f;
    f.columns(3);
    f.printer.previewAnswer = false;
    frmStampa w(*f.app, f.platform, f.printer);
    click(w, "cmdStampa");
    QCOMPARE(f.printer.previews.size(), std::size_t{1});
    QVERIFY(f.printer.jobs.empty());
}

void TestFrmStampa::interruptingStopsBetweenSlips_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("drawn");
    QTest::newRow("yes: the slips begun") << true << 3;
    QTest::newRow("no: all of them") << false << 6;
}

void TestFrmStampa::interruptingStopsBetweenSlips() {
    QFETCH(bool, confirm);
    QFETCH(int, drawn);
    PrintFixture f;
    f.columns(6);
    f.platform.answers = {confirm ? Answer::Yes : Answer::No};
    frmStampa w(*f.app, f.platform, f.printer);
    f.printer.onPage = [&](int page) {
        if (page == 2) { // while the third slip prints
            auto* progress = test::openWindow("frmPrnInCorso");
            QVERIFY(progress != nullptr);
            child<QPushButton>(*progress, "cmdInterrompi")->click();
        }
    };
    click(w, "cmdStampa");
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(f.platform.messages[0].text, std::string("Sicuro di interrompere la stampa ?"));
    QCOMPARE(f.platform.messages[0].title, std::string("Stampa in corso..."));
    QCOMPARE(f.platform.messages[0].icon, Icon::Question);
    QCOMPARE(f.platform.messages[0].buttons, Buttons::YesNo);
    QCOMPARE(f.platform.beeps, 1);
    const auto& job = f.printer.jobs.front();
    QCOMPARE(static_cast<int>(job.pagesDrawn.size()), drawn);
    QCOMPARE(job.interrupted, confirm);
}

void TestFrmStampa::aFailureOnTheCouponNamesIt() {
    PrintFixture f;
    f.columns(3);
    f.printer.failure = PrintFailure{482, "Printer error"};
    frmStampa w(*f.app, f.platform, f.printer);
    child<QCheckBox>(w, "chkProspetto")->setChecked(true);
    click(w, "cmdStampa");
    QCOMPARE(f.platform.lastMessage().text,
             std::string("Error 482 (Printer error) in procedure Stampa Prospetto"));
    QCOMPARE(f.platform.lastMessage().icon, Icon::None);
    QVERIFY(f.platform.lastMessage().title.empty());

    f.printer.failAtPage = 1; // on the first slip
    click(w, "cmdStampa");
    QCOMPARE(
        f.platform.lastMessage().text,
        std::string("Error 482 (Printer error) in procedure cmdStampa_Click of Form frmStampa"));
}

void TestFrmStampa::savesAsPdfWhereTheUserSays() {
    PrintFixture f;
    f.columns(4);
    frmStampa w(*f.app, f.platform, f.printer);
    f.platform.fileNames = {std::nullopt, f.folder.file("schede.pdf")};
    click(w, "cmdPdf");
    QVERIFY(f.printer.jobs.empty());
    click(w, "cmdPdf");
    QCOMPARE(f.platform.fileRequests.back(), "save " + f.folder.folder() + "|PDF|*.pdf|prova.pdf");
    QCOMPARE(f.printer.jobs.size(), std::size_t{1});
    QVERIFY(f.printer.jobs[0].pdf);
    QCOMPARE(f.printer.jobs[0].target, f.folder.file("schede.pdf"));
    QCOMPARE(f.printer.jobs[0].document.pageCount, 4);
    QVERIFY(f.printer.previews.empty());
}

void TestFrmStampa::calibrationIsReadAgainAfterItsWindow() {
    PrintFixture f;
    f.columns(2);
    frmStampa w(*f.app, f.platform, f.printer);
    QCOMPARE(w.currentPrinter(), std::string());
    bool opened = false;
    QTimer::singleShot(0, &w, [&] {
        auto* taratura = test::openWindow("frmTaratura");
        opened = taratura != nullptr && taratura->isModal();
        Calibration saved;
        saved.top = 61.5f;
        saved.printer = "Cantina";
        f.storeCalibration(saved);
        if (taratura) {
            taratura->close();
        }
    });
    click(w, "cmdTaratura");
    QVERIFY(opened);
    QCOMPARE(f.app->calibration.top, 61.5f);
    QCOMPARE(w.currentPrinter(), std::string("Cantina"));
}

void TestFrmStampa::theMainWindowRestsWhileTheSlipWindowIsOpen_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("menu") << "menuschedine";
    QTest::newRow("button") << "cmdSchedine";
}

void TestFrmStampa::theMainWindowRestsWhileTheSlipWindowIsOpen() {
    QFETCH(QString, control);
    PrintFixture f;
    f.columns(3);
    QWidget main;
    main.show();
    ModelessWindows modeless;
    WindowContext context{*f.app, f.platform, &main, modeless, {}, &f.printer};
    const auto open = hubWindowFor(control.toStdString());
    QVERIFY(open != nullptr);
    open(context);
    auto* window = test::openWindow("frmStampa");
    QVERIFY(window != nullptr);
    QVERIFY(!main.isEnabled());
    QVERIFY(window->isEnabled()); // a window of its own, not a child of the resting one
    QVERIFY(window->close());
    QVERIFY(main.isEnabled());
    QTRY_VERIFY(test::openWindow("frmStampa") == nullptr);
}

QTEST_MAIN(TestFrmStampa)
#include "test_frmStampa.moc"
