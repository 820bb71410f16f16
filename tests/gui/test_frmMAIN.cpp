// The main window: states, grids, price, status bar, develop and discard,
// and the exit confirmation.

#include "AppState.h"
#include "MainWindowState.h"
#include "RecordingPlatform.h"
#include "WindowHub.h"
#include "frmMAIN.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <set>
#include <vector>

using namespace dvx;

namespace {

struct Fixture {
    AppState app;
    test::RecordingPlatform platform;
    std::unique_ptr<frmMAIN> window;
    std::size_t settingsMessages = 0;

    Fixture() {
        window = std::make_unique<frmMAIN>(app, platform);
        window->show();
        // Without a settings file the window says so once as it loads.
        settingsMessages = platform.messages.size();
        platform.messages.clear();
    }
    QLabel* cell(const char* prefix, int i) const {
        return window->findChild<QLabel*>(QStringLiteral("%1_%2").arg(prefix).arg(i));
    }
    QString panel(int p) const {
        return window->findChild<QLabel*>(QStringLiteral("StBar_%1").arg(p))->text();
    }
    QString labnumeri() const { return window->findChild<QLabel*>("labnumeri")->text(); }
    QWidget* grid() const { return cell("grnum", 0)->parentWidget(); }
    void selectNumbers(int from, int to) {
        for (int n = from; n <= to; ++n) {
            window->grnum_Click(n - 1);
        }
    }
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    bool checked(const char* action) const {
        return window->findChild<QAction*>(action)->isChecked();
    }
};

bool isSelectedLook(const QLabel* cell) {
    return cell->styleSheet().contains("background: rgb(0,128,0)") &&
           cell->styleSheet().contains("color: rgb(255,255,255)") &&
           cell->styleSheet().contains("font-weight: bold");
}

QPoint centreOf(const QLabel* cell) {
    return cell->geometry().center();
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyInTheEditingState();
    void tenthNumberEnablesDevelopment();
    void sweepTogglesEachCellPassedOnce();
    void keysGoOnFromTheCellPressed_data();
    void keysGoOnFromTheCellPressed();
    void numeroneChoiceColoursTheGrid();
    void priceOptionRecomputesTheCost();
    void developEntersTheDevelopedState();
    void viewAndShuffleTheDevelopedColumns();
    void discardAsksAndKeepsTheConditions_data();
    void discardAsksAndKeepsTheConditions();
    void resetClearsNumbersAndMarks();
    void cancelDuringReductionKeepsEditing();
    void exitAsksAndClosesEveryWindow_data();
    void exitAsksAndClosesEveryWindow();
    void controlsShowTheirCaptions();
    void importShowsTheNumbersOfTheFile_data();
    void importShowsTheNumbersOfTheFile();
    void everyNamedControlExists();
    void hubOpensConditionDialogsAndMarksTheMenu();
};

void TestFrmMain::startsEmptyInTheEditingState() {
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Decaventrix - Ver. 1.0.0 - Freeware"));
    QCOMPARE(f.panel(1), QStringLiteral("nuovo.dvx"));
    QCOMPARE(f.panel(2), QStringLiteral("0"));
    QCOMPARE(f.panel(4), QStringLiteral(""));
    QCOMPARE(f.labnumeri(), QStringLiteral("Numeri in gioco [0]"));
    QCOMPARE(f.app.system.pricePerColumn, 2.0f);
    QVERIFY(f.window->findChild<QRadioButton*>("optImporto_1")->isChecked());
    QVERIFY(f.window->findChild<QRadioButton*>("optImporto_1")->styleSheet().contains("255,255,0"));
    QCOMPARE(f.app.system.numerone, 0);
    QCOMPARE(f.app.system.fileName, std::string("nuovo.dvx"));
    QCOMPARE(f.settingsMessages, std::size_t(1));
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(f.cell("grnum", i)->text(), QStringLiteral("%1").arg(i + 1, 2, 10, QChar('0')));
        QCOMPARE(f.cell("grScud", i)->text(), QStringLiteral("%1").arg(i + 1, 2, 10, QChar('0')));
    }
    for (const char* name : {"menucondizioni", "menuoperazioni", "menustampa", "cmdCalcolo",
                             "cmdAdatta", "cmdModifiche", "cmdVisualizza"}) {
        QVERIFY2(!f.window->isControlEnabled(name), name);
    }
    for (const char* name : {"frameNumeri", "cmdCancella", "menucalcolo", "cmdArchivio"}) {
        QVERIFY2(f.window->isControlEnabled(name), name);
    }
}

