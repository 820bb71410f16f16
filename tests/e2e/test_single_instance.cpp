// Two real starts of the desktop program in one program folder: the second
// hands over to the first and ends.

#include "InstanceKey.h"
#include "ScratchFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>

namespace dvx {
namespace {

namespace fs = std::filesystem;

// A copy of the program in a folder of its own: that folder becomes its
// program folder, away from any other running copy.
class ProgramCopy {
public:
    ProgramCopy() {
        executable_ = scratch_.folder() + "decaventrix";
        fs::copy_file(DVX_GUI_PATH, executable_);
        fs::permissions(executable_, fs::perms::owner_all, fs::perm_options::add);
    }
    QString executable() const { return QString::fromStdString(executable_); }
    std::string folder() const { return scratch_.folder(); }
    QString key() const {
        const auto user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
        return QString::fromStdString(instanceKey(folder(), user.toStdString()));
    }

private:
    test::ScratchFolder scratch_;
    std::string executable_;
};

QProcessEnvironment offscreen() {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps allocations until exit; a sanitizer build must not fail on them.
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    return env;
}

// Sends a raise request as a second start does; returns the reply.
QByteArray askToRaise(const QString& key) {
    QLocalSocket socket;
    socket.connectToServer(key);
    if (!socket.waitForConnected(1000)) {
        return {};
    }
    socket.write(QByteArray(kRaiseRequest.data(), kRaiseRequest.size()));
    socket.waitForBytesWritten(1000);
    socket.waitForReadyRead(5000);
    return socket.readAll();
}

TEST(SingleInstance, SecondStartHandsOverAndEnds) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    ProgramCopy copy;

    QProcess first;
    first.setProcessEnvironment(offscreen());
    first.start(copy.executable(), {});
    ASSERT_TRUE(first.waitForStarted(10000));

    // The first start answers once it is up (splash wait included).
    QByteArray reply;
    QElapsedTimer waited;
    waited.start();
    while (reply.isEmpty() && waited.elapsed() < 30000 && first.state() == QProcess::Running) {
        reply = askToRaise(copy.key());
        if (reply.isEmpty()) {
            QThread::msleep(100);
        }
    }
    EXPECT_EQ(reply.toStdString(), std::string(kRaisedReply));
    // The program folder was set up beside the program.
    for (const char* name : {"sistemi", "txt", "archivio", "csv", "matrici", "images"}) {
        EXPECT_TRUE(fs::is_directory(copy.folder() + name)) << name;
    }

    QProcess second;
    second.setProcessEnvironment(offscreen());
    second.start(copy.executable(), {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    // The first is still the one answering.
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(askToRaise(copy.key()).toStdString(), std::string(kRaisedReply));

    first.kill();
    first.waitForFinished(10000);
}

TEST(SingleInstance, StartsAfterAProgramThatDidNotEndNormally) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    ProgramCopy copy;
    for (int run = 0; run < 2; ++run) {
        QProcess program;
        program.setProcessEnvironment(offscreen());
        program.start(copy.executable(), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        QByteArray reply;
        QElapsedTimer waited;
        waited.start();
        while (reply.isEmpty() && waited.elapsed() < 30000 &&
               program.state() == QProcess::Running) {
            reply = askToRaise(copy.key());
            if (reply.isEmpty()) {
                QThread::msleep(100);
            }
        }
        EXPECT_EQ(reply.toStdString(), std::string(kRaisedReply)) << "run " << run;
        program.kill(); // leaves its key behind
        program.waitForFinished(10000);
    }
}

} // namespace
} // namespace dvx
