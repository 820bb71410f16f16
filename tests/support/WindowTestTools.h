#pragma once
// What the condition dialogs' window tests share: a system with numbers in
// play, the colours a control shows, and a mouse sweep across labels.

#include "AppState.h"
#include "RecordingPlatform.h"
#include "SystemOps.h"

#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <initializer_list>
#include <memory>
#include <vector>

namespace dvx::test {

struct DialogFixture {
    std::unique_ptr<AppState> app = std::make_unique<AppState>();
    RecordingPlatform platform;

    SystemState& system() { return app->system; }
    void play(std::initializer_list<int> numbers) {
        for (const int n : numbers) {
            selectNumber(app->system, n, true);
        }
        rebuildNumbersInPlay(app->system);
    }
    void playRange(int from, int to) {
        for (int n = from; n <= to; ++n) {
            selectNumber(app->system, n, true);
        }
        rebuildNumbersInPlay(app->system);
    }
};

template <class Dialog> Dialog* child(QWidget& dialog, const QString& name) {
    auto* found = dialog.findChild<Dialog*>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

inline QLabel* label(QWidget& dialog, const char* array, int index) {
    return child<QLabel>(dialog, QStringLiteral("%1_%2").arg(array).arg(index));
}

// The colour just inside the left edge (labels) or the right edge (option
// buttons, whose text starts on the left), away from the text.
inline QColor backgroundOf(QWidget* widget) {
    const auto image = widget->grab().toImage();
    const int x = qobject_cast<QRadioButton*>(widget) != nullptr ? image.width() - 4 : 4;
    return image.pixelColor(x, image.height() / 2);
}

// True when some pixel shows exactly this colour (the core of a glyph does).
inline bool showsColour(QWidget* widget, const QColor& colour) {
    const auto image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

inline bool tagged(const QLabel* label) {
    return label->property("tag").toString() == "1";
}

// Presses on the first label, moves across the others in small steps (so
// the pointer also crosses the gaps between them) and releases.
inline void sweep(const std::vector<QLabel*>& path) {
    auto* area = path.front()->parentWidget();
    QTest::mousePress(area, Qt::LeftButton, {}, path.front()->geometry().center());
    for (std::size_t i = 1; i < path.size(); ++i) {
        const auto from = path[i - 1]->geometry().center();
        const auto to = path[i]->geometry().center();
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(area, from + (to - from) * step / 4);
        }
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, path.back()->geometry().center());
}

inline void click(QLabel* label) {
    sweep({label});
}

inline const QColor kYellowColour(255, 255, 0);
inline const QColor kRedColour(255, 0, 0);
inline const QColor kBlueColour(0, 0, 255);
inline const QColor kWhiteColour(255, 255, 255);
inline const QColor kBlackColour(0, 0, 0);

} // namespace dvx::test
