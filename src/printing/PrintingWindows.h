#pragma once
// The slip window as the window hub opens it: the main window rests while it
// is open and comes back when it closes.

#include "WindowContext.h"

namespace dvx {

void openStampa(WindowContext& context);

} // namespace dvx
