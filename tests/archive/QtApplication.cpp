// One Qt application object for the whole test program: the downloads run
// their replies through its event loop.

#ifdef DVX_HAVE_QT_NETWORK

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test_archive";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace

#endif
