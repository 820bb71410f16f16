#include "Cp1252.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ItalianTextsAndTheEuroSign) {
    EXPECT_EQ(cp1252ToUtf8("capacit\xE0 \x80"), "capacità €");
    EXPECT_EQ(utf8ToCp1252("è €"), "\xE8 \x80");
    EXPECT_EQ(utf8ToCp1252("日"), "?"); // no code in the page
}

} // namespace
} // namespace dvx
