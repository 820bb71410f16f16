// decaventrix: the desktop program.

#include "AppState.h"
#include "ArchiveFile.h"
#include "InstanceKey.h"
#include "ProgramInfo.h"
#include "ProgramLocation.h"
#include "ProgramPaths.h"
#include "QtItalianTexts.h"
#include "QtPlatform.h"
#include "QtSingleInstance.h"
#include "frmMAIN.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <filesystem>

namespace {

// The check for a newer program version belongs to its own subsystem; until
// it is part of the program, start-up goes on as when no newer version exists.
void checkForNewVersion() {}

// Lets the event loop run for ms milliseconds, or until the splash closes.
void timedWait(int ms, const QPointer<QWidget>& splash) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && splash && splash->isVisible()) {
        QThread::msleep(4);
        QCoreApplication::processEvents();
    }
}

std::filesystem::path fromQt(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(dvx::kProgramTitle.data(), dvx::kProgramTitle.size()));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    // The installed desktop entry and icon theme name the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("decaventrix"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("decaventrix")));
    dvx::installItalianQtTexts(application);

    dvx::AppState app;
    const auto location = dvx::locateProgram(
        fromQt(QCoreApplication::applicationDirPath()),
        fromQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    dvx::prepareProgramFolder(location.folder, location.shippedData);
    app.programFolder = dvx::programFolderText(location.folder);

    const auto user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    dvx::QtSingleInstance instance(
        QString::fromStdString(dvx::instanceKey(app.programFolder, user.toStdString())));
    if (!instance.claim()) {
        return 0;
    }

    dvx::QtPlatform platform(QApplication::applicationName());

    // Closing the splash early must not end the program before the main
    // window shows.
    QApplication::setQuitOnLastWindowClosed(false);
    QPointer<QWidget> splash = new dvx::frmSplash;
    splash->show();
    splash->activateWindow(); // so a key closes it too
    QCoreApplication::processEvents();

    checkForNewVersion();

    dvx::frmMAIN window(app, platform);
    platform.setDialogParent(&window);
    QObject::connect(&instance, &dvx::QtSingleInstance::raiseRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.showNormal();
        window.raise();
        window.activateWindow();
    });

    timedWait(1000, splash);
    if (splash) {
        splash->close();
    }
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    window.show();
    QApplication::setQuitOnLastWindowClosed(true);
    window.resetSystem(false);
    dvx::LoadArchivioDVX(dvx::archivePath(app.programFolder), app.archivio, platform);
    return QApplication::exec();
}
