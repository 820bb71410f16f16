// The calibration window: printers and their warnings, the scroll bars in
// hundredths of a millimetre, the quality options, the drawing, the test
// slip with the window's values, the save.

#include "PrintWindowTools.h"
#include "frmTaratura.h"

#include "SlipGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace dvx;
using test::child;
using test::PrintFixture;

namespace {

Calibration stored(const char* printer) {
    Calibration c;
    c.top = 55.5f;
    c.left = 12.25f;
    c.xDist = 5.08f;
    c.yDist = 6.35f;
    c.quality = kQualityNormale;
    c.printer = printer;
    return c;
}

} // namespace

class TestFrmTaratura : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredValues();
    void printersAndTheirWarnings_data();
    void printersAndTheirWarnings();
    void scrollBarsHoldHundredths();
    void typedValuesMoveTheBars();
    void qualityOptionIsYellow();
    void drawingFollowsTheValues();
    void testSlipUsesTheUnsavedValuesOnTheChosenPrinter();
    void testSlipFailures_data();
    void testSlipFailures();
    void saveWritesTheRecordFile();
};

void TestFrmTaratura::showsTheStoredValues() {
    PrintFixture f;
    f.storeCalibration(stored("Cantina"));
    frmTaratura w(*f.app, f.platform, f.printer);
    QVERIFY(w.windowTitle().startsWith("Taratura Scheda"));
    QCOMPARE(child<QScrollBar>(w, "VsTop")->value(), 5550);
    QCOMPARE(child<QScrollBar>(w, "vsLeft")->value(), 1225);
    QCOMPARE(child<QScrollBar>(w, "VsX")->value(), 508);
    QCOMPARE(child<QScrollBar>(w, "VsY")->value(), 635);
    QCOMPARE(child<QScrollBar>(w, "VsTop")->maximum(), 30000);
    QCOMPARE(child<QScrollBar>(w, "VsX")->maximum(), 3000);
    QCOMPARE(child<QLineEdit>(w, "labTop")->text(), QString("55.5"));
    QCOMPARE(child<QLineEdit>(w, "labX")->text(), QString("5.08"));
    QVERIFY(child<QRadioButton>(w, "optColor0")->isChecked());
    QCOMPARE(child<QComboBox>(w, "cmbStampante")->currentText(), QString("Cantina"));
    QCOMPARE(w.currentPrinter(), std::string("Cantina"));
    QVERIFY(f.platform.messages.empty());
}

void TestFrmTaratura::printersAndTheirWarnings_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("storedPrinter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("warning");
    QTest::newRow("stored, installed") << QStringList{"Ufficio", "Cantina"} << "Cantina"
                                       << "Cantina"
                                       << "";
    QTest::newRow("stored, gone") << QStringList{"Ufficio", "Cantina"} << "Soffitta"
                                  << "Ufficio"
                                  << "Attenzione selezionare una stampante";
    QTest::newRow("no file") << QStringList{"Ufficio"} << ""
                             << "Ufficio"
                             << "Attenzione selezionare una stampante";
    QTest::newRow("none installed") << QStringList{} << "Cantina"
                                    << ""
                                    << "Attenzione nessuna stampante installata";
}

void TestFrmTaratura::printersAndTheirWarnings() {
    QFETCH(QStringList, installed);
    QFETCH(QString, storedPrinter);
    QFETCH(QString, shown);
    QFETCH(QString, warning);
    PrintFixture f;
    f.printer.printers.clear();
    for (const auto& name : installed) {
        f.printer.printers.push_back(name.toStdString());
    }
    if (!storedPrinter.isEmpty()) {
        f.storeCalibration(stored(storedPrinter.toUtf8().constData()));
    }
    const auto before = f.folder.read("print.cfg");
    frmTaratura w(*f.app, f.platform, f.printer);
    auto* combo = child<QComboBox>(w, "cmbStampante");
    QCOMPARE(combo->count(), installed.size());
    QCOMPARE(combo->currentText(), shown);
    if (warning.isEmpty()) {
        QVERIFY(f.platform.messages.empty());
    } else {
        QCOMPARE(f.platform.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.platform.lastMessage().text), warning);
        QCOMPARE(f.platform.lastMessage().title, std::string("Importante"));
        QCOMPARE(f.platform.lastMessage().icon, Icon::Critical);
    }
    // Nothing is saved until the save button.
    QCOMPARE(f.folder.read("print.cfg"), before);
}

void TestFrmTaratura::scrollBarsHoldHundredths() {
    PrintFixture f;
    frmTaratura w(*f.app, f.platform, f.printer);
    child<QScrollBar>(w, "VsX")->setValue(1234);
    QCOMPARE(child<QLineEdit>(w, "labX")->text(), QString("12.34"));
    QCOMPARE(w.calibration().xDist, 12.34f);
    auto* top = child<QScrollBar>(w, "VsTop");
    top->setFocus();
    QTest::keyClick(top, Qt::Key_PageDown); // a millimetre more
    QCOMPARE(child<QLineEdit>(w, "labTop")->text(), QString("1"));
    QCOMPARE(w.calibration().top, 1.0f);
}

void TestFrmTaratura::typedValuesMoveTheBars() {
    PrintFixture f;
    frmTaratura w(*f.app, f.platform, f.printer);
    auto* text = child<QLineEdit>(w, "labLeft");
    text->setText("21,5");
    emit text->editingFinished();
    QCOMPARE(child<QScrollBar>(w, "vsLeft")->value(), 2150);
    QCOMPARE(w.calibration().left, 21.5f);
    text->setText("quattro");
    emit text->editingFinished();
    QCOMPARE(child<QScrollBar>(w, "vsLeft")->value(), 2150);
    QCOMPARE(text->text(), QString("21.5"));
    child<QLineEdit>(w, "labY")->setText("99");
    emit child<QLineEdit>(w, "labY")->editingFinished();
    QCOMPARE(child<QScrollBar>(w, "VsY")->value(), 3000); // at most 30 mm
}

