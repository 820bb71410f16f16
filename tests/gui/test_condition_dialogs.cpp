// The even/odd, fixed-number, consecutive-run, filter-column and reduction
// dialogs: what they show on loading, what clicks and sweeps write, what
// closing stores, and the read-only developed state.

#include "ScratchFolder.h"
#include "WindowTestTools.h"
#include "frmConsecutivi.h"
#include "frmFiltri.h"
#include "frmFisse.h"
#include "frmMAIN.h"
#include "frmPari.h"
#include "frmRidotto.h"
#include "frmSomma.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

#include <functional>

using namespace dvx;
using test::DialogFixture;
using test::label;
using test::tagged;

namespace {

using Factory = std::function<std::unique_ptr<QDialog>(AppState&, Platform&)>;

template <class Dialog> Factory factory() {
    return [](AppState& app, Platform& platform) {
        return std::make_unique<Dialog>(app.system, platform);
    };
}

struct DialogKind {
    const char* name;
    const char* menu;
    Factory make;
    const char* caption;
    const char* editingFrame;
    const char* options;
};

const std::vector<DialogKind>& dialogKinds() {
    static const std::vector<DialogKind> kinds{
        {"frmSomma", "menuSomma", factory<frmSomma>(), "  Somma", "frameSomma", "optCondSomma"},
        {"frmPari", "menuPariDispari", factory<frmPari>(), "Pari e Dispari", "framePariDispari",
         "optCondizione"},
        {"frmFisse", "menuFisse", factory<frmFisse>(), " Fisse", "frameFisse", "optCondFisse"},
        {"frmConsecutivi", "menuConsecutivi", factory<frmConsecutivi>(), "Numeri Consecutivi",
         "frameCondizione", "optCond"},
        {"frmFiltri", "menuColonnaFiltro", factory<frmFiltri>(), " Colonne Filtro",
         "frameCondizione", "optCond"},
        {"frmRidotto", "menuRidotto", factory<frmRidotto>(), "Sistema Ridotto", "frameCondizione",
         "optCondizione"},
    };
    return kinds;
}

// Each dialog's switch, as the state holds it.
VBool& switchOf(SystemState& s, const QString& dialog) {
    auto& c = s.condizioni;
    if (dialog == "frmSomma") {
        return c.sommaOn;
    }
    if (dialog == "frmPari") {
        return c.pariDispariOn;
    }
    if (dialog == "frmFisse") {
        return c.fisseOn;
    }
    if (dialog == "frmConsecutivi") {
        return s.consecutivi.on;
    }
    if (dialog == "frmRidotto") {
        return c.ridottoOn;
    }
    return s.filtri.entries[1].active;
}

std::vector<QLabel*> labels(QWidget& d, const char* array, std::initializer_list<int> indexes) {
    std::vector<QLabel*> found;
    for (const int i : indexes) {
        found.push_back(label(d, array, i));
    }
    return found;
}

QString text(QWidget& d, const char* name) {
    return test::child<QLabel>(d, name)->text();
}

} // namespace

class TestConditionDialogs : public QObject {
    Q_OBJECT
private slots:
    void switchLoadsAndWrites_data();
    void switchLoadsAndWrites();
    void developedDisablesEditing_data();
    void developedDisablesEditing();
    void captions_data();
    void captions();

    void menuOpensTheDialogAndMarksTheSwitch_data();
    void menuOpensTheDialogAndMarksTheSwitch();
    void evenOddLabelsSweepAndWrite();
    void fixedNumbersDropOutOfPlayAndStopAtNine();
    void consecutiveShowsLongestRunAndStoresOnClose_data();
    void consecutiveShowsLongestRunAndStoresOnClose();
    void filtersMoveSwitchedOnToTheFront();
    void filterEntryEditingAndLooks();
    void filterNavigationStopsAtTheEnds();
    void filterClearAndReadOnlyBrowsing();
    void reductionLevelIsAChoiceOfOne_data();
    void reductionLevelIsAChoiceOfOne();
};

