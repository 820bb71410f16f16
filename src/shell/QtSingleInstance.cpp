#include "QtSingleInstance.h"

#include "InstanceKey.h"

#include <QLocalSocket>

#include <utility>

namespace dvx {

namespace {

constexpr int kTimeoutMs = 2000;

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtSingleInstance::QtSingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &QtSingleInstance::answer);
}

bool QtSingleInstance::askRunningToRaise() const {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(kTimeoutMs)) {
        return false;
    }
    socket.write(bytes(kRaiseRequest));
    socket.waitForBytesWritten(kTimeoutMs);
    // Wait for the answer, so the first window is in front before this ends.
    socket.waitForReadyRead(kTimeoutMs);
    return true;
}

bool QtSingleInstance::claim() {
    if (askRunningToRaise()) {
        return false;
    }
    if (server_.listen(key_)) {
        return true;
    }
    // Another start may have claimed the key meanwhile; otherwise the key is
    // left over from a program that did not end normally.
    if (askRunningToRaise()) {
        return false;
    }
    QLocalServer::removeServer(key_);
    return server_.listen(key_);
}

void QtSingleInstance::answer() {
    while (auto* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == bytes(kRaiseRequest)) {
                    emit raiseRequested();
                    socket->write(bytes(kRaisedReply));
                    socket->flush();
                }
            }
        });
    }
}

} // namespace dvx