void TestFrmMain::tenthNumberEnablesDevelopment() {
    Fixture f;
    f.selectNumbers(1, 9);
    QCOMPARE(f.labnumeri(), QStringLiteral("Numeri in gioco [09]"));
    QVERIFY(!f.window->isControlEnabled("cmdCalcolo"));
    f.window->grnum_Click(9);
    QCOMPARE(f.labnumeri(), QStringLiteral("Numeri in gioco [10]"));
    for (const char* name : {"menucondizioni", "menuoperazioni", "cmdAdatta", "cmdCalcolo"}) {
        QVERIFY2(f.window->isControlEnabled(name), name);
    }
    f.window->grnum_Click(9);
    QCOMPARE(f.app.system.sistema.countInPlay, 9);
    for (const char* name : {"menucondizioni", "menuoperazioni", "cmdAdatta", "cmdCalcolo"}) {
        QVERIFY2(!f.window->isControlEnabled(name), name);
    }
}

void TestFrmMain::keysGoOnFromTheCellPressed_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("picked"); // the cell Space then acts on
    QTest::newRow("numbers, same cell") << "grnum" << 7 << 0 << 7;
    QTest::newRow("numbers, one down") << "grnum" << 7 << int(Qt::Key_Down) << 12;
    QTest::newRow("numerone, one right") << "grScud" << 4 << int(Qt::Key_Right) << 5;
}

void TestFrmMain::keysGoOnFromTheCellPressed() {
    QFETCH(QString, grid);
    QFETCH(int, pressed);
    QFETCH(int, key);
    QFETCH(int, picked);
    Fixture f;
    const auto name = grid.toLatin1();
    auto* cells = f.cell(name.constData(), 0)->parentWidget();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTest::mouseClick(cells, Qt::LeftButton, {}, centreOf(f.cell(name.constData(), pressed)));
    QVERIFY(cells->hasFocus());
    if (key != 0) {
        QTest::keyClick(cells, Qt::Key(key));
    }
    QTest::keyClick(cells, Qt::Key_Space);
    if (grid == "grScud") {
        QCOMPARE(int(f.app.system.numerone), picked + 1);
        return;
    }
    // The press picked one number; Space toggles the cell with the focus.
    for (int i = 0; i < kNumbers; ++i) {
        const bool expected = (i == pressed) != (i == picked);
        QCOMPARE(bool(f.app.system.selected[static_cast<std::size_t>(i)]), expected);
    }
}

void TestFrmMain::sweepTogglesEachCellPassedOnce() {
    Fixture f;
    auto* grid = f.grid();
    // Press on 01, sweep through 02..05 (crossing the gaps between cells).
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf(f.cell("grnum", 0)));
    for (int i = 1; i < 5; ++i) {
        const auto from = centreOf(f.cell("grnum", i - 1));
        const auto to = centreOf(f.cell("grnum", i));
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(grid, from + (to - from) * step / 4);
        }
    }
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf(f.cell("grnum", 4)));
    QCOMPARE(f.app.system.sistema.countInPlay, 5);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(f.app.system.selected[static_cast<std::size_t>(i)]);
        QVERIFY(isSelectedLook(f.cell("grnum", i)));
    }
    QVERIFY(!isSelectedLook(f.cell("grnum", 5)));

    // Sweeping back over them deselects them.
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf(f.cell("grnum", 4)));
    for (int i = 3; i >= 0; --i) {
        QTest::mouseMove(grid, centreOf(f.cell("grnum", i)));
    }
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf(f.cell("grnum", 0)));
    QCOMPARE(f.app.system.sistema.countInPlay, 0);

    // Moving without the button held paints nothing.
    QTest::mouseMove(grid, centreOf(f.cell("grnum", 7)));
    QTest::mouseMove(grid, centreOf(f.cell("grnum", 8)));
    QCOMPARE(f.app.system.sistema.countInPlay, 0);
}

