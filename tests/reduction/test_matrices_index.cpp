#include "MatricesIndex.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

MatrixRecord record(std::string type, int numbers, std::string description, int fixed,
                    std::int32_t columns, std::string file) {
    return {std::move(type),
            static_cast<std::uint8_t>(numbers),
            std::move(description),
            static_cast<std::uint8_t>(fixed),
            columns,
            std::move(file)};
}

std::string indexBytes(const std::vector<MatrixRecord>& records) {
    std::string bytes;
    for (const auto& r : records) {
        const auto one = encodeMatrixRecord(r);
        bytes.append(one.begin(), one.end());
    }
    return bytes;
}

TEST(MatricesIndex, RecordBytesAreLaidOutFieldByField) {
    const auto bytes =
        encodeMatrixRecord(record("N-2", 15, "Ridotto 15 numeri", 1, 0x01020304, "r15.txt"));
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 3), "N-2");
    EXPECT_EQ(bytes[3], 15);
    EXPECT_EQ(text.substr(4, 30), "Ridotto 15 numeri             ");
    EXPECT_EQ(bytes[34], 1);
    EXPECT_EQ(bytes[35], 0x04);
    EXPECT_EQ(bytes[36], 0x03);
    EXPECT_EQ(bytes[37], 0x02);
    EXPECT_EQ(bytes[38], 0x01);
    EXPECT_EQ(text.substr(39), "r15.txt" + std::string(123, ' '));

    const auto back = decodeMatrixRecord(bytes);
    EXPECT_EQ(back.type, "N-2");
    EXPECT_EQ(back.numbers, 15);
    EXPECT_EQ(back.description, "Ridotto 15 numeri             ");
    EXPECT_EQ(back.fixed, 1);
    EXPECT_EQ(back.columns, 0x01020304);
    EXPECT_EQ(back.file, "r15.txt");
}

TEST(MatricesIndex, DescriptionIsWindows1252OnDisk) {
    const auto bytes = encodeMatrixRecord(record("N-1", 11, "Più", 0, 1, "a.txt"));
    EXPECT_EQ(bytes[4 + 2], 0xF9);
    EXPECT_EQ(decodeMatrixRecord(bytes).description.substr(0, 4), "Più");
}

TEST(MatricesIndex, ListsKeepFileOrderAndSkipEmptyRecords) {
    test::ScratchFolder dir;
    const std::vector<MatrixRecord> all = {
        record("N-1", 10, "dieci", 0, 1, "a.txt"),
        record("N-2", 12, "primo dodici", 0, 6, "b.txt"),
        record("N-3", 0, "vuoto", 0, 1, "c.txt"),
        record("N-1", 12, "secondo dodici", 1, 4, "d.txt"),
    };
    dir.write("matrici/matrici.qvr", indexBytes(all) + "partial record");
    const auto read = readMatricesIndex(matricesIndexPath(dir.folder()));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 4u);

    const auto twelve = matchingRecords(*read, 12);
    ASSERT_EQ(twelve.size(), 2u);
    EXPECT_EQ(twelve[0].file, "b.txt");
    EXPECT_EQ(twelve[1].file, "d.txt");
    EXPECT_TRUE(matchingRecords(*read, 0).empty());

    const auto listed = listedRecords(*read);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(matDispCaption(static_cast<int>(listed.size())), "Sistemi Immediati disponibili (3)");
    EXPECT_EQ(matrixFilePath(dir.folder(), twelve[1]), dir.folder() + "matrici/d.txt");
}

TEST(MatricesIndex, EveryMatchingRecordIsKeptBeyondTwoHundred) {
    std::vector<MatrixRecord> all;
    for (int i = 0; i < 250; ++i) {
        all.push_back(record("N-1", 11 + i % 2, "m", 0, 1, std::to_string(i) + ".txt"));
    }
    const auto eleven = matchingRecords(parseMatricesIndex(indexBytes(all)), 11);
    ASSERT_EQ(eleven.size(), 125u);
    EXPECT_EQ(eleven.back().file, "248.txt");
}

TEST(MatricesIndex, MissingIndexIsNotAList) {
    test::ScratchFolder dir;
    EXPECT_FALSE(readMatricesIndex(matricesIndexPath(dir.folder())).has_value());
}

struct LevelCase {
    const char* type;
    int level;
};

class ReductionLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ReductionLevel, FromTypeIgnoringCase) {
    EXPECT_EQ(matrixReductionLevel(record(GetParam().type, 12, "", 0, 1, "")), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Types, ReductionLevel,
                         ::testing::Values(LevelCase{"N-1", 1}, LevelCase{"n-2", 2},
                                           LevelCase{"N-3", 3}, LevelCase{"N-4", 0},
                                           LevelCase{"N-0", 0}, LevelCase{"INT", 0},
                                           LevelCase{"   ", 0}));

struct LineCase {
    std::int32_t columns;
    float price;
    Separators sep;
    const char* columnsAndPrice; // what follows the description
};

class ListLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ListLine, PadsColumnsAndPrice) {
    const auto& c = GetParam();
    const auto r = record("n-2", 9, "Ridotto 9 numeri garanzia 8", 2, c.columns, "x.txt");
    const std::string head = "n-2  2  Ridotto 9 numeri garanzia 8   ";
    EXPECT_EQ(adattaListLine(r, c.price, c.sep), head + c.columnsAndPrice);
    EXPECT_EQ(matDispListLine(r, c.price, c.sep), "09  " + head + c.columnsAndPrice);
}

INSTANTIATE_TEST_SUITE_P(Lines, ListLine,
                         ::testing::Values(LineCase{6, 2.0f, {}, "      6        12.00"},
                                           LineCase{43758, 2.0f, {}, "  43758    87,516.00"},
                                           LineCase{
                                               43758, 1.0f, {".", ","}, "  43758    43.758,00"},
                                           LineCase{123456, 2.0f, {}, "  123456   246,912.00"},
                                           LineCase{0, 2.0f, {}, "                 .00"}));

TEST(MatricesIndex, CaptionsAndEmptyListMessage) {
    EXPECT_EQ(adattaCaption(12), "Sistemi Immediati disponibili con 12 numeri");
    EXPECT_EQ(noMatrixMessage(13), "Nessuna matrice con  13 numeri presente in archivio");
}

} // namespace
} // namespace dvx
