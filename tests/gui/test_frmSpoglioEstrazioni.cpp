// The archive check's window: the draw lists, the check over the chosen
// range, the grid and its fitted widths, the filter lists, the CSV export
// and its error message.

#include "AppState.h"
#include "CheckCsv.h"
#include "CheckGrid.h"
#include "GridFilter.h"
#include "Progress.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "frmSpoglioEstrazioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace dvx;

namespace {

NumberSet setOf(std::initializer_list<int> numbers) {
    NumberSet set = 0;
    for (const int n : numbers) {
        set |= NumberSet{1} << (n - 1);
    }
    return set;
}

struct Fixture {
    test::ScratchFolder folder;
    AppState app;
    test::RecordingPlatform platform;
    std::unique_ptr<frmSpoglioEstrazioni> window;

    Fixture() {
        app.programFolder = folder.folder();
        const std::uint8_t rows[3][kColumnSize] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                                   {11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
                                                   {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}};
        for (int r = 0; r < 3; ++r) {
            std::copy(rows[r], rows[r] + kColumnSize, app.system.colonne.row(r + 1));
        }
        app.system.sistema.columnCount = 3;
        app.system.developedMark = kDeveloped;
        app.system.numerone = 7;
        app.system.pricePerColumn = 2.0f;
        app.system.fileName = "MioSistema.dvx";
        app.archivio.resize(4);
        app.archivio[1] = {"10/12/2026", "14:00", 101, setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 5};
        app.archivio[2] = {"10/12/2026", "15:00", 102, setOf({1, 2, 3, 4, 5, 6, 7, 11, 12, 13}), 7};
        app.archivio[3] = {}; // an empty record is listed and scored too
        app.archivio[4] = {"11/12/2026", "09:00", 103, setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 7};
    }
    void open() {
        window = std::make_unique<frmSpoglioEstrazioni>(app, platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <class T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QComboBox* dal() const { return find<QComboBox>("cmbDal"); }
    QComboBox* al() const { return find<QComboBox>("cmbAl"); }
    QTableView* grid() const { return find<QTableView>("flexGrid"); }
    void click(const char* button) {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }
    // The texts the grid shows, row by row.
    std::vector<GridRow> shownRows() const {
        std::vector<GridRow> rows;
        const auto* model = grid()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            GridRow row;
            for (int c = 0; c < kGridColumns; ++c) {
                row[static_cast<std::size_t>(c)] =
                    model->index(r, c).data().toString().toStdString();
            }
            rows.push_back(row);
        }
        return rows;
    }
    std::vector<GridRow> expectedRows(int first, int last) const {
        Progress progress;
        return gridTexts(
            SpoglioArchivioEstrazioni(app.system, app.archivio, first, last, progress));
    }
    QComboBox* filter(int column) const {
        return find<QComboBox>(QString("cmbFilter_%1").arg(column));
    }
    void choose(int column, const QString& text) {
        auto* list = filter(column);
        const int entry = list->findText(text);
        QVERIFY(entry >= 0);
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }
};

constexpr int kMax = 5;
constexpr int kPt07Hit = 13;

} // namespace

class TestFrmSpoglioEstrazioni : public QObject {
    Q_OBJECT
private slots:
    void listsEveryRecordOfTheArchive();
    void checksTheChosenRange_data();
    void checksTheChosenRange();
    void fitsEachColumnToItsWidestText();
    void filtersShowRowsMatchingEveryChoice();
    void newCheckSwitchesTheFiltersOff();
    void exportWritesEveryRowAndOpensTheFile();
    void exportFailureIsReportedForItsProcedure();
    void archiveChangedElsewhereRefillsTheLists();
};

void TestFrmSpoglioEstrazioni::listsEveryRecordOfTheArchive() {
    Fixture f;
    f.open();
    QCOMPARE(f.window->windowTitle(), QString("Spoglio Estrazioni"));
    QCOMPARE(f.dal()->count(), 4);
    QCOMPARE(f.al()->count(), 4);
    QCOMPARE(f.dal()->itemText(0), QString("10/12/2026 - 101"));
    QCOMPARE(f.dal()->itemText(2), QString(" - 0"));
    QCOMPARE(f.dal()->currentIndex(), 0);
    QCOMPARE(f.al()->currentIndex(), 3);
    QCOMPARE(f.find<QAbstractButton>("cmdSpoglioEstrazioni")->text(), QString("&Spoglio"));
    QCOMPARE(f.find<QAbstractButton>("chkFiltri")->text(), QString("&Filtri"));
    QCOMPARE(f.find<QAbstractButton>("cmdCSV")->text(), QString("Export to CSV"));
    QCOMPARE(f.find<QLabel>("lbElaborazione")->text(),
             QString("Elaborazione in corso\nAttendere...."));
    // The grid shows its header before any check.
    QCOMPARE(f.grid()->model()->rowCount(), 0);
    QCOMPARE(f.grid()->model()->columnCount(), 23);
    QCOMPARE(f.grid()->model()->headerData(0, Qt::Horizontal).toString(), QString("Concorso "));
    QCOMPARE(f.grid()->model()->headerData(22, Qt::Horizontal).toString(), QString("Pt.00"));
}

void TestFrmSpoglioEstrazioni::checksTheChosenRange_data() {
    QTest::addColumn<int>("dal");
    QTest::addColumn<int>("al");
    QTest::addColumn<float>("price");
    QTest::newRow("whole archive") << 0 << 3 << 2.0f;
    QTest::newRow("one draw at price 1") << 1 << 1 << 1.0f;
    QTest::newRow("reversed range: header only") << 3 << 1 << 2.0f;
}

void TestFrmSpoglioEstrazioni::checksTheChosenRange() {
    QFETCH(int, dal);
    QFETCH(int, al);
    QFETCH(float, price);
    Fixture f;
    f.app.system.pricePerColumn = price;
    f.open();
    f.dal()->setCurrentIndex(dal);
    f.al()->setCurrentIndex(al);
    f.click("cmdSpoglioEstrazioni");
    QCOMPARE(f.shownRows(), f.expectedRows(dal + 1, al + 1));
    QCOMPARE(f.window->result().size(), std::size_t(std::max(0, al - dal + 1)));
    QCOMPARE(f.platform.busyDepth, 0);
    QVERIFY(f.find<QPushButton>("cmdSpoglioEstrazioni")->isEnabled());
    QVERIFY(!f.find<QLabel>("lbElaborazione")->isVisible());
    QVERIFY(f.platform.messages.empty());
}

void TestFrmSpoglioEstrazioni::fitsEachColumnToItsWidestText() {
    Fixture f;
    f.open();
    f.click("cmdSpoglioEstrazioni");
    const QFontMetrics metrics(f.grid()->font());
    const auto widest = widestCells(f.expectedRows(1, 4));
    for (int c = 0; c < kGridColumns; ++c) {
        const int text = metrics.horizontalAdvance(QString::fromStdString(widest[std::size_t(c)]));
        QVERIFY2(f.grid()->columnWidth(c) >= text + 10, qPrintable(QString::number(c)));
        QVERIFY2(f.grid()->columnWidth(c) <= 2 * text + 40, qPrintable(QString::number(c)));
    }
    // The numbers column is the widest of all.
    QVERIFY(f.grid()->columnWidth(3) > f.grid()->columnWidth(0));
}

void TestFrmSpoglioEstrazioni::filtersShowRowsMatchingEveryChoice() {
    Fixture f;
    f.open();
    f.click("cmdSpoglioEstrazioni");
    const auto all = f.expectedRows(1, 4);
    std::vector<int> fitted;
    for (int c = 0; c < kGridColumns; ++c) {
        fitted.push_back(f.grid()->columnWidth(c));
    }
    f.click("chkFiltri");
    QVERIFY(f.window->filtering());
    QVERIFY(f.find<QCheckBox>("chkFiltri")->isChecked());
    for (int c = 0; c < kGridColumns; ++c) {
        auto* list = f.filter(c);
        QVERIFY(list != nullptr);
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentText(), QString("*"));
        QStringList entries;
        for (int e = 0; e < list->count(); ++e) {
            entries << list->itemText(e);
        }
        QStringList expected;
        for (const auto& text : filterChoices(all, c)) {
            expected << QString::fromStdString(text);
        }
        QCOMPARE(entries, expected);
        // Over its own column, wide enough for its widest choice.
        QCOMPARE(list->width(), f.grid()->columnWidth(c));
        QComboBox whole;
        whole.setFont(list->font());
        whole.addItems(entries);
        whole.setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QVERIFY2(list->width() >= whole.sizeHint().width(), qPrintable(QString::number(c)));
    }
    QCOMPARE(f.shownRows(), all);