void TestConditionDialogs::switchLoadsAndWrites_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("stored"); // the switch before opening
    for (int k = 0; k < static_cast<int>(dialogKinds().size()); ++k) {
        for (const int stored : {-1, 0, 1}) {
            QTest::addRow("%s %d", dialogKinds()[static_cast<std::size_t>(k)].name, stored)
                << k << stored;
        }
    }
}

void TestConditionDialogs::switchLoadsAndWrites() {
    QFETCH(int, kind);
    QFETCH(int, stored);
    const auto& k = dialogKinds()[static_cast<std::size_t>(kind)];
    DialogFixture f;
    f.playRange(1, 14);
    auto& sw = switchOf(f.system(), k.name);
    sw = static_cast<VBool>(stored);
    auto d = k.make(*f.app, f.platform);
    d->show();
    const int chosen = stored != 0 ? 0 : 1;
    for (int i = 0; i < 2; ++i) {
        auto* option = test::child<QRadioButton>(*d, QStringLiteral("%1_%2").arg(k.options).arg(i));
        QCOMPARE(option->text(), QString(i == 0 ? "ON" : "OFF"));
        QCOMPARE(option->isChecked(), i == chosen);
        QCOMPARE(test::backgroundOf(option) == test::kYellowColour, i == chosen);
        QCOMPARE(test::showsColour(option, test::kBlackColour), i == chosen);
    }
    // Choosing the other option writes at once (the filter dialog writes its
    // entry when it is stored, here on closing).
    auto* other =
        test::child<QRadioButton>(*d, QStringLiteral("%1_%2").arg(k.options).arg(1 - chosen));
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(test::backgroundOf(other), test::kYellowColour);
    d->close();
    QVERIFY(!d->isVisible());
    if (QString(k.name) == "frmFiltri") {
        QCOMPARE(f.system().filtri.count, std::int16_t(chosen == 1 ? 1 : 0));
    } else {
        QCOMPARE(sw, chosen == 1 ? kTrue : kFalse);
    }
}

void TestConditionDialogs::developedDisablesEditing_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("developed");
    for (int k = 0; k < static_cast<int>(dialogKinds().size()); ++k) {
        for (const bool developed : {false, true}) {
            QTest::addRow("%s %s", dialogKinds()[static_cast<std::size_t>(k)].name,
                          developed ? "developed" : "editing")
                << k << developed;
        }
    }
}

void TestConditionDialogs::developedDisablesEditing() {
    QFETCH(int, kind);
    QFETCH(bool, developed);
    const auto& k = dialogKinds()[static_cast<std::size_t>(kind)];
    DialogFixture f;
    f.playRange(1, 14);
    f.system().developedMark = developed ? kDeveloped : 0;
    auto d = k.make(*f.app, f.platform);
    d->show();
    QCOMPARE(test::child<QWidget>(*d, k.editingFrame)->isEnabled(), !developed);
    QCOMPARE(d->isModal(), true);
    // A click on the switch reaches nothing while developed.
    auto* on = test::child<QRadioButton>(*d, QStringLiteral("%1_0").arg(k.options));
    QTest::mouseClick(on, Qt::LeftButton);
    QCOMPARE(on->isChecked(), !developed);
}

