#pragma once
// What every whole-program run under X needs: a Qt core application for the
// test's own processes, a virtual display of its own, and the X driver that
// types and finds windows there. Without Xvfb or the X test extension the
// test says so and is skipped.

#include "VirtualDisplay.h"
#include "XDriver.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <optional>

namespace dvx::test {

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (display.name().empty()) {
            GTEST_SKIP() << "no X server to run the desktop program on";
        }
        driver.emplace(display.name());
        if (!driver->ready()) {
            GTEST_SKIP() << "no X test extension library";
        }
    }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    VirtualDisplay display;
    std::optional<XDriver> driver;
};

} // namespace dvx::test
