#pragma once
// Starts a copy of the desktop program on an X display, in a scratch folder
// that becomes its program folder.

#include "ScratchFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <filesystem>
#include <string>

namespace dvx::test {

inline bool startDesktopProgram(QProcess& program, const ScratchFolder& folder,
                                const std::string& display) {
    const auto executable = folder.folder() + "decaventrix";
    std::filesystem::copy_file(DVX_GUI_PATH, executable);
    // Not a first start: the settings file is there, so no message about it.
    folder.write("impostazioni.cfg", "Sistema di prova\r\nStampante\r\n");
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    program.setProcessEnvironment(env);
    program.start(QString::fromStdString(executable), {});
    return program.waitForStarted(10000);
}

} // namespace dvx::test
