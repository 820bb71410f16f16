#include "ArchiveWindows.h"

#include "AppState.h"
#include "ModelessWindows.h"
#include "frmStatistiche.h"
#include "frmUpdate.h"

namespace dvx {

void openArchivio(WindowContext& context) {
    context.modeless.openOrRaise<frmUpdate>(QStringLiteral("frmUpdate"),
                                            [&context] { return new frmUpdate(context); });
}

void openStatistiche(WindowContext& context) {
    auto* window =
        context.modeless.openOrRaise<frmStatistiche>(QStringLiteral("frmStatistiche"), [&context] {
            return new frmStatistiche(context.app, context.platform);
        });
    window->refreshStat();
}

} // namespace dvx
