// An update that fails unexpectedly, away from the network: the window's
// catch-all message, and nothing of the archive or its file changed.

#include "ArchiveFile.h"
#include "ArchiveFixtures.h"
#include "ArchiveUpdate.h"
#include "Downloader.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace dvx {
namespace {

class ThrowingDownloader final : public Downloader {
public:
    explicit ThrowingDownloader(std::function<void()> fail) : fail_(std::move(fail)) {}
    DownloadResult download(const std::string&, const std::string&) override {
        fail_();
        return {};
    }

private:
    std::function<void()> fail_;
};

struct FailureCase {
    const char* name;
    std::function<void()> fail;
    const char* message;
};

class UnexpectedUpdateFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(UnexpectedUpdateFailure, ShowsTheCatchAllMessageAndChangesNothing) {
    const auto& c = GetParam();
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    scratch.write("archivio/.keep", "");
    const auto archivePath = scratch.file("archivio/decaventrix.dat");
    const Archivio old = test::archiveOf(
        {test::draw("01/01/2026", "08:00", 1, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 9)});
    ASSERT_TRUE(SaveDVXArchive(archivePath, old, platform));
    const auto oldBytes = scratch.read("archivio/decaventrix.dat");
    ThrowingDownloader downloader(c.fail);
    const UpdateRequest request{"http://127.0.0.1/public/decavx/archivio.asp",
                                scratch.file("download.dat"), archivePath,
                                frmUpdateCaption("Decaventrix"), "Decaventrix"};
    Archivio archivio = old;

    EXPECT_EQ(updateArchive(archivio, request, downloader, platform), UpdateOutcome::Failed);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, c.message);
    EXPECT_EQ(platform.lastMessage().title, "");
    EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    EXPECT_EQ(platform.lastMessage().buttons, Buttons::Ok);
    EXPECT_FALSE(archiveChanged(UpdateOutcome::Failed));
    EXPECT_EQ(archivio, old);
    EXPECT_EQ(scratch.read("archivio/decaventrix.dat"), oldBytes);
    EXPECT_EQ(platform.busyDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnexpectedUpdateFailure,
    ::testing::Values(
        FailureCase{"OutOfMemory", [] { throw std::bad_alloc(); },
                    "Error 7 (Out of memory) \r\nlast DLL ( 0 ) source ( Decaventrix ) \r\n"
                    "in procedure cmdUpdate_Click of Form frmUpdate"},
        FailureCase{"AnyOtherError", [] { throw std::runtime_error("boom"); },
                    "Error 5 (Invalid procedure call or argument) \r\nlast DLL ( 0 ) source ( "
                    "Decaventrix ) \r\nin procedure cmdUpdate_Click of Form frmUpdate"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dvx
