// The sum range dialog: limits and proposals, the checks on closing with
// their messages, the fields' Enter and focus behaviour, and the read-only
// developed state.

#include "WindowTestTools.h"
#include "frmSomma.h"

#include <QLineEdit>
#include <QTimer>

using namespace dvx;
using test::DialogFixture;

namespace {

QLineEdit* field(frmSomma& d, const char* name) {
    return test::child<QLineEdit>(d, name);
}

void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
}

QString labelText(frmSomma& d, const char* name) {
    return test::child<QLabel>(d, name)->text();
}

} // namespace

class TestFrmSomma : public QObject {
    Q_OBJECT
private slots:
    void loadsLimitsAndProposals_data();
    void loadsLimitsAndProposals();
    void closingChecksTheFields_data();
    void closingChecksTheFields();
    void enterHandsTheFocusOver();
    void switchWritesAtOnceAndKeepsTheRange();
    void developedShowsButNeverChecks();
    void fewerThanTenNumbersDoNotOpen();
    void modalRunReturnsOnClose();
};

void TestFrmSomma::loadsLimitsAndProposals_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("storedDa");
    QTest::addColumn<int>("storedA");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::newRow("all, unset") << 1 << 20 << 0 << 0 << false << "55"
                                << "155"
                                << "55"
                                << "155";
    QTest::newRow("stored inside") << 1 << 20 << 70 << 120 << true << "55"
                                   << "155"
                                   << "70"
                                   << "120";
    QTest::newRow("stored outside") << 5 << 16 << 60 << 140 << true << "95"
                                    << "115"
                                    << "95"
                                    << "115";
}

void TestFrmSomma::loadsLimitsAndProposals() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, storedDa);
    QFETCH(int, storedA);
    QFETCH(bool, on);
    DialogFixture f;
    f.playRange(first, last);
    f.system().condizioni.somma = {static_cast<std::int16_t>(storedDa),
                                   static_cast<std::int16_t>(storedA)};
    f.system().condizioni.sommaOn = toVBool(on);
    frmSomma d(f.app->system, f.platform);
    QCOMPARE(d.windowTitle(), QStringLiteral("  Somma"));
    QTEST(labelText(d, "labMin"), "min");
    QTEST(labelText(d, "labMax"), "max");
    QTEST(field(d, "meDa")->text(), "da");
    QTEST(field(d, "meA")->text(), "a");
    const auto chosen = QStringLiteral("optCondSomma_%1").arg(on ? 0 : 1);
    const auto other = QStringLiteral("optCondSomma_%1").arg(on ? 1 : 0);
    QVERIFY(test::child<QRadioButton>(d, chosen)->isChecked());
    QVERIFY(!test::child<QRadioButton>(d, other)->isChecked());
    QCOMPARE(test::backgroundOf(test::child<QRadioButton>(d, chosen)), test::kYellowColour);
    QVERIFY(test::backgroundOf(test::child<QRadioButton>(d, other)) != test::kYellowColour);
    QCOMPARE(f.system().condizioni.sommaOn, toVBool(on));
    QVERIFY(test::child<QWidget>(d, "frameSomma")->isEnabled());
}

void TestFrmSomma::closingChecksTheFields_data() {
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QStringList>("messages"); // "text|title" in order
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("storedDa");
    QTest::addColumn<int>("storedA");
    const QString daAboveA = "'DA' è maggiore di 'A'| !!! E R R O R E !!! ";
    const QString daBelowMin = "'DA' è minore del minimo|!!! E R R O R E !!!";
    const QString aAboveMax = "'A' è maggiore del massimo|!!! E R R O R E !!!";
    QTest::newRow("valid") << "60"
                           << "150" << QStringList{} << "" << 60 << 150;
    QTest::newRow("inverted") << "100"
                              << "90" << QStringList{daAboveA} << "meA" << 100 << 90;
    QTest::newRow("empty A") << "60"
                             << "" << QStringList{daAboveA} << "meA" << 60 << 155;
    QTest::newRow("below minimum") << "54"
                                   << "100" << QStringList{daBelowMin} << "meDa" << 54 << 100;
    QTest::newRow("above maximum") << "60"
                                   << "156" << QStringList{aAboveMax} << "meA" << 60 << 156;
    QTest::newRow("inverted and below")
        << "40"
        << "30" << QStringList{daAboveA, daBelowMin} << "meDa" << 40 << 30;
    QTest::newRow("empty DA") << ""
                              << "100" << QStringList{} << "" << 55 << 100;
}

