#include "ConditionWindows.h"

#include "AppState.h"
#include "frmConsecutivi.h"
#include "frmFiltri.h"
#include "frmFisse.h"
#include "frmPari.h"
#include "frmRidotto.h"
#include "frmSomma.h"

namespace dvx {

namespace {

template <class Dialog> void runConditionDialog(WindowContext& context) {
    Dialog dialog(context.app.system, context.platform, context.mainWindow);
    dialog.exec();
    if (context.systemChanged) {
        context.systemChanged();
    }
}

} // namespace

void openFiltri(WindowContext& context) {
    runConditionDialog<frmFiltri>(context);
}
void openConsecutivi(WindowContext& context) {
    runConditionDialog<frmConsecutivi>(context);
}
void openFisse(WindowContext& context) {
    runConditionDialog<frmFisse>(context);
}
void openPari(WindowContext& context) {
    runConditionDialog<frmPari>(context);
}
void openSomma(WindowContext& context) {
    runConditionDialog<frmSomma>(context);
}
void openRidotto(WindowContext& context) {
    runConditionDialog<frmRidotto>(context);
}

} // namespace dvx
