// The parts every window of the hub relies on: the modeless registry and
// the guard that keeps other windows still while long work runs.

#include "LongWorkGuard.h"
#include "ModelessWindows.h"

#include <QApplication>
#include <QDialog>
#include <QtTest>

using namespace dvx;

namespace {

// A modeless window that counts how often it was asked to show the state.
class CountingWindow final : public QWidget {
    Q_OBJECT
public:
    int refreshed = 0;
public slots:
    void refreshFromState() { ++refreshed; }
};

} // namespace

class TestWindowParts final : public QObject {
    Q_OBJECT
private slots:
    void openOrRaiseKeepsOneWindowAndForgetsAClosedOne();
    void refreshReachesOnlyWindowsThatCanRefresh();
    void longWorkGuardDisablesOthersAndRestoresOnlyThose();
};

void TestWindowParts::openOrRaiseKeepsOneWindowAndForgetsAClosedOne() {
    ModelessWindows windows;
    int made = 0;
    const auto make = [&made] {
        ++made;
        return new CountingWindow;
    };
    auto* first = windows.openOrRaise<CountingWindow>(QStringLiteral("frmSpoglio"), make);
    auto* again = windows.openOrRaise<CountingWindow>(QStringLiteral("frmSpoglio"), make);
    QCOMPARE(again, first);
    QCOMPARE(made, 1);
    QVERIFY(first->isVisible());
    QCOMPARE(windows.find(QStringLiteral("frmSpoglio")), first);

    QPointer<QWidget> guard(first);
    first->close(); // deleted on close
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(windows.find(QStringLiteral("frmSpoglio")), nullptr);
    auto* reopened = windows.openOrRaise<CountingWindow>(QStringLiteral("frmSpoglio"), make);
    QCOMPARE(made, 2);
    reopened->close();
}

void TestWindowParts::refreshReachesOnlyWindowsThatCanRefresh() {
    ModelessWindows windows;
    auto* counting =
        windows.openOrRaise<CountingWindow>(QStringLiteral("a"), [] { return new CountingWindow; });
    windows.openOrRaise<QWidget>(QStringLiteral("b"), [] { return new QWidget; });
    windows.refreshAll();
    windows.refreshAll();
    QCOMPARE(counting->refreshed, 2);
    windows.closeAll();
    QTRY_COMPARE(windows.find(QStringLiteral("a")), nullptr);
}

void TestWindowParts::longWorkGuardDisablesOthersAndRestoresOnlyThose() {
    QWidget main;
    QWidget other;
    QWidget alreadyOff;
    QDialog progress;
    for (auto* w : {&main, &other, &alreadyOff, static_cast<QWidget*>(&progress)}) {
        w->show();
    }
    alreadyOff.setEnabled(false);
    {
        const LongWorkGuard guard(&progress);
        QVERIFY(!main.isEnabled());
        QVERIFY(!other.isEnabled());
        QVERIFY(progress.isEnabled());
    }
    QVERIFY(main.isEnabled());
    QVERIFY(other.isEnabled());
    QVERIFY(!alreadyOff.isEnabled()); // not the guard's to enable
}

QTEST_MAIN(TestWindowParts)
#include "test_window_parts.moc"