void TestConditionDialogs::captions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    const auto row = [](int kind, const char* control, const char* caption) {
        QTest::addRow("%s %s", dialogKinds()[static_cast<std::size_t>(kind)].name, control)
            << kind << QString(control) << QString::fromUtf8(caption);
    };
    row(0, "Label2", "DA");
    row(0, "Label1", "A");
    row(0, "Label3", "Minimo");
    row(0, "Label4", "Massimo");
    row(0, "Frame3", "Condizione");
    row(1, "Label1", "Pari");
    row(1, "Label2", "Dispari");
    row(1, "labPariDispari_0", "  0      10");
    row(1, "labPariDispari_7", "  7       3");
    row(1, "labPariDispari_10", " 10       0");
    row(1, "Frame3", "Condizione");
    row(2, "labFisse_0", "01");
    row(2, "labFisse_19", "20");
    row(2, "Frame3", "Condizione");
    row(3, "framePresenze", "Consecutivi");
    row(3, "lbPresenze_1", "1");
    row(3, "lbPresenze_10", "10");
    row(3, "Label1", "Max");
    row(3, "Frame3", "Condizione");
    row(4, "Frame1", "Colonna filtro n.");
    row(4, "cmdLR", "<--");
    row(4, "cmdRR", "-->");
    row(4, "cmdCancella", "");
    row(4, "lbFiltroNum", "01");
    row(4, "Label1", "/");
    row(4, "lbTotFiltri", "100");
    row(4, "labGriglia_0", "01");
    row(4, "labGriglia_19", "20");
    row(4, "framePresenze", "Presenze");
    row(4, "lbPresenze_0", "0");
    row(4, "lbPresenze_10", "10");
    row(4, "Frame3", "Condizione");
    row(5, "Frame3", "Condizione Ridotto    ");
    row(5, "lbRidotto_1", "RIDOTTO N-1");
    row(5, "lbRidotto_2", "RIDOTTO N-2");
    row(5, "lbRidotto_3", "RIDOTTO N-3");
}

void TestConditionDialogs::captions() {
    QFETCH(int, kind);
    QFETCH(QString, control);
    const auto& k = dialogKinds()[static_cast<std::size_t>(kind)];
    DialogFixture f;
    f.playRange(1, 12);
    auto d = k.make(*f.app, f.platform);
    QCOMPARE(d->windowTitle(), QString(k.caption));
    auto* widget = test::child<QWidget>(*d, control);
    QString shown;
    if (auto* l = qobject_cast<QLabel*>(widget)) {
        shown = l->text();
    } else if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
        shown = b->text();
    } else if (auto* g = qobject_cast<QGroupBox*>(widget)) {
        shown = g->title();
    }
    QTEST(shown, "caption");
}

void TestConditionDialogs::menuOpensTheDialogAndMarksTheSwitch_data() {
    QTest::addColumn<int>("kind");
    for (int k = 0; k < static_cast<int>(dialogKinds().size()); ++k) {
        QTest::newRow(dialogKinds()[static_cast<std::size_t>(k)].menu) << k;
    }
}

void TestConditionDialogs::menuOpensTheDialogAndMarksTheSwitch() {
    QFETCH(int, kind);
    const auto& k = dialogKinds()[static_cast<std::size_t>(kind)];
    test::ScratchFolder folder;
    DialogFixture f;
    f.app->programFolder = folder.folder();
    frmMAIN window(*f.app, f.platform);
    window.show();
    for (int i = 0; i < 12; ++i) {
        window.grnum_Click(i);
    }
    auto* entry = window.findChild<QAction*>(k.menu);
    for (const int option : {0, 1}) {
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            seen = dialog->objectName();
            QTest::mouseClick(test::child<QRadioButton>(
                                  *dialog, QStringLiteral("%1_%2").arg(k.options).arg(option)),
                              Qt::LeftButton);
            dialog->close();
        });
        entry->trigger();
        QCOMPARE(seen, QString(k.name));
        QCOMPARE(entry->isChecked(), option == 0);
    }
}

