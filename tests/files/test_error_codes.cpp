#include "ErrorCodes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace dvx {
namespace {

struct ErrnoCase {
    int value;
    int number;
    const char* description;
};

class ClassicErrors : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ClassicErrors, MapsTheSystemError) {
    const auto& c = GetParam();
    const auto error = classicErrorOf(std::error_code(c.value, std::generic_category()));
    EXPECT_EQ(error.number, c.number);
    EXPECT_EQ(error.description, c.description);
}

INSTANTIATE_TEST_SUITE_P(Errno, ClassicErrors,
                         ::testing::Values(ErrnoCase{ENOENT, 53, "File not found"},
                                           ErrnoCase{EACCES, 70, "Permission denied"},
                                           ErrnoCase{EROFS, 70, "Permission denied"},
                                           ErrnoCase{ENOTDIR, 76, "Path not found"},
                                           ErrnoCase{ENOSPC, 61, "Disk full"},
                                           ErrnoCase{EISDIR, 75, "Path/File access error"},
                                           ErrnoCase{EIO, 75, "Path/File access error"}));

TEST(ClassicErrorsOfPath, MissingFolderIsPathNotFound) {
    test::ScratchFolder scratch;
    const std::error_code missing(ENOENT, std::generic_category());
    EXPECT_EQ(classicErrorOf(missing, scratch.file("a.dvx")).number, 53);
    EXPECT_EQ(classicErrorOf(missing, scratch.file("nowhere/a.dvx")).number, 76);
}

TEST(ClassicErrorMessages, PathIsNamedOnlyForPathErrors) {
    EXPECT_EQ(errorMessage(classicError(53), "SalvaColonneTxt of Modulo corpo"),
              "Error 53 (File not found) in procedure SalvaColonneTxt of Modulo corpo");
    EXPECT_EQ(errorMessageWithPath(classicError(76), "/a/b", "LoadArchivioTMP of Form frmUpdate"),
              "Error 76 (Path not found --> /a/b) in procedure LoadArchivioTMP of Form frmUpdate");
    EXPECT_EQ(errorMessageWithPath(classicError(75), "/a/b", "X of Form frmUpdate"),
              "Error 75 (Path/File access error --> /a/b) in procedure X of Form frmUpdate");
    EXPECT_EQ(errorMessageWithPath(classicError(70), "/a/b", "X of Form frmUpdate"),
              "Error 70 (Permission denied) in procedure X of Form frmUpdate");
}

} // namespace
} // namespace dvx
