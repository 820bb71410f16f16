// The column view: panels of ten rows chosen with the scroll bar.

#include "Model.h"
#include "frmVisualizza.h"

#include <QLabel>
#include <QScrollBar>
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
    return view.findChild<QLabel*>(QString("labVisualizza_%1").arg(r))->text();
}

} // namespace

class TestFrmVisualizza : public QObject {
    Q_OBJECT
private slots:
    void panelsFollowTheScrollBar_data();
    void panelsFollowTheScrollBar();
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
    QCOMPARE(view.windowTitle(), QString(" Visualizza"));
    QCOMPARE(view.findChild<QLabel*>("Label1")->text(), QString("* Pannello n."));
    QCOMPARE(view.findChild<QLabel*>("lbInfo")->text(), QString("* 1 Pannello = 10 Colonne"));
    auto* scroll = view.findChild<QScrollBar*>("scroll");
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), panels);
    QCOMPARE(view.findChild<QLabel*>("labNscheda")->text(), QString("1"));
    QCOMPARE(line(view, 0), QString("  01  02  03  04  05  06  07  08  09  10  "));

    scroll->setValue(panels);
    QCOMPARE(view.findChild<QLabel*>("labNscheda")->text(), QString::number(panels));
    const int first = (panels - 1) * 10 + 1;
    for (int r = 0; r < 10; ++r) {
        const bool filled = first + r <= columns;
        QCOMPARE(line(view, r) == QString("  "), !filled);
    }
}

QTEST_MAIN(TestFrmVisualizza)
#include "test_frmVisualizza.moc"
