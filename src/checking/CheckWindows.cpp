#include "CheckWindows.h"

#include "AppState.h"
#include "ModelessWindows.h"
#include "frmSpoglio.h"
#include "frmSpoglioEstrazioni.h"

namespace dvx {

void openSpoglio(WindowContext& context) {
    if (!context.app.system.developed()) {
        return;
    }
    context.modeless.openOrRaise<frmSpoglio>(QStringLiteral("frmSpoglio"), [&] {
        return new frmSpoglio(context.app, context.platform);
    });
}

void openSpoglioEstrazioni(WindowContext& context) {
    if (!context.app.system.developed()) {
        return;
    }
    context.modeless.openOrRaise<frmSpoglioEstrazioni>(QStringLiteral("frmSpoglioEstrazioni"), [&] {
        return new frmSpoglioEstrazioni(context.app, context.platform);
    });
}

} // namespace dvx
