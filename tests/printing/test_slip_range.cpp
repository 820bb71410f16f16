// The slip window's range fields and the checks before printing.

#include "SlipRange.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(SlipRange, AFieldIsTheNumberOfItsDigits) {
    EXPECT_EQ(slipFieldValue("1"), 1);
    EXPECT_EQ(slipFieldValue("__12__"), 12);
    EXPECT_EQ(slipFieldValue("______"), 0);
    EXPECT_EQ(slipFieldValue(""), 0);
    EXPECT_EQ(slipFieldValue("184756"), 184756);
}

struct RangeCase {
    const char* name;
    int da, a, minimum, maximum;
    const char* text; // nullptr: no error
    const char* title;
    RangeField focus;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class SlipRangeCases : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SlipRangeCases, TheFirstBrokenRuleSpeaks) {
    const auto& c = GetParam();
    const auto error = checkSlipRange(c.da, c.a, c.minimum, c.maximum);
    if (!c.text) {
        EXPECT_FALSE(error);
        return;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, c.text);
    EXPECT_EQ(error->title, c.title);
    EXPECT_EQ(error->focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Slips, SlipRangeCases,
    ::testing::Values(RangeCase{"whole", 1, 46, 1, 46, nullptr, nullptr, RangeField::Da},
                      RangeCase{"one", 5, 5, 1, 46, nullptr, nullptr, RangeField::Da},
                      RangeCase{"noColumns", 1, 0, 1, 0, "'DA' è maggiore di 'A'",
                                " !!! E R R O R E !!! ", RangeField::A},
                      RangeCase{"daErased", 0, 46, 1, 46, "'DA' è minore del minimo",
                                "!!! E R R O R E !!!", RangeField::Da},
                      RangeCase{"beyondLast", 1, 47, 1, 46, "'A' è maggiore del massimo",
                                "!!! E R R O R E !!!", RangeField::A},
                      RangeCase{"bothErased", 0, 0, 1, 46, "'DA' è minore del minimo",
                                "!!! E R R O R E !!!", RangeField::Da}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dvx
