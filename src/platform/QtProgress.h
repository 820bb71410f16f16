#pragma once
// Progress of long work shown in a progress dialog, letting the event loop
// run so the window stays responsive and its cancel button can act.

#include "Progress.h"

#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QProgressBar;
class QWidget;

namespace dvx {

// The parts of a progress dialog this progress writes to.
struct ProgressView {
    QWidget* window = nullptr; // its caption follows setCaption
    QProgressBar* bar = nullptr;
    QLabel* alarm = nullptr;
};

class QtProgress final : public Progress {
public:
    explicit QtProgress(const ProgressView& view);

    // Runs the event loop, unless it ran less than kYieldInterval ago, so a
    // loop that yields per column stays fast.
    void yield() override;
    void setPercent(int percent) override;
    void setCaption(std::string_view caption) override;
    void setAlarm(std::string_view text) override;

    static constexpr qint64 kYieldIntervalMs = 15;

private:
    void runEvents();

    QPointer<QWidget> window_;
    QPointer<QProgressBar> bar_;
    QPointer<QLabel> alarm_;
    QElapsedTimer sinceEvents_;
};

} // namespace dvx
