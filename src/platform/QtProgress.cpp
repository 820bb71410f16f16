#include "QtProgress.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace dvx {

QtProgress::QtProgress(const ProgressView& view)
    : window_(view.window), bar_(view.bar), alarm_(view.alarm) {
    sinceEvents_.start();
}

void QtProgress::runEvents() {
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void QtProgress::yield() {
    if (sinceEvents_.elapsed() >= kYieldIntervalMs) {
        runEvents();
    }
}

void QtProgress::setPercent(int percent) {
    if (bar_) {
        bar_->setValue(percent);
    }
    if (window_) {
        window_->repaint();
    }
}

void QtProgress::setCaption(std::string_view caption) {
    if (window_) {
        window_->setWindowTitle(qtText(caption));
    }
    runEvents();
}

void QtProgress::setAlarm(std::string_view text) {
    if (alarm_) {
        alarm_->setText(qtText(text));
    }
    runEvents();
}

} // namespace dvx
