// The two matrix windows over a small index of the test's own: what they
// list, the messages and prompts of an adaptation, and that the main
// window stays disabled while the adaptation window is open.

#include "AppState.h"
#include "MatricesIndex.h"
#include "MatricesWindows.h"
#include "MatrixFile.h"
#include "ModelessWindows.h"
#include "NumberSet.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "SystemOps.h"
#include "frmAdatta.h"
#include "frmMatDisp.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace dvx;

namespace {

// Twelve numbers: one matrix without fixed positions (the six columns of a
// guarantee 9 cover), one with a fixed position, one damaged; a record for
// ten numbers and one with N = 0 that no list shows.
struct Collection {
    test::ScratchFolder dir;

    Collection() {
        std::vector<std::uint8_t> six;
        const int columns[6][10] = {
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},   {1, 2, 3, 4, 5, 6, 7, 8, 11, 12},
            {1, 2, 3, 4, 9, 10, 11, 12, 5, 6}, {5, 6, 7, 8, 9, 10, 11, 12, 1, 2},
            {3, 4, 7, 8, 9, 10, 11, 12, 1, 5}, {2, 4, 6, 8, 9, 10, 11, 12, 7, 3}};
        for (const auto& column : columns) {
            six.insert(six.end(), column, column + 10);
        }
        dir.write("matrici/sei.txt", formatMatrixText(six));
        dir.write("matrici/fissa.txt", formatMatrixText({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        dir.write("matrici/rotta.txt", "non una matrice 1 2 3");
        const MatrixRecord records[] = {
            {"N-1", 10, "Dieci numeri", 0, 1, "sei.txt"},
            {"N-1", 12, "Ridotto 12 numeri garanzia 9", 0, 6, "sei.txt"},
            {"n-2", 12, "12 numeri 1 fissa", 1, 1, "fissa.txt"},
            {"N-3", 12, "Rotta", 0, 1, "rotta.txt"},
            {"N-1", 0, "Nascosta", 0, 1, "sei.txt"},
        };
        std::string bytes;
        for (const auto& r : records) {
            const auto one = encodeMatrixRecord(r);
            bytes.append(one.begin(), one.end());
        }
        dir.write("matrici/matrici.qvr", bytes);
    }
};

struct Fixture {
    Collection collection;
    std::unique_ptr<AppState> app = std::make_unique<AppState>();
    test::RecordingPlatform platform;
    ModelessWindows modeless;
    QWidget mainWindow;
    int systemShown = 0;
    WindowContext context{*app, platform, &mainWindow, modeless, [this] { ++systemShown; }};

    explicit Fixture(std::initializer_list<int> numbers) {
        app->programFolder = collection.dir.folder();
        app->system.pricePerColumn = 2.0f;
        for (const int n : numbers) {
            selectNumber(app->system, n, true);
        }
        mainWindow.show();
    }
    ~Fixture() { delete adatta(); }

    frmAdatta* adatta() const {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (auto* a = qobject_cast<frmAdatta*>(w)) {
                return a;
            }
        }
        return nullptr;
    }

    // Opens the adaptation window and picks a line of its list.
    frmAdatta* pick(int line) {
        openAdatta(context);
        auto* window = adatta();
        if (window != nullptr) {
            window->findChild<QListWidget*>(QStringLiteral("listbox"))->setCurrentRow(line);
        }
        return window;
    }
};

const std::initializer_list<int> kTwelve = {1, 3, 5, 7, 9, 11, 12, 13, 15, 17, 19, 20};

QStringList lines(const QWidget& window) {
    QStringList all;
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("listbox"));
    for (int i = 0; i < list->count(); ++i) {
        all << list->item(i)->text();
    }
    return all;
}

} // namespace

class TestFrmAdatta : public QObject {
    Q_OBJECT
private slots:
    void listsTheMatricesForTheNumbersInPlay();
    void noMatrixGivesTheMessageAndNoWindow();
    void adaptsWithAFixedNumberAndCloses();
    void cancelOrDamageLeavesTheWindowForAnotherChoice_data();
    void cancelOrDamageLeavesTheWindowForAnotherChoice();
    void catalogueListsEveryRecordOnce();
};

void TestFrmAdatta::listsTheMatricesForTheNumbersInPlay() {
    Fixture f(kTwelve);
    openAdatta(f.context);
    QPointer<frmAdatta> window = f.adatta();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Sistemi Immediati disponibili con 12 numeri"));
    auto* heading = window->findChild<QLabel*>(QStringLiteral("lblista"));
    QCOMPARE(heading->text(),
             QStringLiteral(" T.   F.        Descrizione             Colonne     Prezzo"));
    const auto shown = lines(*window);
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown[0].startsWith(QStringLiteral("N-1  0  Ridotto 12 numeri garanzia 9")));
    QVERIFY(shown[1].startsWith(QStringLiteral("n-2  1  12 numeri 1 fissa")));
    QVERIFY(shown[0].endsWith(QStringLiteral("      6") + QStringLiteral("        12") +
                              QLocale().decimalPoint() + QStringLiteral("00")));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("listbox"));
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    QVERIFY(QFontInfo(heading->font()).fixedPitch());

    // Nothing to adapt until a line is chosen; the main window waits meanwhile.
    auto* adapt = window->findChild<QPushButton*>(QStringLiteral("cmdAdatta"));
    QCOMPARE(adapt->text(), QStringLiteral("&Adatta"));
    QVERIFY(!adapt->isEnabled());
    QVERIFY(!f.mainWindow.isEnabled());
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(adapt->isEnabled());
    window->close();
    QTRY_VERIFY(!window);
    QVERIFY(f.mainWindow.isEnabled());
    QCOMPARE(f.platform.busyDepth, 0);
}