void TestFrmSomma::closingChecksTheFields() {
    QFETCH(QString, da);
    QFETCH(QString, a);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    DialogFixture f;
    f.playRange(1, 20);
    f.system().condizioni.somma = {55, 155};
    frmSomma d(f.app->system, f.platform);
    d.show();
    type(field(d, "meDa"), da);
    type(field(d, "meA"), a);
    d.close();

    QStringList shown;
    for (const auto& m : f.platform.messages) {
        shown << QString::fromStdString(m.text + "|" + m.title);
        QCOMPARE(m.icon, Icon::Exclamation);
        QCOMPARE(m.buttons, Buttons::Ok);
    }
    QCOMPARE(shown, messages);
    QCOMPARE(f.platform.beeps, static_cast<int>(messages.size()));
    QCOMPARE(d.isVisible(), !messages.isEmpty());
    if (!focus.isEmpty()) {
        QCOMPARE(d.focusWidget()->objectName(), focus);
    }
    QTEST(int(f.system().condizioni.somma[0]), "storedDa");
    QTEST(int(f.system().condizioni.somma[1]), "storedA");

    if (!messages.isEmpty()) {
        // Corrected, the dialog closes and keeps the corrected range.
        type(field(d, "meDa"), "80");
        type(field(d, "meA"), "120");
        d.close();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.platform.messages.size(), static_cast<std::size_t>(messages.size()));
        QCOMPARE(f.system().condizioni.somma, (std::array<std::int16_t, 2>{80, 120}));
    }
}

void TestFrmSomma::enterHandsTheFocusOver() {
    DialogFixture f;
    f.playRange(1, 20);
    frmSomma d(f.app->system, f.platform);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* meDa = field(d, "meDa");
    auto* meA = field(d, "meA");
    meDa->setFocus();
    QTest::keyClick(meDa, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), meA);
    QTRY_COMPARE(meA->selectedText().remove('_'), meA->text());
    QTest::keyClick(meA, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), meDa);
    QTRY_COMPARE(meDa->selectedText().remove('_'), QStringLiteral("55"));
    // Only digits get through the mask.
    meDa->selectAll();
    QTest::keyClicks(meDa, "7x8");
    QCOMPARE(meDa->text(), QStringLiteral("78"));
    QVERIFY(d.isVisible());
}

void TestFrmSomma::switchWritesAtOnceAndKeepsTheRange() {
    DialogFixture f;
    f.playRange(1, 20);
    f.system().condizioni.somma = {70, 120};
    frmSomma d(f.app->system, f.platform);
    d.show();
    auto* on = test::child<QRadioButton>(d, "optCondSomma_0");
    auto* off = test::child<QRadioButton>(d, "optCondSomma_1");
    QTest::mouseClick(on, Qt::LeftButton);
    QCOMPARE(f.system().condizioni.sommaOn, kTrue);
    QCOMPARE(test::backgroundOf(on), test::kYellowColour);
    QVERIFY(test::backgroundOf(off) != test::kYellowColour);
    QTest::mouseClick(off, Qt::LeftButton);
    QCOMPARE(f.system().condizioni.sommaOn, kFalse);
    QCOMPARE(test::backgroundOf(off), test::kYellowColour);
    QVERIFY(test::backgroundOf(on) != test::kYellowColour);
    d.close();
    QCOMPARE(f.system().condizioni.somma, (std::array<std::int16_t, 2>{70, 120}));
}

void TestFrmSomma::developedShowsButNeverChecks() {
    DialogFixture f;
    f.playRange(1, 20);
    f.system().condizioni.somma = {100, 90};
    f.system().condizioni.sommaOn = kTrue;
    f.system().developedMark = kDeveloped;
    frmSomma d(f.app->system, f.platform);
    d.show();
    QVERIFY(!test::child<QWidget>(d, "frameSomma")->isEnabled());
    QCOMPARE(field(d, "meDa")->text(), QStringLiteral("100"));
    QCOMPARE(field(d, "meA")->text(), QStringLiteral("90"));
    QVERIFY(test::child<QRadioButton>(d, "optCondSomma_0")->isChecked());
    d.close();
    QVERIFY(!d.isVisible());
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.system().condizioni.somma, (std::array<std::int16_t, 2>{100, 90}));
}

void TestFrmSomma::fewerThanTenNumbersDoNotOpen() {
    DialogFixture f;
    f.playRange(1, 9);
    f.system().condizioni.somma = {60, 70};
    frmSomma d(f.app->system, f.platform);
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.system().condizioni.somma, (std::array<std::int16_t, 2>{60, 70}));
}

void TestFrmSomma::modalRunReturnsOnClose() {
    DialogFixture f;
    f.playRange(3, 18);
    frmSomma d(f.app->system, f.platform);
    bool wasModal = false;
    QTimer::singleShot(0, &d, [&] {
        wasModal = d.isModal() && d.isVisible();
        d.close();
    });
    d.exec();
    QVERIFY(wasModal);
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.system().condizioni.somma, (std::array<std::int16_t, 2>{75, 135}));
}

QTEST_MAIN(TestFrmSomma)
#include "test_frmSomma.moc"
