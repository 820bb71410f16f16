#include "ReportWindows.h"

#include "frmImpostazioni.h"
#include "frmTabulato.h"

namespace dvx {

void openImpostazioni(WindowContext& context) {
    if (context.printer != nullptr) {
        editSettings(context.app, context.platform, *context.printer, context.mainWindow);
    }
}

void openTabulato(WindowContext& context) {
    if (context.printer != nullptr) {
        frmTabulato dialog(context.app, context.platform, *context.printer, context.mainWindow);
        dialog.exec();
    }
}

} // namespace dvx
