#pragma once
// What the print windows' tests share: a program folder of their own, the
// recording platform and printer, a system of n columns, and finding
// controls and windows.

#include "AppState.h"
#include "Calibration.h"
#include "RecordingPlatform.h"
#include "RecordingPrinter.h"
#include "ScratchFolder.h"
#include "WindowTestTools.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace dvx::test {

struct PrintFixture {
    ScratchFolder folder;
    std::unique_ptr<AppState> app = std::make_unique<AppState>();
    RecordingPlatform platform;
    RecordingPrinter printer;

    PrintFixture() {
        app->programFolder = folder.folder();
        printer.printers = {"Ufficio", "Cantina"};
        app->system.fileName = "prova.dvx";
    }
    // n columns, the odd numbers in each.
    void columns(int n) {
        auto& system = app->system;
        system.sistema.columnCount = n;
        system.developedMark = n > 0 ? kDeveloped : 0;
        const std::uint8_t odd[] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
        for (int k = 1; k <= n; ++k) {
            std::copy(std::begin(odd), std::end(odd), system.colonne.row(k));
        }
        system.sistema.countInPlay = 10;
        for (int i = 0; i < 10; ++i) {
            system.sistema.numbers[static_cast<std::size_t>(i)] = odd[i];
        }
    }
    void storeCalibration(const Calibration& c) {
        folder.write("print.cfg", calibrationBytes(c, ""));
    }
    // The program's own pictures in the folder "images".
    void shipImages() {
        namespace fs = std::filesystem;
        fs::create_directories(folder.file("images"));
        for (const auto& e : fs::directory_iterator(fs::path(DVX_SOURCE_DIR) / "data/images")) {
            fs::copy_file(e.path(), folder.file("images/" + e.path().filename().string()));
        }
    }
};

// The visible top-level window of that object name, if any.
inline QWidget* openWindow(const QString& name) {
    for (auto* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

} // namespace dvx::test
