// Replacing a file through a temporary file: what stands at the path keeps
// its kind and permissions, a protected file is refused, and temporary files
// never pile up.

#include "ErrorCodes.h"
#include "FileReplace.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace dvx {
namespace {

namespace fs = std::filesystem;

class FileReplace : public ::testing::Test {
protected:
    test::ScratchFolder scratch;

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(scratch.folder())) {
            out.push_back(entry.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    mode_t modeOf(const std::string& name) const {
        struct stat info {};
        ::lstat(scratch.file(name).c_str(), &info);
        return info.st_mode & 07777;
    }
};

TEST_F(FileReplace, KeepsThePermissionsOfTheReplacedFile) {
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0664}}) {
        const auto path = scratch.write("s.dvx", "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_FALSE(replaceFile(path, "new"));
        EXPECT_EQ(scratch.read("s.dvx"), "new");
        EXPECT_EQ(modeOf("s.dvx"), mode) << std::oct << mode;
    }
}

TEST_F(FileReplace, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
    scratch.write("real/s.dvx", "old");
    fs::create_symlink("real/s.dvx", scratch.file("link.dvx"));
    fs::create_symlink("link.dvx", scratch.file("link2.dvx"));

    ASSERT_FALSE(replaceFile(scratch.file("link2.dvx"), "new"));

    EXPECT_TRUE(fs::is_symlink(scratch.file("link.dvx")));
    EXPECT_TRUE(fs::is_symlink(scratch.file("link2.dvx")));
    EXPECT_EQ(scratch.read("real/s.dvx"), "new");
    EXPECT_EQ(names(), (std::vector<std::string>{"link.dvx", "link2.dvx", "real"}));
}

TEST_F(FileReplace, ReadOnlyFileIsRefusedAsPermissionDenied) {
    const auto path = scratch.write("s.dvx", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);

    const auto ec = replaceFile(path, "new");

    ASSERT_TRUE(ec);
    EXPECT_EQ(classicErrorOf(ec).number, kErrPermissionDenied);
    EXPECT_EQ(scratch.read("s.dvx"), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"s.dvx"});
}

TEST_F(FileReplace, LongestNameTheFolderTakesCanBeSaved) {
    const std::string name = std::string(251, 'n') + ".dvx"; // 255 characters
    ASSERT_FALSE(replaceFile(scratch.file(name), "content"));
    EXPECT_EQ(scratch.read(name), "content");
}

TEST_F(FileReplace, TemporaryFilesOfEndedProcessesAreRemovedOnTheNextSave) {
    // A save killed halfway leaves its temporary file; its process is gone.
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const std::string prefix(kTemporaryPrefix);
    const auto stale = prefix + std::to_string(ended) + "-0";
    const auto running = prefix + "1-0"; // init never ends: not ours to remove
    scratch.write(stale, std::string(1 << 20, 'x'));
    scratch.write(running, "in use");
    scratch.write(".dvxtmp-notapid", "not ours");

    ASSERT_FALSE(replaceFile(scratch.file("s.dvx"), "new"));

    EXPECT_EQ(names(), (std::vector<std::string>{running, ".dvxtmp-notapid", "s.dvx"}));
}

TEST_F(FileReplace, TwoWritersPreparedThenCommittedOrNeither) {
    const auto first = scratch.write("a.txt", "old a");
    {
        // The second target cannot be written: nothing may replace the first.
        ReplacingWriter a(first);
        ReplacingWriter b(scratch.file("missing/b.dvx"));
        a.append("new a");
        b.append("new b");
        EXPECT_FALSE(a.prepare());
        EXPECT_TRUE(b.prepare());
    }
    EXPECT_EQ(scratch.read("a.txt"), "old a");
    EXPECT_EQ(names(), std::vector<std::string>{"a.txt"});
}

} // namespace
} // namespace dvx
