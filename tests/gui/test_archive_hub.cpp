// The main window's entries and button reach the archive, statistics and
// about windows through the hub: one archive window however often it is
// asked for, statistics recomputed as they open, the about box modal.

#include "AppState.h"
#include "ArchiveFixtures.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "frmAbout.h"
#include "frmMAIN.h"
#include "frmStatistiche.h"
#include "frmUpdate.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace dvx;

namespace {

template <class W> QList<W*> openWindows() {
    QList<W*> found;
    for (auto* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<W*>(widget); window != nullptr && window->isVisible()) {
            found << window;
        }
    }
    return found;
}

struct Fixture {
    test::ScratchFolder scratch;
    AppState app;
    test::RecordingPlatform platform;
    std::unique_ptr<frmMAIN> window;

    Fixture() {
        app.programFolder = scratch.folder();
        std::filesystem::create_directories(scratch.file("archivio"));
        app.archivio = test::archiveOf(
            {test::draw("09/12/2026", "22:00", 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5)});
        window = std::make_unique<frmMAIN>(app, platform);
        window->show();
    }
    ~Fixture() {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w != window.get()) {
                w->close();
            }
        }
        QCoreApplication::processEvents();
    }
    void trigger(const char* name) {
        window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
};

} // namespace

class TestArchiveHub : public QObject {
    Q_OBJECT
private slots:
    void archiveWindowOpensOnceFromMenuAndButton();
    void statisticsOpenRecomputed();
    void infoOpensTheModalAboutBox();
};

void TestArchiveHub::archiveWindowOpensOnceFromMenuAndButton() {
    Fixture f;
    f.trigger("menuEstrazioni");
    QCOMPARE(openWindows<frmUpdate>().size(), 1);
    f.window->findChild<QPushButton*>(QStringLiteral("cmdArchivio"))->click();
    QCOMPARE(openWindows<frmUpdate>().size(), 1);
    // Its statistics button opens the statistics window.
    openWindows<frmUpdate>().front()->cmdStatistiche_Click();
    QCOMPARE(openWindows<frmStatistiche>().size(), 1);
}

void TestArchiveHub::statisticsOpenRecomputed() {
    Fixture f;
    f.trigger("menuStatistiche");
    QCOMPARE(openWindows<frmStatistiche>().size(), 1);
    QCOMPARE(f.app.statistics.draws, 1);
    QVERIFY(f.scratch.read("archivio/stat.csv").find("7;09/12/2026;22:00;01;02") !=
            std::string::npos);
    // Asked again, the same window shows the archive as it is now.
    f.app.archivio =
        test::archiveOf({test::draw("09/12/2026", "22:00", 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5),
                         test::draw("09/12/2026", "23:00", 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5)});
    f.trigger("menuStatistiche");
    QCOMPARE(openWindows<frmStatistiche>().size(), 1);
    QCOMPARE(f.app.statistics.draws, 2);
}

void TestArchiveHub::infoOpensTheModalAboutBox() {
    Fixture f;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        QVERIFY(about != nullptr);
        title = about->windowTitle();
        about->accept();
    });
    f.trigger("menuinfo");
    QCOMPARE(title, QStringLiteral("Informazioni su Decaventrix"));
}

QTEST_MAIN(TestArchiveHub)
#include "test_archive_hub.moc"
