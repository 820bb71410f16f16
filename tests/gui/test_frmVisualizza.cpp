// The column view: panels of ten rows chosen with the scroll bar.

#include "Model.h"
#include "frmVisualizza.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using namespace dvx;

namespace {

void fillRows(SystemState& state, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int k = 0; k < kColumnSize; ++k) {
            state.colonne.row(r)[k] = static_cast<std::uint8_t>((r + k - 1) % kNumbers + 1);
        }
    }
    state.sistema.columnCount = count;
}

QString line(const frmVisualizza& view, int r) {
    return view.findChild<QLabel*>(QStringLiteral("labVisualizza_%1").arg(r))->text();
}

} // namespace

class TestFrmVisualizza : public QObject {
    Q_OBJECT
private slots:
    void panelsFollowTheScrollBar_data();
    void panelsFollowTheScrollBar();
    void keysAndWheelTurnThePanels_data();
    void keysAndWheelTurnThePanels();
};

void TestFrmVisualizza::panelsFollowTheScrollBar_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("panels");
    QTest::newRow("one column") << 1 << 1;
    QTest::newRow("25 columns") << 25 << 3;
    QTest::newRow("exactly two panels") << 20 << 2;
}

void TestFrmVisualizza::panelsFollowTheScrollBar() {
    QFETCH(int, columns);
    QFETCH(int, panels);
    SystemState state;
    fillRows(state, columns);
    frmVisualizza view(state);
    QCOMPARE(view.windowTitle(), QStringLiteral(" Visualizza"));
    QCOMPARE(view.findChild<QLabel*>("Label1")->text(), QStringLiteral("* Pannello n."));
    QCOMPARE(view.findChild<QLabel*>("lbInfo")->text(),
             QStringLiteral("* 1 Pannello = 10 Colonne"));
    auto* scroll = view.findChild<QScrollBar*>("scroll");
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), panels);
    QCOMPARE(view.findChild<QLabel*>("labNscheda")->text(), QStringLiteral("1"));
    QCOMPARE(line(view, 0), QStringLiteral("  01  02  03  04  05  06  07  08  09  10  "));

    scroll->setValue(panels);
    QCOMPARE(view.findChild<QLabel*>("labNscheda")->text(), QString::number(panels));
    const int first = (panels - 1) * 10 + 1;
    for (int r = 0; r < 10; ++r) {
        const bool filled = first + r <= columns;
        QCOMPARE(line(view, r) == QStringLiteral("  "), !filled);
    }
}

void TestFrmVisualizza::keysAndWheelTurnThePanels_data() {
    QTest::addColumn<int>("key"); // 0: one notch of the wheel, down
    QTest::addColumn<int>("panel");
    QTest::newRow("down") << int(Qt::Key_Down) << 2;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 2;
    QTest::newRow("end") << int(Qt::Key_End) << 5;
    QTest::newRow("wheel") << 0 << 2;
}

void TestFrmVisualizza::keysAndWheelTurnThePanels() {
    QFETCH(int, key);
    QFETCH(int, panel);
    SystemState state;
    fillRows(state, 45);
    frmVisualizza view(state);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    if (key != 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    } else {
        // Over the rows, away from the scroll bar; Qt hands a real wheel
        // event from the labels up to the window.
        auto* row = view.findChild<QLabel*>("labVisualizza_4");
        const QPointF at = row->mapTo(&view, row->rect().center());
        QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
    }
    QCOMPARE(view.findChild<QLabel*>("labNscheda")->text(), QString::number(panel));
    const int firstRow = (panel - 1) * 10 + 1;
    QCOMPARE(line(view, 0).left(4),
             QStringLiteral("  %1").arg((firstRow - 1) % kNumbers + 1, 2, 10, QChar('0')));
}

QTEST_MAIN(TestFrmVisualizza)
#include "test_frmVisualizza.moc"
