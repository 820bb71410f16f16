#pragma once
// What a window opened from the main window is handed: the program's state,
// the platform to ask the user through, the main window (owner of modal
// dialogs) and the registry of modeless windows.

#include <functional>

class QWidget;

namespace dvx {

struct AppState;
class Platform;
class ModelessWindows;

struct WindowContext {
    AppState& app;
    Platform& platform;
    QWidget* mainWindow;
    ModelessWindows& modeless;
    // The main window shows the system again (state, status bar, check
    // marks) after a window changed it, for example by adapting a matrix.
    std::function<void()> systemChanged;
};

} // namespace dvx
