#include "NewVersion.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace dvx {
namespace {

struct ReplyCase {
    const char* name;
    const char* reply;
    std::optional<NewVersionOffer> offer;
    const char* message; // "" for none
    bool fileKept;
};

class NewVersionReply : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(NewVersionReply, DecidesShowsAndCleansUp) {
    const auto& c = GetParam();
    test::ScratchFolder scratch;
    const auto file = scratch.write("dvxlocver.txt", c.reply);
    test::RecordingPlatform platform;
    EXPECT_EQ(NewVersion("1.2.3", file, platform), c.offer);
    if (*c.message == '\0') {
        EXPECT_TRUE(platform.messages.empty());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.lastMessage().text, c.message);
        EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    }
    EXPECT_EQ(std::filesystem::exists(file), c.fileKept);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, NewVersionReply,
    ::testing::Values(
        ReplyCase{"Same", "1.2.3\r\n", std::nullopt, "", false},
        ReplyCase{"SecondPartDecides", "1.10.0\r\nnote\r\n", NewVersionOffer{"1.2.3", "1.10.0"}, "",
                  true},
        ReplyCase{"LocalNewer", "1.1.9", std::nullopt, "", false},
        ReplyCase{"ShorterButDecided", "1.3\n", NewVersionOffer{"1.2.3", "1.3"}, "", true},
        ReplyCase{"MissingPart", "1.2\r\n", std::nullopt,
                  "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo", true},
        ReplyCase{"ExtraPartIgnored", "1.2.3.7", std::nullopt, "", false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(NewVersion, UnreadableFileShowsTheProcedureError) {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    EXPECT_EQ(NewVersion("1.2.3", scratch.file("dvxlocver.txt"), platform), std::nullopt);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 53 (File not found) in procedure NewVersion of Modulo corpo");
}

TEST(NewVersion, FileLivesInTheTemporaryFolder) {
    const auto path = versionFilePath();
    EXPECT_TRUE(path.ends_with("/dvxlocver.txt")) << path;
    EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::temp_directory_path());
}

} // namespace
} // namespace dvx
