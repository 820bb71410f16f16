#pragma once
// The modeless windows of the program (single check, archive check, archive,
// statistics, matrices list): each is opened once and raised when asked for
// again, and deleted when the user closes it. The registry holds guarded
// pointers, so a closed window never leaves a dangling one behind.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>

namespace dvx {

class ModelessWindows final {
public:
    // The window registered under name, raised; made by make() (a new
    // top-level QWidget of type W) and shown when none is open.
    template <class W, class Make> W* openOrRaise(const QString& name, Make make) {
        if (auto* open = qobject_cast<W*>(find(name))) {
            raise(open);
            return open;
        }
        W* window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(name);
        windows_[name] = window;
        window->show();
        raise(window);
        return window;
    }

    // The open window registered under name, or nullptr.
    QWidget* find(const QString& name) const;

    // Asks every open window to show the shared state again (its public
    // slot refreshFromState(), when it has one): after the winning column,
    // the archive or the system changed elsewhere.
    void refreshAll() const;

    // Closes every open window (at shutdown).
    void closeAll();

private:
    static void raise(QWidget* window);

    std::map<QString, QPointer<QWidget>> windows_;
};

} // namespace dvx
