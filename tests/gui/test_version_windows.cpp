// The new-version window and the about box: their texts, their links, the
// announcement at start-up, and the system-information tool.

#include "AboutBox.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "VersionWindows.h"
#include "frmAbout.h"
#include "frmNewVersion.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

using namespace dvx;

namespace {

QString labelText(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void screenshot(QWidget& window, const QString& name) {
    const auto folder = qEnvironmentVariable("DVX_SCREENSHOTS");
    if (!folder.isEmpty()) {
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

} // namespace

class TestVersionWindows : public QObject {
    Q_OBJECT
private slots:
    void newVersionShowsBothVersionsAndTheLink();
    void linkOpensThePageAndCloses();
    void announcementShowsOnlyForAnOffer();
    void aboutShowsTitleVersionEdition();
    void sysInfoWithoutAToolSaysSo();
    void sysInfoStartsTheToolFoundOnThePath();
};

void TestVersionWindows::newVersionShowsBothVersionsAndTheLink() {
    test::RecordingPlatform platform;
    frmNewVersion window(platform, QStringLiteral("http://127.0.0.1:1/decavx/"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Nuova Versione Disponibile!!"));
    QCOMPARE(labelText(window, "lbLocalVersion"), QStringLiteral("00.00.00"));
    window.setProperty("localVersion", QStringLiteral("1.0.0"));
    window.setProperty("remoteVersion", QStringLiteral("1.10.0"));
    QCOMPARE(window.property("remoteVersion").toString(), QStringLiteral("1.10.0"));
    window.show();
    QCOMPARE(labelText(window, "lbLocalVersion"), QStringLiteral("1.0.0"));
    QCOMPARE(labelText(window, "lbRemoteVersion"), QStringLiteral("1.10.0"));
    auto* url = window.findChild<QLabel*>(QStringLiteral("lbURL"));
    QVERIFY(url->text().contains(QStringLiteral("http://127.0.0.1:1/decavx/")));
    QCOMPARE(url->toolTip(), QStringLiteral("Click per aprire la pagina"));
    QStringList texts;
    for (auto* label : window.findChildren<QLabel*>()) {
        texts << label->text();
    }
    QVERIFY(texts.contains(QStringLiteral("Versione Locale")));
    QVERIFY(texts.contains(QStringLiteral("Versione sul Server")));
    screenshot(window, QStringLiteral("frmNewVersion"));
}

void TestVersionWindows::linkOpensThePageAndCloses() {
    test::RecordingPlatform platform;
    frmNewVersion window(platform, QStringLiteral("https://example.org/decavx/"));
    window.show();
    QVERIFY(window.isVisible());
    auto* url = window.findChild<QLabel*>(QStringLiteral("lbURL"));
    emit url->linkActivated(QStringLiteral("https://example.org/decavx/"));
    QCOMPARE(platform.opened, std::vector<std::string>{"https://example.org/decavx/"});
    QVERIFY(!window.isVisible());
}

void TestVersionWindows::announcementShowsOnlyForAnOffer() {
    test::RecordingPlatform platform;
    QVERIFY(!announceNewVersion(std::nullopt, platform, "http://127.0.0.1:1"));

    QString shownLocal;
    QString shownRemote;
    QString shownTitle;
    bool fired = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<frmNewVersion*>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        fired = true;
        shownTitle = window->windowTitle();
        shownLocal = labelText(*window, "lbLocalVersion");
        shownRemote = labelText(*window, "lbRemoteVersion");
        window->close();
    });
    QVERIFY(announceNewVersion(NewVersionOffer{"1.2.3", "1.10.0"}, platform, "http://127.0.0.1:1"));
    QVERIFY(fired);
    QCOMPARE(shownTitle, QStringLiteral("Nuova Versione Disponibile!!"));
    QCOMPARE(shownLocal, QStringLiteral("1.2.3"));
    QCOMPARE(shownRemote, QStringLiteral("1.10.0"));
}

void TestVersionWindows::aboutShowsTitleVersionEdition() {
    test::RecordingPlatform platform;
    frmAbout about(platform, aboutTexts("Decaventrix", "1.0.0", "Freeware", "https://example.org"),
                   "");
    QCOMPARE(about.windowTitle(), QStringLiteral("Informazioni su Decaventrix"));
    QCOMPARE(labelText(about, "lblTitle"), QStringLiteral("Decaventrix"));
    QCOMPARE(labelText(about, "lblVersion"), QStringLiteral("Versione 1.0.0"));
    QCOMPARE(labelText(about, "lblDescription"), QStringLiteral("Versione Freeware"));
    QVERIFY(labelText(about, "lbURL").contains(QStringLiteral("https://example.org/")));
    emit about.findChild<QLabel*>(QStringLiteral("lbURL"))->linkActivated({});
    QCOMPARE(platform.opened, std::vector<std::string>{"https://example.org/"});
    about.show();
    screenshot(about, QStringLiteral("frmAbout"));
    about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QVERIFY(!about.isVisible());
}

void TestVersionWindows::sysInfoWithoutAToolSaysSo() {
    test::RecordingPlatform platform;
    test::ScratchFolder empty;
    frmAbout about(platform, aboutTexts("Decaventrix", "1.0.0", "Freeware", "x"), empty.folder());
    about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    QCOMPARE(platform.messages.size(), std::size_t{1});
    QCOMPARE(platform.lastMessage().text,
             std::string("Le informazioni sul sistema non sono disponibili in questa fase"));
    QCOMPARE(platform.lastMessage().title, std::string());
    QCOMPARE(platform.lastMessage().icon, Icon::None);
}

void TestVersionWindows::sysInfoStartsTheToolFoundOnThePath() {
    test::RecordingPlatform platform;
    test::ScratchFolder bin;
    // A stand-in for the desktop's tool that leaves a mark when it runs.
    const auto mark = bin.file("started");
    const auto tool = bin.write("hardinfo", "#!/bin/sh\necho \"$@\" > '" + mark + "'\n");
    ::chmod(tool.c_str(), 0755);
    StartSysInfo(platform, "/nonexistent:" + bin.folder());
    QVERIFY(platform.messages.empty());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(mark)), 10000);

    // A tool that cannot start is as good as none.
    StartSysInfo(platform, bin.folder(), [](const SystemInfoTool&) { return false; });
    QCOMPARE(platform.messages.size(), std::size_t{1});
}

QTEST_MAIN(TestVersionWindows)
#include "test_version_windows.moc"
