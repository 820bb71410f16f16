#include "frmMAIN.h"

#include "AppState.h"

namespace dvx {

frmMAIN::frmMAIN(AppState& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName("frmMAIN");
    setWindowTitle("Decaventrix");
    resize(900, 600);
}

} // namespace dvx