void TestConditionDialogs::evenOddLabelsSweepAndWrite() {
    DialogFixture f;
    f.playRange(1, 12);
    f.system().condizioni.pariDispari[0] = kTrue;
    f.system().condizioni.pariDispari[5] = kTrue;
    frmPari d(f.app->system, f.platform);
    d.show();
    QVERIFY(tagged(label(d, "labPariDispari", 0)));
    QVERIFY(tagged(label(d, "labPariDispari", 5)));
    QCOMPARE(test::backgroundOf(label(d, "labPariDispari", 5)), test::kRedColour);
    QVERIFY(test::showsColour(label(d, "labPariDispari", 5), test::kWhiteColour));
    QCOMPARE(test::backgroundOf(label(d, "labPariDispari", 4)), test::kWhiteColour);

    // Sweep down over 3..6: each toggles once, 5 back off.
    test::sweep(labels(d, "labPariDispari", {3, 4, 5, 6}));
    const std::array<VBool, 11> afterSweep{kTrue, 0, 0, kTrue, kTrue, 0, kTrue, 0, 0, 0, 0};
    QCOMPARE(f.system().condizioni.pariDispari, afterSweep);
    for (int e = 0; e <= 10; ++e) {
        QCOMPARE(tagged(label(d, "labPariDispari", e)), afterSweep[std::size_t(e)] != 0);
    }
    // Back up over the same labels, and a single press.
    test::sweep(labels(d, "labPariDispari", {6, 5, 4, 3}));
    test::click(label(d, "labPariDispari", 10));
    const std::array<VBool, 11> afterBack{kTrue, 0, 0, 0, 0, kTrue, 0, 0, 0, 0, kTrue};
    QCOMPARE(f.system().condizioni.pariDispari, afterBack);

    // The switch keeps the data: OFF then ON again shows the same labels.
    QTest::mouseClick(test::child<QRadioButton>(d, "optCondizione_1"), Qt::LeftButton);
    d.close();
    QCOMPARE(f.system().condizioni.pariDispari, afterBack);
    frmPari again(f.app->system, f.platform);
    for (int e = 0; e <= 10; ++e) {
        QCOMPARE(tagged(label(again, "labPariDispari", e)), afterBack[std::size_t(e)] != 0);
    }
}

void TestConditionDialogs::fixedNumbersDropOutOfPlayAndStopAtNine() {
    DialogFixture f;
    f.play({1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 17});
    auto& c = f.system().condizioni;
    c.fisse = {0, 3, 0, 17};
    c.fisseCount = 2;
    frmFisse d(f.app->system, f.platform);
    d.show();
    QCOMPARE(text(d, "l1"), QStringLiteral("1"));
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(tagged(label(d, "labFisse", i)), i == 16);
    }
    QCOMPARE(test::backgroundOf(label(d, "labFisse", 16)), test::kRedColour);
    auto* outOfPlay = label(d, "labFisse", 2);
    QVERIFY(outOfPlay->font().italic());
    QVERIFY(test::showsColour(outOfPlay, QColor(224, 224, 224)));
    QVERIFY(!label(d, "labFisse", 3)->font().italic());

    // A press on a number out of play does nothing; a sweep picks up to nine.
    test::click(outOfPlay);
    QVERIFY(!tagged(outOfPlay));
    test::sweep(labels(d, "labFisse", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    test::click(label(d, "labFisse", 10));
    QCOMPARE(text(d, "l1"), QStringLiteral("9"));
    QVERIFY(tagged(label(d, "labFisse", 8)));
    QVERIFY(!tagged(label(d, "labFisse", 9)) && !tagged(label(d, "labFisse", 10)));
    QCOMPARE(test::backgroundOf(label(d, "labFisse", 9)), test::kWhiteColour);
    test::click(label(d, "labFisse", 16));
    QCOMPARE(text(d, "l1"), QStringLiteral("8"));

    d.close();
    const std::array<std::uint8_t, 10> stored{0, 1, 2, 4, 5, 6, 7, 8, 9, 0};
    QCOMPARE(c.fisse, stored);
    QCOMPARE(c.fisseCount, std::uint8_t(8));
}

void TestConditionDialogs::consecutiveShowsLongestRunAndStoresOnClose_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("longest");
    QTest::newRow("two runs") << QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 15, 16, 17, 18} << "05";
    QTest::newRow("eleven in a row") << QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13} << "10";
    QTest::newRow("one number") << QList<int>{9} << "01";
}

void TestConditionDialogs::consecutiveShowsLongestRunAndStoresOnClose() {
    QFETCH(QList<int>, numbers);
    DialogFixture f;
    for (const int n : numbers) {
        selectNumber(f.system(), n, true);
    }
    f.system().consecutivi.runsMask = 1 << 2 | 1 << 9;
    frmConsecutivi d(f.app->system, f.platform);
    d.show();
    QTEST(text(d, "l1"), "longest");
    for (int r = 1; r <= 10; ++r) {
        QCOMPARE(tagged(label(d, "lbPresenze", r)), r == 2 || r == 9);
    }
    // Any run can be picked whatever the longest available.
    test::sweep(labels(d, "lbPresenze", {1, 2, 3}));
    test::click(label(d, "lbPresenze", 10));
    // stored on closing only
    QCOMPARE(f.system().consecutivi.runsMask, 1 << 2 | 1 << 9);
    d.close();
    QCOMPARE(f.system().consecutivi.runsMask, 1 << 1 | 1 << 3 | 1 << 9 | 1 << 10);
}

