// The real desktop program on an X display, driven from the keyboard: pick
// twelve numbers, switch the sum condition on, develop, save under a typed
// name, leave; then read what landed on disk.

#include "DesktopProgram.h"
#include "DesktopTest.h"
#include "ScratchFolder.h"
#include "SumCount.h"
#include "SystemFile.h"
#include "XDriver.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace dvx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

using DesktopSession = test::DesktopTest;

TEST_F(DesktopSession, PickConditionDevelopSaveAndLeave) {
    auto& x = *driver;

    test::ScratchFolder scratch;
    QProcess program;
    ASSERT_TRUE(test::startDesktopProgram(program, scratch, display.name()));

    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 30s));
    // The number grid has the focus: Space picks, Right moves on.
    for (int i = 0; i < 12; ++i) {
        x.key("space");
        x.key("Right");
    }
    // Condizioni > Somma: switch ON, range 60..66.
    x.key("c", {"Alt_L"});
    x.key("s");
    ASSERT_TRUE(x.focusWindow("  Somma", 10s));
    x.key("Tab", {"Shift_L"}); // back to the ON option
    x.key("space");
    x.key("Tab");
    x.type("60");
    x.key("Tab");
    x.type("66");
    x.key("Escape");
    // Operazioni > Elabora, then File > Salva come... with a typed name.
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
    x.key("o", {"Alt_L"});
    x.key("e");
    // Keys that arrive while the development runs meet a disabled window and
    // are dropped, so ask for the save dialog until it shows.
    bool dialogShown = false;
    for (int attempt = 0; attempt < 10 && !dialogShown; ++attempt) {
        x.key("f", {"Alt_L"});
        x.key("c");
        dialogShown = x.focusWindow("Salva con nome", 2s);
    }
    ASSERT_TRUE(dialogShown);
    const auto saved = scratch.folder() + "sistemi/prova.dvx";
    x.key("a", {"Control_L"}); // replace whatever a late key may have typed
    x.type(saved);
    x.key("Return");
    // File > Uscita, and Yes to "Uscire dall'applicazione?", a box titled
    // like the main window.
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
    x.key("f", {"Alt_L"});
    x.key("u");
    ASSERT_TRUE(x.waitForWindows("Decaventrix - Ver.", 2, 10s));
    x.key("Return");
    EXPECT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitCode(), 0);
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(5000);
    }

    ASSERT_TRUE(fs::exists(saved));
    const auto read = parseSystemFile(readAll(saved));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.content.sistema.countInPlay, 12);
    EXPECT_NE(read.content.condizioni.sommaOn, kFalse);
    EXPECT_EQ(read.content.condizioni.somma[0], 60);
    EXPECT_EQ(read.content.condizioni.somma[1], 66);
    EXPECT_EQ(read.content.sistema.typeText, "Condizionato");
    EXPECT_EQ(read.content.sistema.columnCount, test::columnsOf12WithSumIn(60, 66));
}

} // namespace
} // namespace dvx
