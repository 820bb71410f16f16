#pragma once
// Everything the program keeps for its whole run, owned by main and handed
// by reference to each window. Each subsystem adds its own record here.

#include "Archivio.h"
#include "Model.h"

#include <string>

namespace dvx {

struct AppState {
    std::string programFolder; // always ends with '/'
    SystemState system;
    Archivio archivio; // the draw archive, loaded at start-up
};

} // namespace dvx
