#pragma once
// The version subsystem's windows: the about box as the window hub opens it,
// and the announcement of a newer version at start-up.

#include "NewVersion.h"
#include "WindowContext.h"

#include <optional>
#include <string>

namespace dvx {

class Platform;

void openAbout(WindowContext& context);

// Shows frmNewVersion, modal, when the check offers a newer version. True
// when it was shown: the program then ends.
bool announceNewVersion(const std::optional<NewVersionOffer>& offer, Platform& platform,
                        const std::string& serverAddress);

} // namespace dvx