void TestConditionDialogs::filtersMoveSwitchedOnToTheFront() {
    DialogFixture f;
    f.playRange(1, 15);
    frmFiltri d(f.app->system, f.platform);
    d.show();
    auto* next = test::child<QPushButton>(d, "cmdRR");
    auto* on = test::child<QRadioButton>(d, "optCond_0");
    // Entries 2, 5 and 7 switched on, each with its own number.
    for (const int entry : {2, 5, 7}) {
        while (text(d, "lbFiltroNum").toInt() < entry) {
            QTest::mouseClick(next, Qt::LeftButton);
        }
        QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("%1").arg(entry, 2, 10, QChar('0')));
        test::click(label(d, "labGriglia", entry - 1));
        test::click(label(d, "lbPresenze", 1));
        QTest::mouseClick(on, Qt::LeftButton);
    }
    d.close();
    const auto& filtri = f.system().filtri;
    QCOMPARE(filtri.count, std::int16_t(3));
    for (int i = 1; i <= 3; ++i) {
        const int number = std::array{2, 5, 7}[std::size_t(i - 1)];
        QCOMPARE(filtri.entries[std::size_t(i)].column, NumberSet{1} << (number - 1));
        QCOMPARE(filtri.entries[std::size_t(i)].presences, 1 << 1);
        QCOMPARE(filtri.entries[std::size_t(i)].active, kTrue);
    }
    QCOMPARE(filtri.entries[4].active, kFalse);
}

void TestConditionDialogs::filterEntryEditingAndLooks() {
    DialogFixture f;
    f.playRange(1, 12);
    f.system().filtri.entries[1] = {NumberSet{1} << 0 | NumberSet{1} << 17, 1 << 4, kTrue};
    f.system().filtri.count = 1;
    frmFiltri d(f.app->system, f.platform);
    d.show();
    // 18 is not in play: shown grey and unselected, dropped when stored.
    auto* eighteen = label(d, "labGriglia", 17);
    QVERIFY(!tagged(eighteen));
    QVERIFY(eighteen->font().italic());
    QVERIFY(test::showsColour(eighteen, QColor(224, 224, 224)));
    QVERIFY(tagged(label(d, "labGriglia", 0)));
    QCOMPARE(test::backgroundOf(label(d, "labGriglia", 0)), test::kBlueColour);
    QVERIFY(test::showsColour(label(d, "labGriglia", 0), test::kWhiteColour));
    QCOMPARE(test::backgroundOf(label(d, "lbPresenze", 4)), test::kRedColour);
    QVERIFY(test::showsColour(label(d, "lbPresenze", 4), test::kYellowColour));
    QCOMPARE(text(d, "l1"), QStringLiteral("1"));

    test::sweep(labels(d, "labGriglia", {2, 3, 4}));
    test::click(eighteen);
    QCOMPARE(text(d, "l1"), QStringLiteral("4"));
    test::sweep(labels(d, "lbPresenze", {4, 5, 6}));
    QVERIFY(!tagged(label(d, "lbPresenze", 4)));
    QCOMPARE(test::backgroundOf(label(d, "lbPresenze", 4)), test::kWhiteColour);
    d.close();
    const auto& entry = f.system().filtri.entries[1];
    QCOMPARE(entry.column, NumberSet(0b11101));
    QCOMPARE(entry.presences, 1 << 5 | 1 << 6);
    QCOMPARE(f.system().filtri.count, std::int16_t(1));
}

