#include "ColumnText.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

TEST(ColumnTextExport, OneLinePerRowWithTwoDigitNumbers) {
    auto table = std::make_unique<ColumnTable>();
    const std::uint8_t odd[10] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    const std::uint8_t partial[10] = {2, 14, 0, 0, 0, 0, 0, 0, 0, 20};
    std::copy(odd, odd + 10, table->row(1));
    std::copy(partial, partial + 10, table->row(2));
    std::copy(odd, odd + 10, table->row(3)); // beyond the count: not written

    EXPECT_EQ(columnText(*table, 2), " 01 03 05 07 09 11 13 15 17 19 \r\n"
                                     " 02 14 20 \r\n");
    EXPECT_EQ(columnText(*table, 1).size(), 31u + 2u);
    EXPECT_EQ(columnText(*table, 0), "");
}

struct NormalizeCase {
    const char* raw;
    const char* expected;
};

class ColumnLineNormalize : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(ColumnLineNormalize, Normalizes) {
    EXPECT_EQ(normalizeColumnLine(GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, ColumnLineNormalize,
                         ::testing::Values(NormalizeCase{" 01 02 03 ", "01 02 03"},
                                           NormalizeCase{"\t1\t\t2  3\t", "1 2 3"},
                                           NormalizeCase{"1\r\n2", "1 2"},
                                           NormalizeCase{"   \t ", ""}, NormalizeCase{"", ""},
                                           NormalizeCase{"a  b", "a b"}));

TEST(ColumnTextImport, ReadsColumnsWhateverTheBlanksAndLineEnds) {
    const auto read = parseColumnText("1 2 3 4 5 6 7 8 9 10\r\n"
                                      "\r\n"
                                      "  \t01\t02  03 04 05\t06 07 08 09 10  \r\n"
                                      "   \t\n"
                                      "20 19 18 17 16 15 14 13 12 11 3 4\n"
                                      "11 12 13 14 15 16 17 18 19 20\r"
                                      "05 06 07 08 09 10 11 12 13 14");
    ASSERT_TRUE(read.ok) << read.error.description << " " << read.line;
    const std::vector<ColumnRow> expected = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},          {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        {20, 19, 18, 17, 16, 15, 14, 13, 12, 11}, // file order, first ten fields
        {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
    };
    EXPECT_EQ(read.columns, expected);
}

TEST(ColumnTextImport, ReadsBackWhatTheExportWrote) {
    auto table = std::make_unique<ColumnTable>();
    for (int r = 1; r <= 11; ++r) {
        for (int k = 0; k < 10; ++k) {
            table->row(r)[k] = static_cast<std::uint8_t>(r + k);
        }
    }
    const auto read = parseColumnText(columnText(*table, 11));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.columns.size(), 11u);
    for (int r = 1; r <= 11; ++r) {
        EXPECT_TRUE(std::equal(read.columns[static_cast<std::size_t>(r - 1)].begin(),
                               read.columns[static_cast<std::size_t>(r - 1)].end(), table->row(r)));
    }
}

struct RefusedLineCase {
    const char* name;
    const char* line;
    int number;
    const char* description;
    const char* shownLine;
};

class ColumnTextRefusal : public ::testing::TestWithParam<RefusedLineCase> {};

// The bad line follows a good one: nothing of the file is kept.
TEST_P(ColumnTextRefusal, RefusesTheFileNamingTheLine) {
    const auto& c = GetParam();
    const auto read = parseColumnText(std::string("1 2 3 4 5 6 7 8 9 10\r\n") + c.line + "\r\n");
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.columns.empty());
    EXPECT_EQ(read.error.number, c.number);
    EXPECT_EQ(read.error.description, c.description);
    EXPECT_EQ(read.line, c.shownLine);
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, ColumnTextRefusal,
    ::testing::Values(RefusedLineCase{"NineFields", "\t1 2 3 4 5 6 7 8 9 ", 9,
                                      "Subscript out of range", "1 2 3 4 5 6 7 8 9"},
                      RefusedLineCase{"Letter", "1 2 3 4 x 6 7 8 9 10", 13, "Type mismatch",
                                      "1 2 3 4 x 6 7 8 9 10"},
                      RefusedLineCase{"Sign", "1 2 3 4 -5 6 7 8 9 10", 13, "Type mismatch",
                                      "1 2 3 4 -5 6 7 8 9 10"},
                      RefusedLineCase{"AboveByte", "1 2 3 4 5 6 7 8 9 256", 6, "Overflow",
                                      "1 2 3 4 5 6 7 8 9 256"},
                      RefusedLineCase{"Zero", "0 2 3 4 5 6 7 8 9 10", 9, "Subscript out of range",
                                      "0 2 3 4 5 6 7 8 9 10"},
                      RefusedLineCase{"TwentyOne", "1 2 3 4 5 6 7 8 9 21", 9,
                                      "Subscript out of range", "1 2 3 4 5 6 7 8 9 21"},
                      RefusedLineCase{"Repeated", "1 2 3 4 5 6 7 8 9 01", 5,
                                      "Invalid procedure call or argument",
                                      "1 2 3 4 5 6 7 8 9 01"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ColumnTextImport, RefusesMoreColumnsThanTheTableHolds) {
    std::string text;
    for (int r = 0; r < kColumnCapacity; ++r) {
        text += " 01 02 03 04 05 06 07 08 09 10 \r\n";
    }
    EXPECT_EQ(parseColumnText(text).columns.size(), static_cast<std::size_t>(kColumnCapacity));
    text += "11 12 13 14 15 16 17 18 19 20\r\n";
    const auto read = parseColumnText(text);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error.number, 9);
    EXPECT_EQ(read.line, "11 12 13 14 15 16 17 18 19 20");
}

} // namespace
} // namespace dvx
