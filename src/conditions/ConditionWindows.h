#pragma once
// The condition dialogs as the window hub opens them: modal over the main
// window, which shows the condition's check mark again when one closes.

#include "WindowContext.h"

namespace dvx {

void openFiltri(WindowContext& context);
void openConsecutivi(WindowContext& context);
void openFisse(WindowContext& context);
void openPari(WindowContext& context);
void openSomma(WindowContext& context);
void openRidotto(WindowContext& context);

} // namespace dvx
