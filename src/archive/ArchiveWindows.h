#pragma once
// The archive and statistics windows as the window hub opens them: modeless,
// one of each, raised when asked for again.

#include "WindowContext.h"

namespace dvx {

void openArchivio(WindowContext& context);
// Recomputes the statistics, then shows them.
void openStatistiche(WindowContext& context);

} // namespace dvx
