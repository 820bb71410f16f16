// The real desktop program adapts a shipped matrix from its window, driven
// from the keyboard under Xvfb: fifteen numbers, Operazioni > Adatta
// matrice, the first matrix of the list, no shuffle, save, leave; then the
// saved system holds the matrix's columns and keeps its guarantee.

#include "DesktopProgram.h"
#include "DesktopTest.h"
#include "Guarantee.h"
#include "MatricesIndex.h"
#include "NumberSet.h"
#include "ScratchFolder.h"
#include "SystemFile.h"
#include "XDriver.h"

#include <QCoreApplication>

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

TEST_F(DesktopSession, AdaptAMatrixFromItsWindowAndSave) {
    auto& x = *driver;

    // The shipped collection beside the program.
    test::ScratchFolder scratch;
    fs::copy(std::string(DVX_SOURCE_DIR) + "/data/matrici", scratch.folder() + "matrici");
    const auto records = readMatricesIndex(matricesIndexPath(scratch.folder()));
    ASSERT_TRUE(records.has_value());
    const auto fifteen = matchingRecords(*records, 15);
    ASSERT_FALSE(fifteen.empty());
    const auto& first = fifteen.front();
    ASSERT_EQ(first.fixed, 0) << "the first 15-number matrix asks for no fixed number";

    QProcess program;
    ASSERT_TRUE(test::startDesktopProgram(program, scratch, display.name()));
    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 30s));
    for (int i = 0; i < 15; ++i) {
        x.key("space");
        x.key("Right");
    }
    // Operazioni > Adatta matrice: the menu opens on its first entry ("a"
    // would move on to Archivio Estrazioni, which shares the letter).
    x.key("o", {"Alt_L"});
    x.key("Return");
    ASSERT_TRUE(x.focusWindow("Sistemi Immediati disponibili con 15 numeri", 10s));
    x.key("Return"); // adapts the first matrix, where the list opens
    // "Vuoi mescolare le colonne", titled with the program's name: No.
    ASSERT_TRUE(x.waitForWindows("Decaventrix", 2, 20s));
    x.key("Escape");

    ASSERT_TRUE(x.focusWindow("Decaventrix - Ver.", 10s));
    bool dialogShown = false;
    for (int attempt = 0; attempt < 10 && !dialogShown; ++attempt) {
        x.key("f", {"Alt_L"});
        x.key("c");
        dialogShown = x.focusWindow("Salva con nome", 2s);
    }
    ASSERT_TRUE(dialogShown);
    const auto saved = scratch.folder() + "sistemi/matrice.dvx";
    x.key("a", {"Control_L"});
    x.type(saved);
    x.key("Return");
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

    ASSERT_TRUE(fs::exists(saved));
    const auto read = parseSystemFile(readAll(saved));
    ASSERT_TRUE(read.ok());
    const auto& content = read.content;
    EXPECT_EQ(content.sistema.countInPlay, 15);
    EXPECT_EQ(content.sistema.columnCount, first.columns);
    EXPECT_EQ(content.sistema.typeText, matrixTypeText(first));
    EXPECT_NE(content.condizioni.ridottoOn, kFalse);
    const int level = matrixReductionLevel(first);
    EXPECT_EQ(content.condizioni.ridottoLevel, level);
    std::vector<NumberSet> columns;
    for (const auto& row : content.columns) {
        columns.push_back(setOfRow(row.data()));
    }
    const auto report = checkGuarantee(columns, (NumberSet{1} << 15) - 1, level);
    EXPECT_TRUE(report.holds) << report.uncoveredCount << " draws uncovered";
}

} // namespace
} // namespace dvx
