#pragma once
// The settings and listing dialogs as the window hub opens them, modal over
// the main window.

#include "WindowContext.h"

namespace dvx {

// The settings dialog, then the settings read again.
void openImpostazioni(WindowContext& context);
void openTabulato(WindowContext& context);

} // namespace dvx
