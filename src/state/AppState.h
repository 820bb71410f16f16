#pragma once
// Everything the program keeps for its whole run, owned by main and handed
// by reference to each window. Each subsystem adds its own record here.

#include "Archivio.h"
#include "Calibration.h"
#include "Model.h"
#include "ServerAddress.h"
#include "Settings.h"
#include "WinningColumn.h"

#include <string>

namespace dvx {

struct AppState {
    std::string programFolder; // always ends with '/'
    SystemState system;
    Archivio archivio;                                // the draw archive, loaded at start-up
    std::string serverAddress{kDefaultServerAddress}; // the vendor's web server
    Settings settings;       // impostazioni.cfg, read when the main window loads
    Calibration calibration; // print.cfg, read by the slip and calibration windows
    WinningColumn winning;   // the single check's winning column
};

} // namespace dvx
