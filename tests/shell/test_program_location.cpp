// Where a program keeps its data: run from a build or an unpacked copy, or
// installed under a prefix (/usr/bin beside /usr/share/decaventrix).

#include "ProgramLocation.h"
#include "ProgramPaths.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

namespace fs = std::filesystem;

struct LayoutCase {
    const char* name;
    bool dataBeside;         // prefix/bin/data
    bool sharedData;         // prefix/share/decaventrix
    bool inExecutableFolder; // else the user's data folder
    const char* shipped;     // relative to the prefix
};

class ProgramLocationLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ProgramLocationLayout, ChoosesFolderAndShippedData) {
    const auto& c = GetParam();
    test::ScratchFolder scratch;
    const fs::path prefix = scratch.folder() + "prefix";
    const fs::path bin = prefix / "bin";
    const fs::path user = scratch.folder() + "home/.local/share/Quorvel/Decaventrix";
    fs::create_directories(bin);
    if (c.dataBeside) {
        scratch.write("prefix/bin/data/impostazioni.cfg", "\r\n");
    }
    if (c.sharedData) {
        scratch.write("prefix/share/decaventrix/impostazioni.cfg", "\r\n");
    }
    // The test can write bin, as root can write /usr/bin.
    const auto location = locateProgram(bin, user);
    EXPECT_EQ(location.folder, c.inExecutableFolder ? bin : user);
    EXPECT_EQ(location.shippedData, prefix / c.shipped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramLocationLayout,
    ::testing::Values(LayoutCase{"BuildTree", true, false, true, "bin/data"},
                      LayoutCase{"Installed", false, true, false, "share/decaventrix"},
                      LayoutCase{"DataBesideWinsOverShared", true, true, true, "bin/data"},
                      LayoutCase{"NothingShipped", false, false, true, "bin/data"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ProgramLocation, InstalledProgramFillsEachUsersOwnFolder) {
    test::ScratchFolder scratch;
    scratch.write("usr/share/decaventrix/matrici/matrici.qvr", "index");
    scratch.write("usr/share/decaventrix/impostazioni.cfg", "\r\n\r\n");
    fs::create_directories(scratch.folder() + "usr/bin");
    const auto anna = locateProgram(scratch.folder() + "usr/bin", scratch.folder() + "anna");
    const auto bruno = locateProgram(scratch.folder() + "usr/bin", scratch.folder() + "bruno");
    scratch.write("anna/impostazioni.cfg", "Anna\r\n");
    ASSERT_FALSE(prepareProgramFolder(anna.folder, anna.shippedData));
    ASSERT_FALSE(prepareProgramFolder(bruno.folder, bruno.shippedData));
    scratch.write("anna/sistemi/mio.dvx", "system");

    EXPECT_EQ(scratch.read("anna/impostazioni.cfg"), "Anna\r\n");
    EXPECT_EQ(scratch.read("bruno/impostazioni.cfg"), "\r\n\r\n");
    for (const char* who : {"anna", "bruno"}) {
        EXPECT_EQ(scratch.read(std::string(who) + "/matrici/matrici.qvr"), "index") << who;
    }
    EXPECT_TRUE(fs::is_empty(bruno.folder / "sistemi"));
    EXPECT_FALSE(fs::exists(scratch.folder() + "usr/bin/sistemi"));
}

} // namespace
} // namespace dvx
