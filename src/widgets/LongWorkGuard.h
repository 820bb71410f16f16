#pragma once
// Long work runs on the UI thread and lets the event loop run; meanwhile no
// other window may change what it reads (the system, the archive, the winning
// column). While the guard lives, every top-level window but the working one
// (and the windows opened after the guard, such as its progress dialog) is
// disabled; the guard enables again exactly those it disabled.

#include <QPointer>
#include <QWidget>

#include <vector>

namespace dvx {

class LongWorkGuard final {
public:
    explicit LongWorkGuard(QWidget* working);
    ~LongWorkGuard();
    LongWorkGuard(const LongWorkGuard&) = delete;
    LongWorkGuard& operator=(const LongWorkGuard&) = delete;

private:
    std::vector<QPointer<QWidget>> disabled_;
};

} // namespace dvx
