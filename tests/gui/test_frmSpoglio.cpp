// The single check's window: its fields with their focus and Enter rules,
// the check and its two messages, the clear button, a winning column set
// from outside, and the odds panel.

#include "AppState.h"
#include "RecordingPlatform.h"
#include "SystemOdds.h"
#include "frmSpoglio.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace dvx;

namespace {

// Rows 1..4: 1..10, 11..20, 1..5 with 11..15, and 2..11.
void fillSystem(SystemState& system, std::uint8_t numerone, float price) {
    const std::uint8_t rows[4][kColumnSize] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                               {11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
                                               {1, 2, 3, 4, 5, 11, 12, 13, 14, 15},
                                               {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    for (int r = 0; r < 4; ++r) {
        std::copy(rows[r], rows[r] + kColumnSize, system.colonne.row(r + 1));
    }
    system.sistema.columnCount = 4;
    system.developedMark = kDeveloped;
    system.numerone = numerone;
    system.pricePerColumn = price;
}

struct Fixture {
    AppState app;
    test::RecordingPlatform platform;
    std::unique_ptr<frmSpoglio> window;

    explicit Fixture(std::uint8_t numerone = 7, float price = 2.0f) {
        fillSystem(app.system, numerone, price);
    }
    void open() {
        window = std::make_unique<frmSpoglio>(app, platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* field(int k) const {
        return window->findChild<QLineEdit*>(QString("meSpoglio_%1").arg(k));
    }
    QString label(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    QString count(int index) const { return label(QString("labVincite_%1").arg(index)); }
    QStringList list(int index) const {
        const auto* model =
            window->findChild<QListView*>(QString("listVin_%1").arg(index))->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            rows << model->index(r, 0).data().toString();
        }
        return rows;
    }
    void type(const QStringList& values) {
        for (int k = 0; k < values.size(); ++k) {
            field(k)->setFocus();
            field(k)->selectAll();
            QTest::keyClicks(field(k), values[k]);
        }
    }
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

} // namespace

class TestFrmSpoglio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void opensWithTheStoredWinningColumnAndEmptyLists();
    void enterPassesTheFocusOn_data();
    void enterPassesTheFocusOn();
    void leavingAFieldStoresItsValue();
    void enteringAFieldSelectsItsText();
    void checkSortsTheFieldsAndListsEveryCategory_data();
    void checkSortsTheFieldsAndListsEveryCategory();
    void refusedColumnsKeepThePreviousResult_data();
    void refusedColumnsKeepThePreviousResult();
    void clearEmptiesColumnFieldsAndLists();
    void winningColumnSetElsewhereShowsOnRefresh();
    void oddsPanelShowsTheExactOddsOfTheSystem();
};

void TestFrmSpoglio::opensWithTheStoredWinningColumnAndEmptyLists() {
    Fixture f;
    f.app.winning.at(1) = 5;
    f.app.winning.at(11) = 20;
    f.open();
    QCOMPARE(f.window->windowTitle(), QString("Spoglio"));
    QCOMPARE(f.field(0)->text(), QString("05"));
    QCOMPARE(f.field(10)->text(), QString("20"));
    QCOMPARE(f.field(1)->text(), QString());
    QCOMPARE(f.field(1)->displayText(), QString("__"));
    QCOMPARE(f.label("lblCategoria_13"), QString("Punt 2+1"));
    QCOMPARE(f.label("lblCategoria_0"), QString("Punti 10"));
    QCOMPARE(f.label("lblNumerone"), QString("Numerone"));
    QCOMPARE(f.label("labMaxPunti"), QString("Massimo punteggio raggiunto"));
    QCOMPARE(f.label("labMinPunti"), QString("Minimo punteggio raggiunto"));
    for (int i = 0; i < kCategoryCount; ++i) {
        QCOMPARE(f.count(i), QString("0"));
    }
    QVERIFY(f.field(0)->hasFocus());
}

void TestFrmSpoglio::enterPassesTheFocusOn_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("first field") << 0 << "meSpoglio_1";
    QTest::newRow("ninth field") << 8 << "meSpoglio_9";
    QTest::newRow("last number") << 9 << "cmdSpoglio";
    QTest::newRow("Numerone") << 10 << "cmdSpoglio";
}

void TestFrmSpoglio::enterPassesTheFocusOn() {
    QFETCH(int, from);
    QFETCH(QString, to);
    Fixture f;
    f.open();
    f.field(from)->setFocus();
    QTest::keyClick(f.field(from), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    // Enter only moves the focus: nothing is checked, nothing is said.
    QVERIFY(f.platform.messages.empty());
    QVERIFY(f.window->isVisible());
}

void TestFrmSpoglio::leavingAFieldStoresItsValue() {
    Fixture f;
    f.app.winning.at(4) = 9;
    f.open();
    f.field(3)->setFocus();
    f.field(3)->selectAll();
    QTest::keyClicks(f.field(3), "17");
    QTest::keyClick(f.field(3), Qt::Key_Tab);
    QCOMPARE(int(f.app.winning.at(4)), 17);
    // The Numerone field feeds position 11; an emptied field keeps what was stored.
    f.field(10)->setFocus();
    QCoreApplication::processEvents(); // the field selects its text on entry
    QTest::keyClicks(f.field(10), "6");
    f.field(3)->setFocus();
    QCOMPARE(int(f.app.winning.at(11)), 6);
    f.field(3)->clear();
    f.field(4)->setFocus();
    QCOMPARE(int(f.app.winning.at(4)), 17);
}

void TestFrmSpoglio::enteringAFieldSelectsItsText() {
    Fixture f;
    f.app.winning.at(3) = 12;
    f.open();
    QTest::mouseClick(f.field(2), Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_COMPARE(f.field(2)->selectedText(), QString("12"));
    // Typing replaces the whole value.
    QTest::keyClicks(f.field(2), "8");
    QCOMPARE(f.field(2)->text(), QString("8"));
}

void TestFrmSpoglio::checkSortsTheFieldsAndListsEveryCategory_data() {
    QTest::addColumn<int>("numerone");
    QTest::addColumn<float>("price");
    QTest::addColumn<QString>("winningNumerone");
    QTest::addColumn<QList<int>>("filledLists"); // single-check index -> rows
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("min");
    // Against 1..10: the rows score 10, 0, 5 and 9.
    QTest::newRow("Numerone hit") << 7 << 2.0f << "07" << QList<int>{1, 3, 9}
                                  << "Massimo punteggio raggiunto  10+1"
                                  << "Minimo punteggio raggiunto  0+1";
    QTest::newRow("Numerone missed")
        << 7 << 2.0f << "08" << QList<int>{0, 2, 8} << "Massimo punteggio raggiunto  10"
        << "Minimo punteggio raggiunto  0";
    QTest::newRow("price 1") << 7 << 1.0f << "08" << QList<int>{0, 2}
                             << "Massimo punteggio raggiunto  10"
                             << "Minimo punteggio raggiunto  0";
}

void TestFrmSpoglio::checkSortsTheFieldsAndListsEveryCategory() {
    QFETCH(int, numerone);
    QFETCH(float, price);
    QFETCH(QString, winningNumerone);
    QFETCH(QList<int>, filledLists);
    QFETCH(QString, max);
    QFETCH(QString, min);
    Fixture f(static_cast<std::uint8_t>(numerone), price);
    f.open();
    f.type({"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", winningNumerone});
    f.click("cmdSpoglio");
    QVERIFY(f.platform.messages.empty());
    const QStringList sorted = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(f.field(k)->text().rightJustified(2, '0'), sorted[k]);
    }
    const std::map<int, QStringList> expected = {{0, {"c.1"}}, {1, {"c.1"}}, {2, {"c.4"}},
                                                 {3, {"c.4"}}, {8, {"c.2"}}, {9, {"c.2"}}};
    for (int i = 0; i < kCategoryCount; ++i) {
        const bool filled = filledLists.contains(i);
        QCOMPARE(f.list(i), filled ? expected.at(i) : QStringList{});
        QCOMPARE(f.count(i), filled ? QString("1") : QString("0"));
    }
    QCOMPARE(f.label("labMaxPunti"), max);
    QCOMPARE(f.label("labMinPunti"), min);
    QCOMPARE(f.platform.busyDepth, 0);
    for (int p = 1; p <= 10; ++p) {
        QCOMPARE(int(f.app.winning.at(p)), p);
    }
}

void TestFrmSpoglio::refusedColumnsKeepThePreviousResult_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    const QStringList good = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "7"};
    auto repeated = good;
    repeated[5] = "5";
    auto tooBig = good;
    tooBig[9] = "21";
    auto noNumerone = good;
    noNumerone[10] = "";
    auto twoEmpty = good;
    twoEmpty[2] = "";
    twoEmpty[7] = "";
    QTest::newRow("repeated") << repeated << "Duplicazione di numeri" << 4;
    QTest::newRow("21") << tooBig << "Valore 21 non ammesso" << 9;
    QTest::newRow("no Numerone") << noNumerone << "Valore 0 non ammesso" << 10;
    QTest::newRow("two empty") << twoEmpty << "Duplicazione di numeri" << 0;
}

void TestFrmSpoglio::refusedColumnsKeepThePreviousResult() {
    QFETCH(QStringList, values);
    QFETCH(QString, text);
    QFETCH(int, focus);
    Fixture f;
    f.open();
    f.type({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "7"});
    f.click("cmdSpoglio");
    QCOMPARE(f.count(1), QString("1"));

    for (int k = 0; k < kSpoglioFields; ++k) {
        f.field(k)->clear();
    }
    f.type(values);
    f.click("cmdSpoglio");
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    const auto& shown = f.platform.lastMessage();
    QCOMPARE(QString::fromStdString(shown.text), text);
    QCOMPARE(QString::fromStdString(shown.title), QString("Colonna Errata"));
    QCOMPARE(shown.icon, Icon::Exclamation);
    QCOMPARE(shown.buttons, Buttons::Ok);
    QVERIFY(f.field(focus)->hasFocus());
    QCOMPARE(f.count(1), QString("1"));
    QCOMPARE(f.list(1), QStringList{"c.1"});
}

void TestFrmSpoglio::clearEmptiesColumnFieldsAndLists() {
    Fixture f;
    f.open();
    f.type({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "7"});
    f.click("cmdSpoglio");
    f.click("cmdCancella");
    QCOMPARE(f.app.winning, WinningColumn{});
    for (int k = 0; k < kSpoglioFields; ++k) {
        QCOMPARE(f.field(k)->displayText(), QString("__"));
    }
    for (int i = 0; i < kCategoryCount; ++i) {
        QCOMPARE(f.count(i), QString("0"));
        QVERIFY(f.list(i).isEmpty());
    }
    QVERIFY(f.field(0)->hasFocus());
    // The keys go straight into the emptied field, and leaving it shows two digits.
    QCoreApplication::processEvents();
    QTest::keyClicks(f.field(0), "7");
    QTest::keyClick(f.field(0), Qt::Key_Return);
    QCOMPARE(f.field(0)->text(), QString("07"));
    QCOMPARE(int(f.app.winning.at(1)), 7);
}

void TestFrmSpoglio::winningColumnSetElsewhereShowsOnRefresh() {
    Fixture f;
    f.open();
    f.type({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "7"});
    f.click("cmdSpoglio");
    Estrazione draw;
    draw.numeri = 0b1111111111 << 10; // 11..20
    draw.numerone = 3;
    setWinningColumn(f.app.winning, draw);
    f.window->refreshFromState();
    QCOMPARE(f.field(0)->text(), QString("11"));
    QCOMPARE(f.field(9)->text(), QString("20"));
    QCOMPARE(f.field(10)->text(), QString("03"));
    QCOMPARE(f.count(1), QString("0"));
    QVERIFY(f.list(1).isEmpty());
}

void TestFrmSpoglio::oddsPanelShowsTheExactOddsOfTheSystem() {
    Fixture f(7, 2.0f);
    f.open();
    f.click("cmdProbabilita");
    Separators italian;
    italian.thousands = ".";
    italian.decimal = ",";
    const auto texts = oddsTexts(systemOdds(f.app.system), italian);
    auto* table = f.window->findChild<QTableWidget*>("grdProbabilita");
    QCOMPARE(table->columnCount(), 11);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Punti 10"));
    QCOMPARE(table->verticalHeaderItem(1)->text(), QString("Minimo"));
    QCOMPARE(table->item(0, 0)->text(), QString::fromStdString(texts.highest[10]));
    QCOMPARE(table->item(1, 10)->text(), QString::fromStdString(texts.lowest[0]));
    QCOMPARE(table->item(0, 5)->text(), QString::fromStdString(texts.highest[5]));
    QCOMPARE(f.label("labAlmenoUna"), QString::fromStdString(texts.win));
    QVERIFY(f.label("labAlmenoUna").endsWith("%"));
    QCOMPARE(f.label("labAttese_6"), QString::fromStdString(texts.expected[6]));
    QVERIFY(f.label("labAttese_6").contains(','));
    QCOMPARE(f.platform.busyDepth, 0);
}

QTEST_MAIN(TestFrmSpoglio)
#include "test_frmSpoglio.moc"