void TestFrmMain::numeroneChoiceColoursTheGrid() {
    Fixture f;
    QTest::mouseClick(f.cell("grScud", 6)->parentWidget(), Qt::LeftButton, {},
                      centreOf(f.cell("grScud", 6)));
    QCOMPARE(f.app.system.numerone, 7);
    QVERIFY(f.cell("grScud", 6)->styleSheet().contains("background: rgb(255,255,0)"));
    QVERIFY(f.cell("grScud", 6)->styleSheet().contains("font-weight: bold"));
    QVERIFY(f.cell("grScud", 0)->styleSheet().contains("color: rgb(192,192,192)"));
    f.click("cmdCancella");
    QCOMPARE(f.app.system.numerone, 0);
    QVERIFY(f.cell("grScud", 6)->styleSheet().contains("color: rgb(0,128,0)"));
}

void TestFrmMain::priceOptionRecomputesTheCost() {
    Fixture f;
    f.app.system.sistema.columnCount = 184756;
    f.window->findChild<QRadioButton*>("optImporto_0")->click();
    QCOMPARE(f.app.system.pricePerColumn, 1.0f);
    QCOMPARE(f.panel(3), QStringLiteral("€ 184,756.00"));
    QVERIFY(f.window->findChild<QRadioButton*>("optImporto_0")->styleSheet().contains("255,255,0"));
    // The other option: the button face and the grey of disabled text.
    const auto rgb = [](const QColor& c) {
        return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
    };
    const auto palette = f.window->palette();
    const auto other = f.window->findChild<QRadioButton*>("optImporto_1")->styleSheet();
    QVERIFY(!other.contains("255,255,0"));
    QVERIFY2(
        other.contains("background: " + rgb(palette.color(QPalette::Active, QPalette::Button))),
        qPrintable(other));
    QVERIFY2(
        other.contains("color: " + rgb(palette.color(QPalette::Disabled, QPalette::WindowText))),
        qPrintable(other));
    f.window->findChild<QRadioButton*>("optImporto_1")->click();
    QCOMPARE(f.panel(3), QStringLiteral("€ 369,512.00"));
}

void TestFrmMain::developEntersTheDevelopedState() {
    Fixture f;
    f.selectNumbers(1, 12);
    f.click("cmdCalcolo");
    QVERIFY(f.window->isEnabled());
    QCOMPARE(f.app.system.sistema.columnCount, 66);
    QCOMPARE(f.panel(2), QStringLiteral("66"));
    QCOMPARE(f.panel(3), QStringLiteral("€ 132.00"));
    QCOMPARE(f.panel(4), QStringLiteral("Integrale"));
    for (const char* name :
         {"cmdModifiche", "cmdVisualizza", "menuMescola", "menustampa", "menucondizioni"}) {
        QVERIFY2(f.window->isControlEnabled(name), name);
    }
    for (const char* name : {"frameNumeri", "cmdCancella", "cmdCalcolo", "menucalcolo"}) {
        QVERIFY2(!f.window->isControlEnabled(name), name);
    }
    // The frozen grid and the disabled button change nothing.
    QTest::mouseClick(f.grid(), Qt::LeftButton, {}, centreOf(f.cell("grnum", 15)));
    QCOMPARE(f.app.system.sistema.countInPlay, 12);
    f.click("cmdCancella");
    QCOMPARE(f.app.system.sistema.columnCount, 66);
    QVERIFY(f.platform.messages.empty());
}