void TestConditionDialogs::filterNavigationStopsAtTheEnds() {
    DialogFixture f;
    f.playRange(1, 12);
    frmFiltri d(f.app->system, f.platform);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* previous = test::child<QPushButton>(d, "cmdLR");
    auto* next = test::child<QPushButton>(d, "cmdRR");
    test::click(label(d, "labGriglia", 3));
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("01"));
    // a refused move stores nothing
    QCOMPARE(f.system().filtri.entries[1].column, 0);
    for (int i = 0; i < 120; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
    }
    QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("100"));
    QCOMPARE(f.system().filtri.entries[1].column, NumberSet{1} << 3);
    // The keyboard moves too: Page Up shows entry 99 again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("99"));
    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("99"));
}

void TestConditionDialogs::filterClearAndReadOnlyBrowsing() {
    DialogFixture f;
    f.playRange(1, 12);
    auto& filtri = f.system().filtri;
    filtri.entries[1] = {0b1110, 1 << 2, kTrue};
    filtri.entries[2] = {0b110000, 1 << 3, kTrue};
    filtri.count = 2;
    {
        frmFiltri d(f.app->system, f.platform);
        d.show();
        QTest::mouseClick(test::child<QPushButton>(d, "cmdCancella"), Qt::LeftButton);
        QCOMPARE(text(d, "l1"), QStringLiteral("0"));
        QVERIFY(test::child<QRadioButton>(d, "optCond_1")->isChecked());
        // the table changes when stored
        QCOMPARE(filtri.entries[1].active, kTrue);
        d.close();
    }
    QCOMPARE(filtri.count, std::int16_t(1));
    QCOMPARE(filtri.entries[1].column, NumberSet(0b110000));
    QCOMPARE(filtri.entries[2].column, 0);
    QCOMPARE(filtri.entries[2].active, kFalse);

    // Developed: the entries can be browsed but not changed.
    f.system().developedMark = kDeveloped;
    frmFiltri d(f.app->system, f.platform);
    d.show();
    QTest::mouseClick(test::child<QPushButton>(d, "cmdRR"), Qt::LeftButton);
    QCOMPARE(text(d, "lbFiltroNum"), QStringLiteral("02"));
    test::click(label(d, "labGriglia", 0));
    QVERIFY(!tagged(label(d, "labGriglia", 0)));
    d.close();
    QCOMPARE(filtri.count, std::int16_t(1));
    QCOMPARE(filtri.entries[1].column, NumberSet(0b110000));
}

void TestConditionDialogs::reductionLevelIsAChoiceOfOne_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown"); // the label shown chosen, 0 = none
    QTest::newRow("never chosen") << 0 << 0;
    QTest::newRow("N-1") << 1 << 1;
    QTest::newRow("N-3") << 3 << 3;
    QTest::newRow("no such level") << 7 << 0;
}

void TestConditionDialogs::reductionLevelIsAChoiceOfOne() {
    QFETCH(int, stored);
    QFETCH(int, shown);
    DialogFixture f;
    f.playRange(1, 12);
    f.system().condizioni.ridottoLevel = static_cast<std::uint8_t>(stored);
    frmRidotto d(f.app->system, f.platform);
    d.show();
    for (int level = 1; level <= 3; ++level) {
        QCOMPARE(test::backgroundOf(label(d, "lbRidotto", level)),
                 level == shown ? test::kRedColour : test::kWhiteColour);
    }
    QCOMPARE(int(f.system().condizioni.ridottoLevel), stored);
    // A click chooses its level and clears the others; no sweep here.
    test::sweep(labels(d, "lbRidotto", {2, 3}));
    QCOMPARE(int(f.system().condizioni.ridottoLevel), 2);
    for (int level = 1; level <= 3; ++level) {
        QCOMPARE(test::backgroundOf(label(d, "lbRidotto", level)),
                 level == 2 ? test::kRedColour : test::kWhiteColour);
        QCOMPARE(test::showsColour(label(d, "lbRidotto", level), test::kWhiteColour) &&
                     !test::showsColour(label(d, "lbRidotto", level), test::kBlackColour),
                 level == 2);
    }
}

QTEST_MAIN(TestConditionDialogs)
#include "test_condition_dialogs.moc"
