// The settings dialog: what it shows on loading (and warns about), the save,
// leaving without saving, and the settings read again once it closes.

#include "PrintWindowTools.h"
#include "Settings.h"
#include "frmImpostazioni.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace dvx;
using test::child;
using test::PrintFixture;

class TestFrmImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void loadsTheFileAndThePrinters_data();
    void loadsTheFileAndThePrinters();
    void saveWritesBothLinesAndCloses();
    void exitWritesNothing();
    void settingsAreReadAgainAfterTheDialog();
};

void TestFrmImpostazioni::loadsTheFileAndThePrinters_data() {
    QTest::addColumn<QString>("file"); // empty: no file
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("stored printer installed") << "Ricevitoria  Centrale\r\nCantina\r\n"
                                              << "Ricevitoria  Centrale"
                                              << "Cantina" << QStringList{};
    QTest::newRow("stored printer gone")
        << "Ricevitoria\r\nSoffitta\r\n"
        << "Ricevitoria"
        << "Ufficio" << QStringList{"Attenzione selezionare una stampante"};
    QTest::newRow("first start")
        << ""
        << ""
        << "Ufficio"
        << QStringList{"Error 53 (File not found) in procedure ReadConfiguration of Modulo corpo",
                       "Attenzione selezionare una stampante"};
}

void TestFrmImpostazioni::loadsTheFileAndThePrinters() {
    QFETCH(QString, file);
    QFETCH(QString, header);
    QFETCH(QString, printer);
    QFETCH(QStringList, messages);
    PrintFixture f;
    if (!file.isEmpty()) {
        f.folder.write("impostazioni.cfg", file.toStdString());
    }
    frmImpostazioni w(*f.app, f.platform, f.printer);
    QCOMPARE(w.windowTitle(), QString("Impostazioni"));
    QCOMPARE(child<QLineEdit>(w, "mskIntestazione")->text(), header);
    QCOMPARE(child<QComboBox>(w, "cmbStampante")->count(), 2);
    QCOMPARE(child<QComboBox>(w, "cmbStampante")->currentText(), printer);
    QStringList shown;
    for (const auto& m : f.platform.messages) {
        shown << QString::fromStdString(m.text);
    }
    QCOMPARE(shown, messages);
    if (!messages.isEmpty() && messages.back().startsWith("Attenzione")) {
        QCOMPARE(f.platform.lastMessage().title, std::string("Importante"));
        QCOMPARE(f.platform.lastMessage().icon, Icon::Critical);
    }
}

void TestFrmImpostazioni::saveWritesBothLinesAndCloses() {
    PrintFixture f;
    f.folder.write("impostazioni.cfg", "Vecchia\r\nUfficio\r\n");
    frmImpostazioni w(*f.app, f.platform, f.printer);
    w.show();
    child<QLineEdit>(w, "mskIntestazione")->setText("Bar Sport  di Mario");
    child<QComboBox>(w, "cmbStampante")->setCurrentText("Cantina");
    child<QPushButton>(w, "cmdSalva")->click();
    QCOMPARE(f.folder.read("impostazioni.cfg"), std::string("Bar Sport  di Mario\r\nCantina\r\n"));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
    // The caller reads the file again; the dialog leaves the values alone.
    QCOMPARE(f.app->settings.intestazione, std::string("Vecchia"));
}

void TestFrmImpostazioni::exitWritesNothing() {
    PrintFixture f;
    f.folder.write("impostazioni.cfg", "Vecchia\r\nUfficio\r\n");
    frmImpostazioni w(*f.app, f.platform, f.printer);
    w.show();
    child<QLineEdit>(w, "mskIntestazione")->setText("Nuova");
    child<QPushButton>(w, "cmdUscita")->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(f.folder.read("impostazioni.cfg"), std::string("Vecchia\r\nUfficio\r\n"));
}

void TestFrmImpostazioni::settingsAreReadAgainAfterTheDialog() {
    PrintFixture f;
    f.folder.write("impostazioni.cfg", "Vecchia\r\nUfficio\r\n");
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = test::openWindow("frmImpostazioni");
        QVERIFY(dialog != nullptr);
        modal = dialog->isModal();
        child<QLineEdit>(*dialog, "mskIntestazione")->setText("Nuova");
        child<QPushButton>(*dialog, "cmdSalva")->click();
    });
    editSettings(*f.app, f.platform, f.printer, nullptr);
    QVERIFY(modal);
    QCOMPARE(f.app->settings.intestazione, std::string("Nuova"));
    QCOMPARE(f.app->settings.stampanteTabulato, std::string("Ufficio"));
}

QTEST_MAIN(TestFrmImpostazioni)
#include "test_frmImpostazioni.moc"
