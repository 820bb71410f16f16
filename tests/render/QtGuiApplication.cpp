// One Qt GUI application object for the whole test program: fonts and
// painting need it (offscreen platform).

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtGuiApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        // No display is needed to draw into files.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test_render";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtGuiApplicationEnvironment);

} // namespace