void TestFrmAdatta::noMatrixGivesTheMessageAndNoWindow() {
    Fixture f({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    openAdatta(f.context);
    QVERIFY(f.adatta() == nullptr);
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(f.platform.lastMessage().text,
             std::string("Nessuna matrice con  13 numeri presente in archivio"));
    QCOMPARE(f.platform.lastMessage().title, std::string(" ATTENZIONE"));
    QVERIFY(f.platform.lastMessage().icon == Icon::Information);
    QVERIFY(f.mainWindow.isEnabled());
    QCOMPARE(f.platform.busyDepth, 0);
}

void TestFrmAdatta::adaptsWithAFixedNumberAndCloses() {
    Fixture f(kTwelve);
    // 4 is not in play: the same prompt comes back; then 13.
    f.platform.inputs = {std::string("4"), std::string("13")};
    f.platform.answers = {Answer::Ok, Answer::No}; // the fixed numbers, no shuffle
    QPointer<frmAdatta> window = f.pick(1);
    QVERIFY(window);
    window->cmdAdatta_Click();

    const std::vector<std::string> twice(2, "Valore Fissa N. 1 ?|Numero fisse|1");
    QCOMPARE(f.platform.prompts, twice);
    QCOMPARE(f.platform.messages.front().text,
             std::string("Le Fisse del sistema sono\r\r13   \r\r"));
    QCOMPARE(f.platform.messages.front().title, std::string("A V V I S O"));
    QVERIFY(f.platform.messages.front().buttons == Buttons::OkCancel);

    const auto& system = f.app->system;
    QCOMPARE(system.sistema.columnCount, 1);
    QCOMPARE(system.sistema.typeText, std::string("12 numeri 1 fissa"));
    QCOMPARE(int(system.condizioni.fisse[1]), 13);
    QCOMPARE(int(system.condizioni.ridottoLevel), 2);
    QVERIFY(system.developed());
    // Position 1 is the fixed 13; the rest follow the arranged list.
    QCOMPARE(setOfRow(system.colonne.row(1)), maskOf(13) | maskOf(3) | maskOf(5) | maskOf(7) |
                                                  maskOf(9) | maskOf(11) | maskOf(12) | maskOf(1) |
                                                  maskOf(15) | maskOf(17));
    QCOMPARE(f.systemShown, 1);
    QTRY_VERIFY(!window);
    QVERIFY(f.mainWindow.isEnabled());
}

void TestFrmAdatta::cancelOrDamageLeavesTheWindowForAnotherChoice_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("title");
    QTest::addRow("cancel on the fixed numbers") << 1 << QStringLiteral("A V V I S O");
    QTest::addRow("not a matrix file") << 2 << QStringLiteral("E R R O R E");
}

void TestFrmAdatta::cancelOrDamageLeavesTheWindowForAnotherChoice() {
    QFETCH(int, line);
    QFETCH(QString, title);
    Fixture f(kTwelve);
    f.platform.inputs = {std::string("13")};
    f.platform.answers = {Answer::Cancel};
    QPointer<frmAdatta> window = f.pick(line);
    window->cmdAdatta_Click();
    QCOMPARE(QString::fromStdString(f.platform.lastMessage().title), title);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isEnabled());
    QVERIFY(!f.mainWindow.isEnabled());
    QCOMPARE(f.app->system.sistema.columnCount, 0);
    QVERIFY(!f.app->system.developed());
    QCOMPARE(f.systemShown, 0);
    QCOMPARE(f.platform.busyDepth, 0);
    window->close();
}

void TestFrmAdatta::catalogueListsEveryRecordOnce() {
    Fixture f(kTwelve);
    openMatDisp(f.context);
    auto* window = qobject_cast<frmMatDisp*>(f.modeless.find(QStringLiteral("frmMatDisp")));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Sistemi Immediati disponibili (4)"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblista"))->text(),
             QStringLiteral(" N.  T.  F.         Descrizione             Colonne     Prezzo"));
    const auto shown = lines(*window);
    QCOMPARE(shown.size(), 4);
    QVERIFY(shown[0].startsWith(QStringLiteral("10  N-1  0  Dieci numeri")));
    QVERIFY(shown[3].startsWith(QStringLiteral("12  N-3  0  Rotta")));
    // It only shows: the main window stays usable, and asking again raises it.
    QVERIFY(f.mainWindow.isEnabled());
    openMatDisp(f.context);
    QCOMPARE(f.modeless.find(QStringLiteral("frmMatDisp")), window);
    window->close();
}

QTEST_MAIN(TestFrmAdatta)
#include "test_frmAdatta.moc"
