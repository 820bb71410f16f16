#include "LongWorkGuard.h"

#include <QApplication>

namespace dvx {

LongWorkGuard::LongWorkGuard(QWidget* working) {
    const QWidget* keep = working != nullptr ? working->window() : nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != keep && window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            disabled_.emplace_back(window);
        }
    }
}

LongWorkGuard::~LongWorkGuard() {
    for (const auto& window : disabled_) {
        if (window) {
            window->setEnabled(true);
        }
    }
}

} // namespace dvx
