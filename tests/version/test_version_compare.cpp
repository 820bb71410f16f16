#include "VersionCompare.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

struct VersionCase {
    const char* local;
    const char* server;
    VersionVerdict expected;
};

class CompareVersions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(CompareVersions, Decides) {
    const auto& c = GetParam();
    EXPECT_EQ(compareVersions(c.local, c.server), c.expected) << c.local << " vs " << c.server;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareVersions,
    ::testing::Values(
        VersionCase{"1.2.3", "1.2.3", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "1.10.0", VersionVerdict::ServerNewer},
        VersionCase{"1.2.3", "1.1.9", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "1.3", VersionVerdict::ServerNewer},
        VersionCase{"1.2.3", "1.2", VersionVerdict::MissingPart},
        VersionCase{"1.2.3", "1.2.3.7", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "2", VersionVerdict::ServerNewer},
        VersionCase{"1.2.3", "0.9", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "01.02.04", VersionVerdict::ServerNewer},
        VersionCase{"1.2.3", "1.2.3beta", VersionVerdict::NotNewer},
        VersionCase{"1.2.3", "1.2.4rc1", VersionVerdict::ServerNewer},
        VersionCase{"1.2.3", "1.x.3", VersionVerdict::NotNewer},
        VersionCase{"1.0.0", "1.0", VersionVerdict::MissingPart},
        VersionCase{"1.2.3", "1.2.99999999999999999999999", VersionVerdict::ServerNewer},
        VersionCase{"99999999999999999999999.0.0", "1.0.0", VersionVerdict::NotNewer}));

TEST(VersionReply, FirstLineOnly) {
    EXPECT_EQ(firstLine("1.2.4\r\nnote\r\n"), "1.2.4");
    EXPECT_EQ(firstLine("1.2.4\nnote"), "1.2.4");
    EXPECT_EQ(firstLine("1.2.4"), "1.2.4");
    EXPECT_EQ(firstLine(""), "");
    EXPECT_EQ(missingPartMessage(),
              "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo");
}

} // namespace
} // namespace dvx
