// The real desktop program on an X display, driven from the keyboard: open
// the archive window, take a draw as the winning column, open the
// statistics from there; then read the statistics file it wrote.

#include "ArchiveFile.h"
#include "ArchiveFixtures.h"
#include "DesktopTest.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "XDriver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>

namespace dvx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Saves the whole screen when DVX_SCREENSHOTS names a folder.
void screenshot(const std::string& display, const std::string& name) {
    const auto folder = qEnvironmentVariable("DVX_SCREENSHOTS");
    const auto import = QStandardPaths::findExecutable(QStringLiteral("import"));
    if (folder.isEmpty() || import.isEmpty()) {
        return;
    }
    QProcess::execute(import, {QStringLiteral("-display"), QString::fromStdString(display),
                               QStringLiteral("-window"), QStringLiteral("root"),
                               folder + QLatin1Char('/') + QString::fromStdString(name) +
                                   QStringLiteral(".png")});
}

using ArchiveSession = test::DesktopTest;

TEST_F(ArchiveSession, TakeADrawAsWinningColumnAndLookAtTheStatistics) {
    auto& x = *driver;

    test::ScratchFolder scratch;
    const auto executable = scratch.folder() + "decaventrix";
    fs::copy_file(DVX_GUI_PATH, executable);
    scratch.write("impostazioni.cfg", "Sistema di prova\r\nStampante\r\n");
    fs::create_directories(scratch.file("archivio"));
    test::RecordingPlatform platform;
    ASSERT_TRUE(SaveDVXArchive(
        scratch.file("archivio/decaventrix.dat"),
        test::archiveOf({
            test::draw("09/12/2026", "21:00", 70001, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5),
            test::draw("09/12/2026", "22:00", 70002, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 7),
            test::draw("09/12/2026", "23:00", 70003, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 9),
        }),
        platform));

    QProcess program;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display.name()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    program.setProcessEnvironment(env);
    program.start(QString::fromStdString(executable), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 30s));
    // Ten numbers make the Operazioni menu available.
    for (int i = 0; i < 10; ++i) {
        x.key("space");
        x.key("Right");
    }
    // Operazioni > Archivio Estrazioni. The menu opens on its first entry,
    // "&Adatta matrice", which shares the letter: one press moves on to the
    // next entry with that letter, Return opens it.
    x.key("o", {"Alt_L"});
    x.key("a");
    x.key("Return");
    ASSERT_TRUE(x.focusWindow(" Archivio Estrazioni - Decaventrix", 10s));
    screenshot(display.name(), "e2e-frmUpdate");
    // The list has the focus, newest draw first: the second line is 70002.
    x.key("Down");
    x.key("Return");
    // The message is titled like the window.
    ASSERT_TRUE(x.waitForWindows(" Archivio Estrazioni - Decaventrix", 2, 10s));
    screenshot(display.name(), "e2e-winning-column");
    x.key("Return");
    ASSERT_TRUE(x.focusWindow(" Archivio Estrazioni - Decaventrix", 10s));
    x.key("s", {"Alt_L"});
    ASSERT_TRUE(x.focusWindow("Statistiche Archivio Estrazioni", 10s));
    x.key("i", {"Alt_L"}); // the delays
    screenshot(display.name(), "e2e-frmStatistiche");

    program.kill();
    program.waitForFinished(5000);

    EXPECT_EQ(scratch.read("archivio/stat.csv"),
              "Concorso;Data;Ora;P1;P2;P3;P4;P5;P6;P7;P8;P9;P10;Numerone;Ripetuti;Pari;Dispari;"
              "Consecutivi;Somma\r\n"
              "70003;09/12/2026;23:00;02;04;06;08;10;12;14;16;18;20;9;0;10;0;1;110\r\n"
              "70002;09/12/2026;22:00;01;03;05;07;09;11;13;15;17;19;7;5;0;10;1;100\r\n"
              "70001;09/12/2026;21:00;01;02;03;04;05;06;07;08;09;10;5;0;5;5;10;55\r\n");
}

} // namespace
} // namespace dvx