void TestFrmMain::viewAndShuffleTheDevelopedColumns() {
    Fixture f;
    f.selectNumbers(1, 12);
    f.click("cmdCalcolo");
    QString panelShown;
    QTimer::singleShot(0, [&panelShown] {
        auto* view = QApplication::activeModalWidget();
        QVERIFY(view != nullptr && view->objectName() == "frmVisualizza");
        panelShown = view->findChild<QLabel*>("labNscheda")->text();
        view->close();
    });
    f.click("cmdVisualizza");
    QCOMPARE(panelShown, QStringLiteral("1"));

    std::multiset<std::vector<std::uint8_t>> before;
    for (int r = 1; r <= 66; ++r) {
        before.emplace(f.app.system.colonne.row(r), f.app.system.colonne.row(r) + 10);
    }
    f.platform.answers.push_back(Answer::Yes);
    f.window->findChild<QAction*>("menuMescola")->trigger();
    QCOMPARE(f.platform.lastMessage().text, std::string("Vuoi mescolare le colonne"));
    QVERIFY(f.window->isControlEnabled("menuMescola"));
    std::multiset<std::vector<std::uint8_t>> after;
    for (int r = 1; r <= 66; ++r) {
        after.emplace(f.app.system.colonne.row(r), f.app.system.colonne.row(r) + 10);
    }
    QCOMPARE(f.app.system.sistema.columnCount, 66);
    QVERIFY(after == before);
}

void TestFrmMain::discardAsksAndKeepsTheConditions_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("discarded");
    QTest::newRow("yes") << int(Answer::Yes) << true;
    QTest::newRow("no") << int(Answer::No) << false;
}

void TestFrmMain::discardAsksAndKeepsTheConditions() {
    QFETCH(int, answer);
    QFETCH(bool, discarded);
    Fixture f;
    f.selectNumbers(1, 12);
    f.app.system.condizioni.sommaOn = kTrue;
    f.app.system.condizioni.somma = {60, 120};
    f.window->findChild<QAction*>("menuSomma")->setChecked(true);
    f.click("cmdCalcolo");
    const auto developedCount = f.app.system.sistema.columnCount;
    QCOMPARE(f.panel(4), QStringLiteral("Condizionato"));
    f.platform.answers.push_back(Answer(answer));
    f.click("cmdModifiche");
    QCOMPARE(f.platform.messages.size(), std::size_t(1));
    QCOMPARE(f.platform.lastMessage().title, std::string("Attenzione"));
    QCOMPARE(f.app.system.developed(), !discarded);
    QCOMPARE(f.app.system.sistema.columnCount, discarded ? 0 : developedCount);
    QCOMPARE(f.window->isControlEnabled("cmdCalcolo"), discarded);
    QCOMPARE(f.window->isControlEnabled("cmdModifiche"), !discarded);
    QCOMPARE(f.window->isControlEnabled("frameNumeri"), discarded);
    QCOMPARE(f.panel(2), discarded ? QStringLiteral("0") : QString::number(developedCount));
    QVERIFY(f.checked("menuSomma"));
    QVERIFY(f.app.system.condizioni.sommaOn != kFalse);
}

void TestFrmMain::resetClearsNumbersAndMarks() {
    Fixture f;
    f.selectNumbers(3, 14);
    f.window->findChild<QAction*>("menuSomma")->setChecked(true);
    f.window->findChild<QAction*>("menuRidotto")->setChecked(true);
    f.click("cmdCancella");
    QCOMPARE(f.app.system.sistema.countInPlay, 0);
    QCOMPARE(f.labnumeri(), QStringLiteral("Numeri in gioco [0]"));
    QVERIFY(!f.checked("menuSomma"));
    QVERIFY(!f.checked("menuRidotto"));
    QVERIFY(!f.window->isControlEnabled("cmdCalcolo"));
    QVERIFY(!isSelectedLook(f.cell("grnum", 2)));
}

