#include "MatricesWindows.h"

#include "AppState.h"
#include "ModelessWindows.h"
#include "Platform.h"
#include "frmAdatta.h"
#include "frmMatDisp.h"

namespace dvx {

void openAdatta(WindowContext& context) {
    context.platform.setBusy(true);
    // No parent: a window over a disabled main window would be disabled too.
    auto* window = new frmAdatta(context.app, context.platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    context.platform.setBusy(false);
    if (window->emptyList()) {
        delete window;
        return;
    }
    window->onAdapted = context.systemChanged;
    window->show();
    window->raise();
    window->activateWindow();
}

void openMatDisp(WindowContext& context) {
    context.modeless.openOrRaise<frmMatDisp>(QStringLiteral("frmMatDisp"),
                                             [&] { return new frmMatDisp(context.app); });
}

} // namespace dvx
