// The archive window: its list of draws, taking a draw as the winning
// column, and the update through the window against a web server of the
// test's own (good reply, fault, cancel, closing while busy).

#include "AppState.h"
#include "ArchiveFile.h"
#include "ArchiveFixtures.h"
#include "DownloadReader.h"
#include "ModelessWindows.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "ServerAddress.h"
#include "TestServer.h"
#include "WindowContext.h"
#include "frmUpdate.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace dvx;
using namespace std::chrono_literals;
using test::archiveOf;
using test::draw;

namespace {

const std::string kCaption = " Archivio Estrazioni - Decaventrix";
const std::string kReply = "Data|Ora|Numeri|Numerone|Concorso\r\n"
                           "10/12/2026|12:00|1|2|3|4|5|6|7|8|9|10|5|70001\r\n"
                           "10/12/2026|13:00|20|19|18|17|16|15|14|13|12|11|20|70002\r\n"
                           "10/12/2026|14:00|1|3|5|7|9|11|13|15|17|19|1|70003\r\n";

void routes(httplib::Server& server, test::TestServer& self) {
    const std::string archive(kArchivePath);
    server.Get("/good" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kReply, "text/plain");
    });
    server.Get("/stall" + archive, [&self](const httplib::Request&, httplib::Response& res) {
        self.holdBack(60s);
        res.set_content(kReply, "text/plain");
    });
}

// A modeless window that counts the times it was asked to show the state
// again, as the single check does.
class Watcher final : public QWidget {
    Q_OBJECT
public:
    int refreshed = 0;
public slots:
    void refreshFromState() { ++refreshed; }
};

// The program's state with an archive of two draws, and the window over it.
struct Fixture {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    AppState app;
    ModelessWindows modeless;
    QWidget mainWindow;
    WindowContext context{app, platform, &mainWindow, modeless, [] {}};
    Watcher* spoglio = nullptr;

    Fixture() {
        app.programFolder = scratch.folder();
        std::filesystem::create_directories(scratch.file("archivio"));
        app.archivio = archiveOf({
            draw("09/12/2026", "22:00", 7, {1, 3, 20, 4, 5, 6, 7, 8, 9, 10}, 5),
            draw("10/12/2026", "23:00", 8, {11, 12, 13, 14, 15, 16, 17, 18, 19, 2}, 20),
        });
        SaveDVXArchive(archivePath(app.programFolder), app.archivio, platform);
        spoglio =
            modeless.openOrRaise<Watcher>(QStringLiteral("frmSpoglio"), [] { return new Watcher; });
    }
    ~Fixture() { modeless.closeAll(); }
};

template <class T> T* child(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

void screenshot(QWidget& window, const QString& name) {
    const auto folder = qEnvironmentVariable("DVX_SCREENSHOTS");
    if (!folder.isEmpty()) {
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

// Lets the event loop run until the window's update ends.
UpdateOutcome waitForUpdate(frmUpdate& window, QSignalSpy& finished) {
    if (finished.isEmpty() && !finished.wait(20000)) {
        qFatal("the update never ended");
    }
    Q_UNUSED(window);
    return finished.takeFirst().at(0).value<UpdateOutcome>();
}

} // namespace

class TestFrmUpdate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<UpdateOutcome>("dvx::UpdateOutcome"); }
    void listsTheDrawsLastFirst();
    void emptyArchiveKeepsTheInitialTexts();
    void doubleClickTakesTheDrawAsWinningColumn();
    void enterDoesWhatDoubleClickDoes();
    void goodReplyReplacesListFileAndStatistics();
    void failedDownloadChangesNothingButTheStatistics();
    void cancelStopsTheUpdateAndTheWindowStaysResponsive();
    void closingWhileBusyIsRefused();
};