void TestFrmMain::cancelDuringReductionKeepsEditing() {
    Fixture f;
    f.selectNumbers(1, 20);
    f.app.system.condizioni.ridottoOn = kTrue;
    f.app.system.condizioni.ridottoLevel = 1;
    f.platform.answers.push_back(Answer::Yes);
    bool sawDisabledMain = false;
    // Once the reduction runs, press the progress dialog's cancel button:
    // the window must keep answering while the work goes on.
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmCalcolo" && w->isVisible() &&
                w->windowTitle() == "Riduzione in corso....") {
                sawDisabledMain = !f.window->isEnabled();
                timer.stop();
                QTest::mouseClick(w->findChild<QPushButton*>("cmdSvilAnnulla"), Qt::LeftButton);
            }
        }
    });
    timer.start();
    f.click("cmdCalcolo");
    QVERIFY(sawDisabledMain);
    QVERIFY(f.window->isEnabled());
    QCOMPARE(f.platform.beeps, 1);
    QVERIFY(
        QString::fromStdString(f.platform.lastMessage().text).startsWith("Colonne elaborate  "));
    QCOMPARE(f.platform.lastMessage().title, std::string("Riduzione in corso...."));
    QVERIFY(f.app.system.cancel);
    QVERIFY(!f.app.system.developed());
    QCOMPARE(f.app.system.sistema.columnCount, 0);
    QVERIFY(f.window->isControlEnabled("cmdCalcolo"));
    QVERIFY(!f.window->isControlEnabled("cmdModifiche"));
}

void TestFrmMain::exitAsksAndClosesEveryWindow_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("yes") << int(Answer::Yes) << true;
    QTest::newRow("no") << int(Answer::No) << false;
}

void TestFrmMain::exitAsksAndClosesEveryWindow() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    Fixture f;
    QWidget other; // a modeless window of another subsystem
    other.show();
    f.platform.answers.push_back(Answer(answer));
    f.window->findChild<QAction*>("menuuscita")->trigger();
    QCOMPARE(f.platform.messages.size(), std::size_t(1));
    const auto& asked = f.platform.lastMessage();
    QCOMPARE(asked.text, std::string("Uscire dall'applicazione?"));
    QCOMPARE(QString::fromStdString(asked.title), f.window->windowTitle());
    QCOMPARE(int(asked.icon), int(Icon::Question));
    QCOMPARE(int(asked.buttons), int(Buttons::YesNo));
    QCOMPARE(f.window->isVisible(), !closes);
    QCOMPARE(other.isVisible(), !closes);
}

void TestFrmMain::controlsShowTheirCaptions() {
    Fixture f;
    const std::pair<const char*, const char*> captions[] = {
        {"menuapri", "&Apri"},
        {"menusalvacome", "Salva &come..."},
        {"menuMescola", "Mescola &Colonne"},
        {"menuSpoglioEstrazioni", "Spoglio Est&razioni"},
        {"menuConsecutivi", "C&onsecutivi"},
        {"menuschedine", "Stampa &Schedine"},
        {"menuinfo", "&Info"},
        {"menuuscita", "&Uscita"}};
    for (const auto& [name, caption] : captions) {
        auto* action = f.window->findChild<QAction*>(name);
        QVERIFY2(action != nullptr, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
    }
    QCOMPARE(f.window->findChild<QMenu*>("menucondizioni")->title(), QStringLiteral("&Condizioni"));
    for (const char* name : {"menuColonnaFiltro", "menuConsecutivi", "menuFisse", "menuPariDispari",
                             "menuSomma", "menuRidotto"}) {
        QVERIFY2(f.window->findChild<QAction*>(name)->isCheckable(), name);
    }
    // The buttons show their plain captions, with no Alt letter that could
    // take one from the menu bar.
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdArchivio", "Archivio Estrazioni"},  {"cmdModifiche", "Modifica Sistema"},
        {"cmdAdatta", "Adatta Matrice"},         {"cmdSpoglio", "Spoglio Sistema"},
        {"cmdVisualizza", "Visualizza Sistema"}, {"cmdCancella", "Cancella Sistema"},
        {"cmdCalcolo", "Elabora Sistema"},       {"cmdTabulato", "Stampa Tabulato"},
        {"cmdSchedine", "Stampa Schedine"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = f.window->findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr, name);
        QCOMPARE(button->text(), QString::fromUtf8(caption));
    }
    // Every menu of the bar has an Alt letter of its own.
    QSet<QChar> letters;
    const auto menus = f.window->menuBar()->actions();
    for (auto* action : menus) {
        const auto amp = action->text().indexOf('&');
        QVERIFY2(amp >= 0, qPrintable(action->text()));
        letters.insert(action->text().at(amp + 1).toLower());
    }
    QCOMPARE(letters.size(), menus.size());
}

