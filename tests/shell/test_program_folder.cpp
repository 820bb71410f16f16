#include "InstanceKey.h"
#include "ProgramPaths.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace dvx {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, TextEndsWithExactlyOneSlash) {
    EXPECT_EQ(programFolderText("/opt/decaventrix"), "/opt/decaventrix/");
    EXPECT_EQ(programFolderText("/opt/decaventrix/"), "/opt/decaventrix/");
    EXPECT_EQ(programFolderText("/"), "/");
    EXPECT_EQ(programFolderText("  /opt/d  "), "/opt/d/");
}

TEST(ProgramFolder, CreatesTheDataFoldersAndCopiesTheShippedOnes) {
    test::ScratchFolder scratch;
    const fs::path shipped = scratch.folder() + "shipped";
    scratch.write("shipped/matrici/matrici.qvr", "index");
    scratch.write("shipped/images/logo.jpg", "jpeg");
    scratch.write("shipped/impostazioni.cfg", "\r\n\r\n");
    const fs::path folder = scratch.folder() + "program";
    ASSERT_FALSE(prepareProgramFolder(folder, shipped));
    EXPECT_TRUE(fs::exists(folder / "impostazioni.cfg"));
    for (const auto name : programSubfolders()) {
        EXPECT_TRUE(fs::is_directory(folder / name)) << name;
    }
    EXPECT_TRUE(fs::exists(folder / "matrici" / "matrici.qvr"));
    EXPECT_TRUE(fs::exists(folder / "images" / "logo.jpg"));
}

TEST(ProgramFolder, NeverOverwritesAnExistingCollection) {
    test::ScratchFolder scratch;
    scratch.write("shipped/matrici/matrici.qvr", "shipped");
    scratch.write("shipped/matrici/extra.txt", "shipped");
    scratch.write("shipped/impostazioni.cfg", "\r\n\r\n");
    const auto own = scratch.write("program/matrici/matrici.qvr", "user's own");
    const auto settings = scratch.write("program/impostazioni.cfg", "Mio\r\nStampante\r\n");
    const fs::path folder = scratch.folder() + "program";
    ASSERT_FALSE(prepareProgramFolder(folder, scratch.folder() + "shipped"));
    for (const auto& [path, expected] : {std::pair{own, std::string("user's own")},
                                         {settings, std::string("Mio\r\nStampante\r\n")}}) {
        std::ifstream in(path, std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(content, expected);
    }
    EXPECT_FALSE(fs::exists(folder / "matrici" / "extra.txt"));
}

TEST(ProgramFolder, WithoutShippedDataOnlyCreatesFolders) {
    test::ScratchFolder scratch;
    const fs::path folder = scratch.folder() + "program";
    ASSERT_FALSE(prepareProgramFolder(folder, scratch.folder() + "nothing-here"));
    EXPECT_TRUE(fs::is_directory(folder / "sistemi"));
    EXPECT_TRUE(fs::is_empty(folder / "matrici"));
}

TEST(ProgramFolder, FallsBackToTheUserFolderWhenTheExecutableFolderIsReadOnly) {
    test::ScratchFolder scratch;
    const fs::path exe = scratch.folder() + "exe";
    const fs::path user = scratch.folder() + "user";
    fs::create_directories(exe);
    EXPECT_EQ(chooseProgramFolder(exe, user), exe);
    EXPECT_EQ(chooseProgramFolder(scratch.folder() + "missing", user), user);
    if (::geteuid() != 0) { // root writes anywhere
        ::chmod(exe.c_str(), 0555);
        EXPECT_EQ(chooseProgramFolder(exe, user), user);
        ::chmod(exe.c_str(), 0755);
    }
    EXPECT_TRUE(fs::is_empty(exe)); // the probe leaves nothing behind
}

TEST(InstanceKey, OnePerUserAndFolder) {
    const auto key = instanceKey("/opt/a/", "anna");
    EXPECT_EQ(key, instanceKey("/opt/a/", "anna"));
    EXPECT_NE(key, instanceKey("/opt/b/", "anna"));
    EXPECT_NE(key, instanceKey("/opt/a/", "bruno"));
    EXPECT_EQ(key.find('/'), std::string::npos);
}

} // namespace
} // namespace dvx
