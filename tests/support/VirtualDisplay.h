#pragma once
// A virtual X display of the test's own (Xvfb at 1366x768), closed with the
// test; name() is empty when no X server can be started.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace dvx::test {

class VirtualDisplay final {
public:
    VirtualDisplay() {
        const auto server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty()) {
            return;
        }
        for (int n = 60 + ::getpid() % 200, tries = 0; tries < 20; ++n, ++tries) {
            if (std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock")) {
                continue;
            }
            process_.start(server, {QStringLiteral(":%1").arg(n), "-screen", "0", "1366x768x24",
                                    "-nolisten", "tcp"});
            const auto socket = "/tmp/.X11-unix/X" + std::to_string(n);
            for (int wait = 0; wait < 100 && process_.state() != QProcess::NotRunning; ++wait) {
                if (std::filesystem::exists(socket)) {
                    name_ = ":" + std::to_string(n);
                    return;
                }
                QThread::msleep(50);
            }
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    ~VirtualDisplay() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    const std::string& name() const { return name_; }

private:
    QProcess process_;
    std::string name_;
};

} // namespace dvx::test