void TestFrmMain::importShowsTheNumbersOfTheFile_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("developed");
    QTest::newRow("no columns") << QByteArray() << "Numeri in gioco [0]" << false;
    QTest::newRow("one column") << QByteArray(" 01 02 03 04 05 06 07 08 09 10 \r\n")
                                << "Numeri in gioco [10]" << true;
    QTest::newRow("two columns") << QByteArray(" 01 02 03 04 05 06 07 08 09 10 \r\n"
                                               " 03 04 05 06 07 08 09 10 11 12 \r\n")
                                 << "Numeri in gioco [12]" << true;
}

void TestFrmMain::importShowsTheNumbersOfTheFile() {
    QFETCH(QByteArray, text);
    QFETCH(QString, label);
    QFETCH(bool, developed);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto path = folder.filePath("colonne.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    Fixture f;
    f.selectNumbers(1, 15); // replaced by the file's numbers
    f.platform.fileNames.push_back(path.toStdString());
    f.window->findChild<QAction*>("menuImportaColonne")->trigger();
    QCOMPARE(f.labnumeri(), label);
    QCOMPARE(f.panel(1), QStringLiteral("colonne.txt"));
    QCOMPARE(f.window->findChild<QPushButton*>("cmdVisualizza")->isEnabled(), developed);
}

// The state tables and the window hub name controls by text: a misspelt or
// renamed control would silently never be enabled, marked or opened.
void TestFrmMain::everyNamedControlExists() {
    Fixture f;
    std::vector<std::string_view> names;
    for (const auto& rule : controlRules()) {
        names.push_back(rule.control);
    }
    for (const auto menu : conditionMenus()) {
        names.push_back(menu);
    }
    for (const auto control : tenNumberControls()) {
        names.push_back(control);
    }
    for (const auto& row : windowHub()) {
        names.push_back(row.control);
        QVERIFY(row.open != nullptr);
    }
    QVERIFY(!names.empty());
    for (const auto name : names) {
        const auto text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        const auto* control = f.window->findChild<QObject*>(text);
        QVERIFY2(qobject_cast<const QAction*>(control) != nullptr ||
                     qobject_cast<const QWidget*>(control) != nullptr,
                 qPrintable(text));
    }
}

// A condition dialog opened through the hub is modal over the main window;
// closing it marks the menu entry from the condition's switch.
void TestFrmMain::hubOpensConditionDialogsAndMarksTheMenu() {
    Fixture f;
    f.selectNumbers(1, 12);
    QVERIFY(!f.checked("menuSomma"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        seen = dialog->objectName() == QLatin1String("frmSomma");
        QTest::mouseClick(dialog->findChild<QRadioButton*>("optCondSomma_0"), Qt::LeftButton);
        dialog->reject();
    });
    f.window->findChild<QAction*>("menuSomma")->trigger();
    QVERIFY(seen);
    QCOMPARE(f.checked("menuSomma"), f.app.system.condizioni.sommaOn != 0);
}

QTEST_MAIN(TestFrmMain)
#include "test_frmMAIN.moc"