void TestFrmTaratura::qualityOptionIsYellow() {
    PrintFixture f;
    auto c = stored("Ufficio");
    c.quality = 1234; // anything but 9999 is draft
    f.storeCalibration(c);
    frmTaratura w(*f.app, f.platform, f.printer);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* normale = child<QRadioButton>(w, "optColor0");
    auto* bassa = child<QRadioButton>(w, "optColor1");
    QCOMPARE(normale->text(), QString("&Normale"));
    QCOMPARE(bassa->text(), QString("&Bassa"));
    QVERIFY(bassa->isChecked());
    QCOMPARE(test::backgroundOf(bassa), QColor(255, 255, 0));
    QVERIFY(test::backgroundOf(normale) != QColor(255, 255, 0));
    normale->click();
    QCOMPARE(w.calibration().quality, std::int16_t{9999});
    QCOMPARE(test::backgroundOf(normale), QColor(255, 255, 0));
    QVERIFY(test::backgroundOf(bassa) != QColor(255, 255, 0));
}

void TestFrmTaratura::drawingFollowsTheValues() {
    PrintFixture f;
    f.storeCalibration(stored("Ufficio"));
    frmTaratura w(*f.app, f.platform, f.printer);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* drawing = child<QWidget>(w, "picGriglia");
    const auto before = drawing->grab().toImage();
    child<QScrollBar>(w, "VsX")->setValue(700);
    const auto after = drawing->grab().toImage();
    QVERIFY(before != after);
    child<QScrollBar>(w, "VsX")->setValue(508);
    QCOMPARE(drawing->grab().toImage(), before);
}

void TestFrmTaratura::testSlipUsesTheUnsavedValuesOnTheChosenPrinter() {
    PrintFixture f;
    f.storeCalibration(stored("Ufficio"));
    f.app->settings.intestazione = "Ricevitoria";
    frmTaratura w(*f.app, f.platform, f.printer);
    child<QComboBox>(w, "cmbStampante")->setCurrentText("Cantina");
    child<QScrollBar>(w, "VsTop")->setValue(6000);
    child<QRadioButton>(w, "optColor1")->click();
    child<QPushButton>(w, "cmdTest")->click();
    QCOMPARE(f.printer.previews.size(), std::size_t{1});
    QCOMPARE(f.printer.jobs.size(), std::size_t{1});
    const auto& job = f.printer.jobs.front();
    QCOMPARE(job.target, std::string("Cantina"));
    QCOMPARE(job.document.quality, PrintQuality::Draft);
    const auto page = job.document.page(0);
    int marks = 0;
    double top = 1e9;
    for (const auto& item : page.items) {
        if (const auto* r = std::get_if<RectItem>(&item)) {
            ++marks;
            top = std::min(top, r->y);
        }
    }
    QCOMPARE(marks, kSlipColumns * kSlipRows);
    QCOMPARE(top, 60.0);
    // The file still holds what was saved.
    QCOMPARE(LeggiTaratura(f.app->programFolder).top, 55.5f);
    QVERIFY(f.platform.messages.empty());
}

void TestFrmTaratura::testSlipFailures_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("printer") << 482 << "Stampante non installata";
    QTest::newRow("other") << 75 << "Errore Stampante non previsto";
}

void TestFrmTaratura::testSlipFailures() {
    QFETCH(int, number);
    QFETCH(QString, text);
    PrintFixture f;
    f.storeCalibration(stored("Ufficio"));
    f.printer.failure = PrintFailure{number, "whatever"};
    frmTaratura w(*f.app, f.platform, f.printer);
    child<QPushButton>(w, "cmdTest")->click();
    QCOMPARE(QString::fromStdString(f.platform.lastMessage().text), text);
    QCOMPARE(f.platform.lastMessage().title, std::string("!!! E R R O R E !!!"));
    QCOMPARE(f.platform.lastMessage().icon, Icon::Critical);
}

void TestFrmTaratura::saveWritesTheRecordFile() {
    PrintFixture f;
    f.printer.printers = {"Stampante ufficio 01", "Cantina"}; // 20 characters
    frmTaratura w(*f.app, f.platform, f.printer);
    f.platform.messages.clear();
    child<QScrollBar>(w, "VsTop")->setValue(5550);
    child<QScrollBar>(w, "vsLeft")->setValue(1225);
    child<QScrollBar>(w, "VsX")->setValue(508);
    child<QScrollBar>(w, "VsY")->setValue(847);
    child<QRadioButton>(w, "optColor0")->click();
    child<QPushButton>(w, "cmdSalva")->click();
    const auto bytes = f.folder.read("print.cfg");
    QCOMPARE(bytes.size(), std::size_t{662});
    QCOMPARE(bytes.substr(512, 4), std::string("\x02\x00\x0F\x27", 4));
    const auto back = LeggiTaratura(f.app->programFolder);
    QCOMPARE(back.top, 55.5f);
    QCOMPARE(back.yDist, 8.47f);
    QCOMPARE(back.printer, std::string("Stampante ufficio 01"));
    QVERIFY(f.platform.messages.empty());

    child<QComboBox>(w, "cmbStampante")->setCurrentText("Cantina");
    child<QPushButton>(w, "cmdSalva")->click();
    QCOMPARE(f.folder.read("print.cfg").size(), std::size_t{662});
    QCOMPARE(LeggiTaratura(f.app->programFolder).printer, std::string("Cantina"));
}

QTEST_MAIN(TestFrmTaratura)
#include "test_frmTaratura.moc"
