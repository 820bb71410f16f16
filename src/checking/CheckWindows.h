#pragma once
// The checking windows as the window hub opens them: modeless, one of each,
// and only for a developed system (otherwise the command does nothing).

#include "WindowContext.h"

namespace dvx {

void openSpoglio(WindowContext& context);
void openSpoglioEstrazioni(WindowContext& context);

} // namespace dvx
