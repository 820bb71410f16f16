// decaventrix: the desktop program.

#include "AppState.h"
#include "frmMAIN.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    dvx::AppState app;
    dvx::frmMAIN window(app);
    window.show();
    return QApplication::exec();
}