void TestFrmUpdate::listsTheDrawsLastFirst() {
    Fixture f;
    frmUpdate window(f.context);
    QCOMPARE(window.windowTitle(), QString::fromStdString(kCaption));
    auto* lst = child<QListWidget>(window, "lst");
    QCOMPARE(lst->count(), 2);
    QCOMPARE(lst->item(0)->text(),
             QStringLiteral("  00008     |   10/12/2026   |   23:00   |   02   11   12   13   "
                            "14   15   16   17   18   19   |   20"));
    QCOMPARE(lst->currentRow(), 0);
    QCOMPARE(lst->toolTip(), QStringLiteral("Doppio Click x Colonna di Spoglio"));
    QCOMPARE(child<QLabel>(window, "lbLast")->text(), lst->item(0)->text());
    QCOMPARE(child<QLabel>(window, "lbTotale")->text(), QStringLiteral("2"));
    QStringList labels;
    for (auto* label : window.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* text :
         {"Concorso", "Data", "Ora", "Colonna Vincente", "Numerone", " Estrazioni Totali"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    }
    QCOMPARE(window.findChild<QGroupBox*>()->title(), QStringLiteral("Ultima Estrazione"));
    auto* update = child<QPushButton>(window, "cmdUpdate");
    QCOMPARE(update->text().remove(QLatin1Char('&')), QStringLiteral("Aggiorna"));
    QCOMPARE(update->toolTip(), QStringLiteral("Click per iniziare l'aggiornamento"));
    QCOMPARE(child<QPushButton>(window, "cmdStatistiche")->toolTip(),
             QStringLiteral("Click per visualizzare le statistiche"));
    window.show();
    screenshot(window, QStringLiteral("frmUpdate"));
}

void TestFrmUpdate::emptyArchiveKeepsTheInitialTexts() {
    Fixture f;
    f.app.archivio = Archivio{};
    frmUpdate window(f.context);
    QCOMPARE(child<QListWidget>(window, "lst")->count(), 0);
    QCOMPARE(child<QLabel>(window, "lbLast")->text(), QStringLiteral("ultima estrazione"));
    QCOMPARE(child<QLabel>(window, "lbTotale")->text(), QStringLiteral("00000000"));
    window.lst_DblClick(); // nothing to take
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.app.winning, WinningColumn{});
}

