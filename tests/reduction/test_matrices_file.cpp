#include "MatrixFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::int32_t columns;
    int numbers;
    MatrixFileStatus status;
    std::vector<std::uint8_t> positions;
};

class MatrixText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(MatrixText, ReadsOrRefuses) {
    const auto& c = GetParam();
    const auto content = parseMatrixText(c.text, c.columns, c.numbers);
    EXPECT_EQ(content.status, c.status);
    EXPECT_EQ(content.positions, c.positions);
}

const std::vector<std::uint8_t> kTwoColumns = {1,  2,  3,  4, 5, 6, 7, 8, 9, 10,
                                               12, 11, 10, 9, 8, 7, 6, 5, 4, 3};

INSTANTIATE_TEST_SUITE_P(
    Cases, MatrixText,
    ::testing::Values(
        ParseCase{"MixedSeparators",
                  "matrice_decaventrix1\r\n1,2,3 4 5\r\n6\n7,8,9,10\r\n12 11 10 9 8 7 6 5 4 3", 2,
                  12, MatrixFileStatus::Ok, kTwoColumns},
        ParseCase{"ItemsAfterTheLastColumnAreNotRead",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 10 12 11 10 9 8 7 6 5 4 3 99 x", 2, 12,
                  MatrixFileStatus::Ok, kTwoColumns},
        ParseCase{"NoColumns", "matrice_decaventrix1", 0, 12, MatrixFileStatus::Ok, {}},
        ParseCase{"WrongSignature",
                  "matrice_decaventrix2 1 2 3 4 5 6 7 8 9 10",
                  1,
                  12,
                  MatrixFileStatus::BadSignature,
                  {}},
        ParseCase{"EmptyFile", "", 0, 12, MatrixFileStatus::BadSignature, {}},
        ParseCase{"MoreColumnsThanTheTableHolds",
                  "matrice_decaventrix1",
                  kColumnCapacity + 1,
                  20,
                  MatrixFileStatus::TooManyColumns,
                  {}},
        ParseCase{
            "NegativeColumnCount", "matrice_decaventrix1", -1, 12, MatrixFileStatus::Damaged, {}},
        ParseCase{"FewerItemsThanPromised",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 10 1 2",
                  2,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"PositionAboveN",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 13",
                  1,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"PositionZero",
                  "matrice_decaventrix1 0 2 3 4 5 6 7 8 9 10",
                  1,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"NotANumber",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 1O",
                  1,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"AboveAByte",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 257",
                  1,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"SignedItem",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 -1",
                  1,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        // Ten positions but not ten numbers: no system file may hold the column.
        ParseCase{"PositionTwiceInAColumn",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 10\r\n1,1,1,1,1,1,1,1,1,1",
                  2,
                  12,
                  MatrixFileStatus::Damaged,
                  {}},
        ParseCase{"SamePositionInTwoColumns",
                  "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 10 10 9 8 7 6 5 4 3 2 1",
                  2,
                  12,
                  MatrixFileStatus::Ok,
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MatrixFile, FormattedTextReadsBack) {
    test::ScratchFolder dir;
    const auto text = formatMatrixText(kTwoColumns);
    EXPECT_EQ(text.substr(0, 22), "matrice_decaventrix1\r\n");
    EXPECT_NE(text.find("\r\n12,11,10,9,8,7,6,5,4,3\r\n"), std::string::npos);
    const auto path = dir.write("m.txt", text);
    const auto content = readMatrixFile(path, 2, 12);
    EXPECT_EQ(content.status, MatrixFileStatus::Ok);
    EXPECT_EQ(content.positions, kTwoColumns);
}

TEST(MatrixFile, MissingFileOrFolderIsMissing) {
    test::ScratchFolder dir;
    EXPECT_EQ(readMatrixFile(dir.file("none.txt"), 1, 12).status, MatrixFileStatus::Missing);
    EXPECT_EQ(readMatrixFile(dir.folder(), 1, 12).status, MatrixFileStatus::Missing);
}

} // namespace
} // namespace dvx
