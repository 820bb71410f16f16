#include "ModelessWindows.h"

#include <QMetaObject>

namespace dvx {

QWidget* ModelessWindows::find(const QString& name) const {
    const auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.data();
}

void ModelessWindows::refreshAll() const {
    for (const auto& [name, window] : windows_) {
        if (window && window->metaObject()->indexOfMethod("refreshFromState()") >= 0) {
            QMetaObject::invokeMethod(window.data(), "refreshFromState");
        }
    }
}

void ModelessWindows::closeAll() {
    for (auto& [name, window] : windows_) {
        if (window) {
            window->close();
        }
    }
}

void ModelessWindows::raise(QWidget* window) {
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

} // namespace dvx
