#include "PrintingWindows.h"

#include "frmStampa.h"

#include <QPointer>
#include <QWidget>

namespace dvx {

void openStampa(WindowContext& context) {
    if (context.printer == nullptr) {
        return;
    }
    // A window of its own, so it stays usable while the main window rests.
    auto* window = new frmStampa(context.app, context.platform, *context.printer, nullptr);
    QPointer<QWidget> main = context.mainWindow;
    if (main) {
        main->setEnabled(false);
    }
    QObject::connect(window, &frmStampa::closed, [main] {
        if (main) {
            main->setEnabled(true);
            main->activateWindow();
        }
    });
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace dvx