void TestFrmUpdate::doubleClickTakesTheDrawAsWinningColumn() {
    Fixture f;
    frmUpdate window(f.context);
    window.show();
    auto* lst = child<QListWidget>(window, "lst");
    lst->setCurrentRow(1); // the older draw
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto rect = lst->visualItemRect(lst->item(1));
    // A double click is a press and release, then a second press.
    QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(lst->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    const auto& shown = f.platform.lastMessage();
    QCOMPARE(QString::fromStdString(shown.text),
             QStringLiteral("La Colonna \r\n01 03 04 05 06 07 08 09 10 20\r\ndel 09/12/2026 alle "
                            "ore 22:00\r\nè stata impostata come nuova colonna di Spoglio"));
    QCOMPARE(shown.title, kCaption);
    QCOMPARE(shown.icon, Icon::Information);
    const WinningColumn expected{{1, 3, 4, 5, 6, 7, 8, 9, 10, 20, 5}};
    QCOMPARE(f.app.winning, expected);
    QCOMPARE(f.spoglio->refreshed, 1);
    QCOMPARE(lst->currentRow(), 1); // the list keeps the user's place
}

void TestFrmUpdate::enterDoesWhatDoubleClickDoes() {
    Fixture f;
    frmUpdate window(f.context);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* lst = child<QListWidget>(window, "lst");
    lst->setFocus();
    QTest::keyClick(lst, Qt::Key_Return);
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(f.app.winning.at(kNumeronePosition), 20);
}

void TestFrmUpdate::goodReplyReplacesListFileAndStatistics() {
    Fixture f;
    test::TestServer server(routes);
    frmUpdate window(f.context);
    window.setUpdateUrl(serverUrl(server.base() + "/good", kArchivePath));
    window.show();
    QSignalSpy finished(&window, &frmUpdate::updateFinished);
    child<QPushButton>(window, "cmdUpdate")->click();
    QVERIFY(window.busy());
    QVERIFY(!child<QPushButton>(window, "cmdUpdate")->isEnabled());
    QVERIFY(child<QPushButton>(window, "cmdAnnulla")->isVisible());
    QVERIFY(!child<QListWidget>(window, "lst")->isVisible());
    QVERIFY(child<QLabel>(window, "lbElaborazione")->isVisible());
    screenshot(window, QStringLiteral("frmUpdate-busy"));
    QCOMPARE(waitForUpdate(window, finished), UpdateOutcome::Updated);

    QVERIFY(f.platform.messages.empty());
    const auto expected = LoadArchivioTMP(kReply).archivio;
    QCOMPARE(f.app.archivio, expected);
    Archivio onDisk;
    QVERIFY(LoadArchivioDVX(archivePath(f.app.programFolder), onDisk, f.platform));
    QCOMPARE(onDisk, expected);
    auto* lst = child<QListWidget>(window, "lst");
    QVERIFY(lst->isVisible());
    QCOMPARE(lst->count(), 3);
    QVERIFY(lst->item(0)->text().startsWith(QStringLiteral("  70003")));
    QCOMPARE(child<QLabel>(window, "lbTotale")->text(), QStringLiteral("3"));
    QVERIFY(child<QPushButton>(window, "cmdUpdate")->isEnabled());
    QVERIFY(!child<QPushButton>(window, "cmdAnnulla")->isVisible());
    // The statistics follow the new archive, on disk and in memory.
    QCOMPARE(f.app.statistics.draws, 3);
    QCOMPARE(f.app.statistics.tables.frequenza[1], 2);
    QVERIFY(f.scratch.read("archivio/stat.csv").find("70003;10/12/2026;14:00;01;03") !=
            std::string::npos);
    QCOMPARE(f.spoglio->refreshed, 1);
}

void TestFrmUpdate::failedDownloadChangesNothingButTheStatistics() {
    Fixture f;
    test::TestServer server(routes);
    const auto before = f.app.archivio;
    const auto fileBefore = f.scratch.read("archivio/decaventrix.dat");
    frmUpdate window(f.context);
    window.setUpdateUrl(serverUrl(server.base() + "/missing", kArchivePath));
    QSignalSpy finished(&window, &frmUpdate::updateFinished);
    window.cmdUpdate_Click();
    QCOMPARE(waitForUpdate(window, finished), UpdateOutcome::DownloadFailed);
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(f.platform.lastMessage().text,
             std::string("Errore durante il download dell'aggiornamento"));
    QCOMPARE(f.platform.lastMessage().title, kCaption);
    QCOMPARE(f.platform.lastMessage().icon, Icon::Critical);
    QCOMPARE(f.app.archivio, before);
    QCOMPARE(f.scratch.read("archivio/decaventrix.dat"), fileBefore);
    QCOMPARE(child<QListWidget>(window, "lst")->count(), 2);
    QCOMPARE(f.app.statistics.draws, 2);
    QVERIFY(!window.busy());
}

void TestFrmUpdate::cancelStopsTheUpdateAndTheWindowStaysResponsive() {
    Fixture f;
    test::TestServer server(routes);
    const auto before = f.app.archivio;
    frmUpdate window(f.context);
    window.setUpdateUrl(serverUrl(server.base() + "/stall", kArchivePath));
    window.show();
    QSignalSpy finished(&window, &frmUpdate::updateFinished);
    window.cmdUpdate_Click();
    // While the server keeps quiet the window still answers: a resize is
    // laid out and painted.
    QTest::qWait(200);
    window.resize(window.width() + 40, window.height());
    QTest::qWait(50);
    QVERIFY(finished.isEmpty());
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(waitForUpdate(window, finished), UpdateOutcome::Cancelled);
    server.release();
    QVERIFY(f.platform.messages.empty());
    QCOMPARE(f.app.archivio, before);
    QVERIFY(!window.busy());
    QVERIFY(window.isVisible());
    QCOMPARE(child<QListWidget>(window, "lst")->count(), 2);
}

void TestFrmUpdate::closingWhileBusyIsRefused() {
    Fixture f;
    test::TestServer server(routes);
    frmUpdate window(f.context);
    window.setUpdateUrl(serverUrl(server.base() + "/stall", kArchivePath));
    window.show();
    QSignalSpy finished(&window, &frmUpdate::updateFinished);
    window.cmdUpdate_Click();
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(f.platform.lastMessage().text,
             std::string("Aggiornamento Archivio in corso...attendere"));
    QCOMPARE(f.platform.lastMessage().title, kCaption);
    QCOMPARE(f.platform.lastMessage().icon, Icon::Information);
    child<QPushButton>(window, "cmdAnnulla")->click();
    waitForUpdate(window, finished);
    server.release();
    QVERIFY(window.close());
}

QTEST_MAIN(TestFrmUpdate)
#include "test_frmUpdate.moc"
