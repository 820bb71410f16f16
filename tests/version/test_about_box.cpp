#include "AboutBox.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

namespace dvx {
namespace {

TEST(AboutBox, Texts) {
    const auto texts = aboutTexts("Decaventrix", "1.2.3", "Freeware", "https://example.org/");
    EXPECT_EQ(texts.caption, "Informazioni su Decaventrix");
    EXPECT_EQ(texts.title, "Decaventrix");
    EXPECT_EQ(texts.version, "Versione 1.2.3");
    EXPECT_EQ(texts.description, "Versione Freeware");
    EXPECT_EQ(texts.url, "https://example.org/");
}

struct ToolCase {
    const char* name;
    const char* path;
    std::set<std::string> installed;
    std::optional<SystemInfoTool> expected;
};

class FindSystemInfoTool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(FindSystemInfoTool, TakesTheFirstKnownToolOnThePath) {
    const auto& c = GetParam();
    const auto found = findSystemInfoTool(
        c.path, [&](const std::filesystem::path& file) { return c.installed.contains(file); });
    EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindSystemInfoTool,
    ::testing::Values(ToolCase{"NoneInstalled", "/usr/bin:/bin", {"/usr/bin/ls"}, std::nullopt},
                      ToolCase{"EmptyPath", "", {"kinfocenter"}, std::nullopt},
                      ToolCase{"Gnome",
                               "/usr/local/bin:/usr/bin",
                               {"/usr/bin/gnome-control-center"},
                               SystemInfoTool{"/usr/bin/gnome-control-center", {"info-overview"}}},
                      ToolCase{"PreferenceBeatsPathOrder",
                               "/usr/local/bin::/usr/bin",
                               {"/usr/local/bin/hardinfo", "/usr/bin/kinfocenter"},
                               SystemInfoTool{"/usr/bin/kinfocenter", {}}},
                      ToolCase{"EarlierFolderWins",
                               "/opt/bin:/usr/bin:",
                               {"/opt/bin/hardinfo", "/usr/bin/hardinfo"},
                               SystemInfoTool{"/opt/bin/hardinfo", {}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FindSystemInfoTool, OnlyRunnableFilesCount) {
    test::ScratchFolder scratch;
    const auto plain = scratch.write("a/kinfocenter", "#!/bin/sh\n");
    const auto runnable = scratch.write("b/hardinfo", "#!/bin/sh\n");
    ::chmod(runnable.c_str(), 0755);
    std::filesystem::create_directories(scratch.file("c/lshw-gtk"));
    const auto path = scratch.file("a") + ":" + scratch.file("c") + ":" + scratch.file("b");
    const auto found = findSystemInfoTool(path);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, runnable);
}

} // namespace
} // namespace dvx
