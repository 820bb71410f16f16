// The statistics window: recomputing writes the file and shows the first
// chart; each option draws its chart with axes, values and a legend; the
// chart follows the window's size; the file opens in the user's program.

#include "AppState.h"
#include "ArchiveFixtures.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "frmStatistiche.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QtTest>

using namespace dvx;
using test::archiveOf;
using test::draw;

namespace {

struct Fixture {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    AppState app;

    Fixture() {
        app.programFolder = scratch.folder();
        std::filesystem::create_directories(scratch.file("archivio"));
        app.archivio = archiveOf({
            draw("9/12/2026", "22:00", 70001, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5),
            draw("10/12/2026", "23:00", 70002, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 20),
        });
    }
};

QChart* chartOf(frmStatistiche& window) {
    return window.findChild<QChartView*>(QStringLiteral("MSChart1"))->chart();
}

QBarSeries* seriesOf(frmStatistiche& window) {
    return qobject_cast<QBarSeries*>(chartOf(window)->series().value(0));
}

QRadioButton* option(frmStatistiche& window, int i) {
    return window.findChild<QRadioButton*>(QStringLiteral("optStat_%1").arg(i));
}

// Saves what the window looks like when DVX_SCREENSHOTS names a folder.
void screenshot(QWidget& window, const QString& name) {
    const auto folder = qEnvironmentVariable("DVX_SCREENSHOTS");
    if (!folder.isEmpty()) {
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

} // namespace

class TestFrmStatistiche : public QObject {
    Q_OBJECT
private slots:
    void refreshWritesTheFileAndShowsTheFirstStatistic();
    void eachOptionDrawsItsChart_data();
    void eachOptionDrawsItsChart();
    void optionsHaveTheirAccelerators();
    void chartFollowsTheWindowSize();
    void refreshFromStateDrawsTheNewFigures();
    void csvButtonOpensTheFile();
};

void TestFrmStatistiche::refreshWritesTheFileAndShowsTheFirstStatistic() {
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Statistiche Archivio Estrazioni"));
    window.refreshStat();
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.scratch.read("archivio/stat.csv").substr(0, 9), std::string("Concorso;"));
    QCOMPARE(f.app.statistics.draws, 2);
    QCOMPARE(window.shownView(), 0);
    QVERIFY(option(window, 0)->isChecked());
    QVERIFY(option(window, 0)->hasFocus());
    QVERIFY(option(window, 0)->styleSheet().contains(QStringLiteral("rgb(255,255,0)")));
    QVERIFY(!option(window, 1)->styleSheet().contains(QStringLiteral("rgb(255,255,0)")));
    QVERIFY(window.findChild<QFrame*>(QStringLiteral("frameContainer"))->isVisible());
    QCOMPARE(chartOf(window)->title(), QStringLiteral("Consecutivi"));
}

void TestFrmStatistiche::eachOptionDrawsItsChart_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("bars");
    QTest::addColumn<QString>("firstCategory");
    QTest::addColumn<int>("sets");
    QTest::addColumn<double>("firstValue");
    QTest::newRow("consecutivi") << 0 << "Consecutivi" << 10 << "01" << 1 << 1.0;
    QTest::newRow("ripetuti") << 1 << "Ripetuti" << 11 << "00" << 1 << 0.0;
    QTest::newRow("pari") << 2 << "Pari" << 11 << "00" << 1 << 1.0;
    QTest::newRow("dispari") << 3 << "Dispari" << 11 << "00" << 1 << 0.0;
    QTest::newRow("somma") << 4 << "Somma" << 10 << "055-065" << 1 << 1.0;
    QTest::newRow("frequenza") << 5 << "Frequenza Numeri" << 20 << "01" << 1 << 2.0;
    QTest::newRow("ritardi") << 6 << "Ritardi" << 20 << "01" << 2 << 0.0;
}

