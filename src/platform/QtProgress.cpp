#include "QtProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace dvx {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

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
        window_->setWindowTitle(fromUtf8(caption));
    }
    runEvents();
}

void QtProgress::setAlarm(std::string_view text) {
    if (alarm_) {
        alarm_->setText(fromUtf8(text));
    }
    runEvents();
}

} // namespace dvx