    // Rows 2 and 4 have the Numerone; only row 4 has a 10+1 as well.
    f.choose(kMax, "10+1");
    QCOMPARE(f.shownRows(), std::vector<GridRow>{all[3]});
    f.choose(kPt07Hit, "0");
    QCOMPARE(f.shownRows(), std::vector<GridRow>{all[3]});
    f.choose(kMax, "*");
    QCOMPARE(f.shownRows(), (std::vector<GridRow>{all[0], all[2], all[3]}));
    f.choose(kPt07Hit, "*");
    QCOMPARE(f.shownRows(), all);

    f.choose(kMax, "0");
    f.click("chkFiltri");
    QVERIFY(!f.window->filtering());
    QVERIFY(!f.find<QCheckBox>("chkFiltri")->isChecked());
    QVERIFY(f.filter(0) == nullptr);
    QCOMPARE(f.shownRows(), all);
    QVERIFY2(f.grid()->columnWidth(kPt07Hit) == fitted[kPt07Hit],
             "widths fitted again to the cells");
    QCOMPARE(f.platform.busyDepth, 0);
}

void TestFrmSpoglioEstrazioni::newCheckSwitchesTheFiltersOff() {
    Fixture f;
    f.open();
    f.click("cmdSpoglioEstrazioni");
    f.click("chkFiltri");
    f.choose(kMax, "10+1");
    f.dal()->setCurrentIndex(1);
    f.click("cmdSpoglioEstrazioni");
    QVERIFY(!f.window->filtering());
    QVERIFY(!f.find<QCheckBox>("chkFiltri")->isChecked());
    QVERIFY(f.filter(kMax) == nullptr);
    QCOMPARE(f.shownRows(), f.expectedRows(2, 4));
}