void TestFrmStatistiche::eachOptionDrawsItsChart() {
    QFETCH(int, view);
    QFETCH(QString, title);
    QFETCH(int, bars);
    QFETCH(QString, firstCategory);
    QFETCH(int, sets);
    QFETCH(double, firstValue);
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.show();
    window.refreshStat();
    QTest::mouseClick(option(window, view), Qt::LeftButton);
    QCOMPARE(window.shownView(), view);
    QVERIFY(option(window, view)->isChecked());
    auto* chart = chartOf(window);
    QCOMPARE(chart->title(), title);
    auto* series = seriesOf(window);
    QVERIFY(series->isLabelsVisible());
    QCOMPARE(series->count(), sets);
    QCOMPARE(series->barSets().at(0)->count(), bars);
    QCOMPARE(series->barSets().at(0)->at(0), firstValue);
    QVERIFY(chart->legend()->isVisible());
    const auto horizontal = chart->axes(Qt::Horizontal);
    const auto vertical = chart->axes(Qt::Vertical);
    QCOMPARE(horizontal.size(), 1);
    QCOMPARE(vertical.size(), 1);
    auto* categories = qobject_cast<QBarCategoryAxis*>(horizontal.at(0));
    QCOMPARE(categories->count(), bars);
    QCOMPARE(categories->at(0), firstCategory);
    QVERIFY(!categories->titleText().isEmpty());
    QVERIFY(!vertical.at(0)->titleText().isEmpty());
    // The tallest bar and its value fit under the top of the axis.
    double highest = 0;
    for (auto* set : series->barSets()) {
        for (int i = 0; i < set->count(); ++i) {
            highest = std::max(highest, set->at(i));
        }
    }
    QVERIFY(qobject_cast<QValueAxis*>(vertical.at(0))->max() > highest);
    screenshot(window, QStringLiteral("frmStatistiche-%1").arg(view));
}

void TestFrmStatistiche::optionsHaveTheirAccelerators() {
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.refreshStat();
    const QString expected[] = {"&Consecutivi", "&Ripetuti",  "&Pari",   "&Dispari",
                                "&Somma",       "&Frequenza", "R&itardi"};
    const char keys[] = {'C', 'R', 'P', 'D', 'S', 'F', 'I'};
    for (int i = 6; i >= 0; --i) {
        QCOMPARE(option(window, i)->text(), expected[i]);
        QTest::keyClick(&window, static_cast<Qt::Key>(keys[i]), Qt::AltModifier);
        // The mnemonic clicks the option a moment later, as a button does.
        QTRY_COMPARE(window.shownView(), i);
        QVERIFY(option(window, i)->hasFocus());
    }
}

void TestFrmStatistiche::chartFollowsTheWindowSize() {
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.resize(700, 480);
    window.show();
    window.refreshStat();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* view = window.findChild<QChartView*>(QStringLiteral("MSChart1"));
    const auto small = view->size();
    window.resize(1200, 700);
    QTest::qWait(50);
    QVERIFY(view->width() > small.width() + 400);
    QVERIFY(view->height() > small.height() + 150);
    QVERIFY(chartOf(window)->size().width() > small.width() + 400);
}

void TestFrmStatistiche::refreshFromStateDrawsTheNewFigures() {
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.show();
    window.refreshStat();
    window.optStat_Click(5);
    f.app.statistics.tables.frequenza[1] = 41;
    window.refreshFromState();
    QCOMPARE(window.shownView(), 5);
    QCOMPARE(seriesOf(window)->barSets().at(0)->at(0), 41.0);
}

void TestFrmStatistiche::csvButtonOpensTheFile() {
    Fixture f;
    frmStatistiche window(f.app, f.platform);
    window.refreshStat();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdTxt"));
    QCOMPARE(button->toolTip(), QStringLiteral("File Statistiche CSV"));
    button->click();
    QCOMPARE(f.platform.opened.size(), std::size_t{1});
    QCOMPARE(f.platform.opened[0], f.scratch.file("archivio/stat.csv"));
}

QTEST_MAIN(TestFrmStatistiche)
#include "test_frmStatistiche.moc"
