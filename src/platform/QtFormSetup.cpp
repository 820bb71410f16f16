#include "QtFormSetup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace dvx {

void centreOnScreen(QWidget& window) {
    const auto* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const auto area = screen->availableGeometry();
    const auto size = window.frameGeometry().size().isValid() && window.isVisible()
                          ? window.frameGeometry().size()
                          : window.size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

} // namespace dvx