void TestFrmSpoglioEstrazioni::exportWritesEveryRowAndOpensTheFile() {
    Fixture f;
    f.open();
    f.click("cmdSpoglioEstrazioni");
    f.click("chkFiltri");
    f.choose(kMax, "10+1");
    f.click("cmdCSV");
    const auto path = f.folder.folder() + "csv/miosistema.csv";
    Progress progress;
    const auto all = SpoglioArchivioEstrazioni(f.app.system, f.app.archivio, 1, 4, progress);
    QCOMPARE(f.folder.read("csv/miosistema.csv"), archiveCheckCsv(all));
    QCOMPARE(f.platform.opened, std::vector<std::string>{path});
    QVERIFY(f.platform.messages.empty());

    // A second export over a shorter result replaces the file.
    f.dal()->setCurrentIndex(3);
    f.click("cmdSpoglioEstrazioni");
    f.click("cmdCSV");
    QCOMPARE(f.folder.read("csv/miosistema.csv"), archiveCheckCsv({all.back()}));
    QCOMPARE(f.platform.opened.size(), std::size_t{2});
}

void TestFrmSpoglioEstrazioni::exportFailureIsReportedForItsProcedure() {
    Fixture f;
    f.folder.write("csv", "a file where the folder should be");
    f.open();
    f.click("cmdSpoglioEstrazioni");
    f.click("cmdCSV");
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    const auto& shown = f.platform.lastMessage();
    QVERIFY2(shown.text.starts_with("Error "), shown.text.c_str());
    QVERIFY2(shown.text.ends_with(") in procedure exportTocsv of Form frmSpoglioEstrazioni"),
             shown.text.c_str());
    QCOMPARE(shown.icon, Icon::None);
    QCOMPARE(shown.title, std::string());
    QVERIFY(f.platform.opened.empty());
    QCOMPARE(f.platform.busyDepth, 0);
}

void TestFrmSpoglioEstrazioni::archiveChangedElsewhereRefillsTheLists() {
    Fixture f;
    f.open();
    f.app.archivio.resize(2);
    f.window->refreshFromState();
    QCOMPARE(f.dal()->count(), 2);
    QCOMPARE(f.al()->currentIndex(), 1);
}

QTEST_MAIN(TestFrmSpoglioEstrazioni)
#include "test_frmSpoglioEstrazioni.moc"
