#pragma once
// One running program per user and program folder: a second start asks the
// first to bring its main window to the front and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace dvx {

class QtSingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit QtSingleInstance(QString key, QObject* parent = nullptr);

    // Claims the key. False when another instance holds it; that instance
    // has then been asked to come to the front.
    bool claim();

signals:
    void raiseRequested();

private:
    bool askRunningToRaise() const;
    void answer();

    QString key_;
    QLocalServer server_;
};

} // namespace dvx
