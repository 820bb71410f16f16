// The real desktop program on an X display, driven from the keyboard
// through both checks: develop twelve numbers, refuse a single check without
// its Numerone and then run it, check the system against an archive file in
// the program folder and export the grid; the CSV must be the one the
// command line writes, and the desktop must have been asked to open it.

#include "ArchiveFile.h"
#include "CliRunner.h"
#include "DesktopTest.h"
#include "NumberSet.h"
#include "ScratchFolder.h"
#include "XDriver.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace dvx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Forty draws of the archive file, always the same.
std::string archiveBytes() {
    std::mt19937 random(10);
    std::vector<int> pool(kNumbers);
    for (int n = 1; n <= kNumbers; ++n) {
        pool[static_cast<std::size_t>(n - 1)] = n;
    }
    std::string bytes;
    for (int k = 1; k <= 40; ++k) {
        std::shuffle(pool.begin(), pool.end(), random);
        Estrazione draw{"10/12/2026", "1" + std::to_string(k % 10) + ":00", 5000 + k, 0,
                        static_cast<std::uint8_t>(pool[10])};
        for (int p = 0; p < kColumnSize; ++p) {
            draw.numeri |= maskOf(pool[static_cast<std::size_t>(p)]);
        }
        appendRecord(bytes, draw);
    }
    return bytes;
}

bool waitForFile(const fs::path& path, std::chrono::seconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (fs::exists(path) && fs::file_size(path) > 0) {
            return true;
        }
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

using CheckSession = test::DesktopTest;

TEST_F(CheckSession, SingleCheckArchiveCheckAndCsvExport) {
    auto& x = *driver;

    test::ScratchFolder scratch;
    const auto executable = scratch.folder() + "decaventrix";
    fs::copy_file(DVX_GUI_PATH, executable);
    scratch.write("impostazioni.cfg", "Sistema di prova\r\nStampante\r\n");
    const auto archive = scratch.write("archivio/decaventrix.dat", archiveBytes());
    // The desktop's "open" of the CSV lands in a stand-in that notes the file.
    const auto opener =
        scratch.write("bin/xdg-open", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\n");
    ::chmod(opener.c_str(), 0755);

    QProcess program;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromStdString(display.name()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("PATH", QString::fromStdString(scratch.folder() + "bin:") + env.value("PATH"));
    program.setProcessEnvironment(env);
    program.start(QString::fromStdString(executable), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // Numbers 1..12, developed: the 66 columns of the integral system.
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 30s));
    for (int i = 0; i < 12; ++i) {
        x.key("space");
        x.key("Right");
    }
    x.key("o", {"Alt_L"});
    x.key("e");

    // Operazioni > Spoglio, asked for until the development is over.
    bool shown = false;
    for (int attempt = 0; attempt < 10 && !shown; ++attempt) {
        ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
        x.key("o", {"Alt_L"});
        x.key("s");
        shown = x.waitForWindows("Spoglio", 1, 2s);
    }
    ASSERT_TRUE(shown);
    ASSERT_TRUE(x.focusWindow("Spoglio", 5s));
    // Ten numbers, Enter after each: the focus ends on the check button, and
    // Enter runs the check, which refuses the missing Numerone and puts the
    // focus in its field; with the Numerone typed the check goes through.
    for (const char* number : {"20", "18", "16", "14", "12", "10", "8", "6", "4", "2"}) {
        x.type(number);
        x.key("Return");
    }
    x.key("Return");
    ASSERT_TRUE(x.waitForWindows("Colonna Errata", 1, 5s));
    x.key("Return");
    ASSERT_TRUE(x.focusWindow("Spoglio", 5s));
    x.type("5");
    x.key("Return");
    x.key("Return");
    EXPECT_FALSE(x.waitForWindows("Colonna Errata", 1, 2s));
    x.key("Escape");

    // Operazioni > Spoglio Estrazioni over the whole archive, then the CSV
    // button, the one before the grid that holds the focus after a check.
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
    x.key("o", {"Alt_L"});
    x.key("r");
    ASSERT_TRUE(x.focusWindow("Spoglio Estrazioni", 10s));
    x.key("s", {"Alt_L"});
    std::this_thread::sleep_for(1s);
    x.key("Tab", {"Shift_L"});
    x.key("space");

    const auto csv = fs::path(scratch.folder()) / "csv" / "nuovo.csv";
    EXPECT_TRUE(waitForFile(csv, 10s));
    EXPECT_TRUE(waitForFile(scratch.file("bin/opened"), 10s));

    // File > Uscita, Yes.
    ASSERT_TRUE(x.focusWindow("Spoglio Estrazioni", 5s));
    x.key("Escape");
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
    x.key("f", {"Alt_L"});
    x.key("u");
    ASSERT_TRUE(x.waitForWindows("Decaventrix - Ver.", 2, 10s));
    x.key("Return");
    EXPECT_TRUE(program.waitForFinished(15000));
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(5000);
    }

    // The same check from the command line.
    const auto system = scratch.file("cli.dvx");
    const auto expected = scratch.file("cli.csv");
    ASSERT_EQ(
        test::runProgram(DVX_CLI_PATH, {"develop", "--numbers", "1-12", "--save", system}).status,
        0);
    ASSERT_EQ(test::runProgram(DVX_CLI_PATH,
                               {"check-archive", system, "--archive", archive, "--csv", expected})
                  .status,
              0);
    EXPECT_EQ(scratch.read("csv/nuovo.csv"), scratch.read("cli.csv"));
    EXPECT_EQ(scratch.read("bin/opened"), "file://" + csv.string() + "\n");
}

} // namespace
} // namespace dvx
