// The matrices shipped in data/matrici keep their promise: adapted to the
// numbers 1..N, every draw of ten numbers in play (holding the fixed numbers,
// for matrices with fixed positions) finds a column with 10 - level points.

#include "Adaptation.h"
#include "Guarantee.h"
#include "NumberSet.h"
#include "Progress.h"
#include "RecordingPlatform.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <cctype>

namespace dvx {
namespace {

const std::string kCollectionFolder = std::string(DVX_SOURCE_DIR) + "/data/";

std::vector<MatrixRecord> collection() {
    return readMatricesIndex(matricesIndexPath(kCollectionFolder))
        .value_or(std::vector<MatrixRecord>{});
}

// The first combination of ten numbers of 1..n holding 1..fixed that shares
// fewer than 10 - level numbers with every column; 0 when there is none.
NumberSet firstUncoveredWithFixed(const std::vector<NumberSet>& columns, int n, int fixed,
                                  int level) {
    const NumberSet fixedSet = (NumberSet{1} << fixed) - 1;
    const NumberSet all = (NumberSet{1} << n) - 1;
    for (NumberSet draw = 1; draw <= all; ++draw) {
        if (countOf(draw) != kColumnSize || (draw & fixedSet) != fixedSet) {
            continue;
        }
        bool covered = false;
        for (NumberSet c : columns) {
            if (countOf(c & draw) >= kColumnSize - level) {
                covered = true;
                break;
            }
        }
        if (!covered) {
            return draw;
        }
    }
    return 0;
}

TEST(MatricesCollection, IsPresent) {
    EXPECT_FALSE(collection().empty());
}

class ShippedMatrix : public ::testing::TestWithParam<MatrixRecord> {};

TEST_P(ShippedMatrix, AdaptsAndKeepsItsGuarantee) {
    const auto& record = GetParam();
    EXPECT_LE(trim(record.description).size(), kMatrixDescriptionSize);
    const int level = matrixReductionLevel(record);
    ASSERT_GE(level, 1) << record.type;

    SystemState state;
    for (int n = 1; n <= record.numbers; ++n) {
        selectNumber(state, n, true);
    }
    rebuildNumbersInPlay(state);
    test::RecordingPlatform platform;
    platform.defaultAnswer = Answer::No;
    for (int f = 1; f <= record.fixed; ++f) {
        platform.inputs.push_back(std::to_string(f));
    }
    Progress progress;
    const auto result = adaptMatrix(state, kCollectionFolder, record, platform, progress);
    ASSERT_TRUE(result.adapted) << (platform.messages.empty() ? "" : platform.lastMessage().text);
    ASSERT_EQ(state.sistema.columnCount, record.columns);
    EXPECT_EQ(state.condizioni.ridottoLevel, level);

    const NumberSet inPlay = (NumberSet{1} << record.numbers) - 1;
    if (record.fixed == 0) {
        const auto report = checkGuarantee(state.colonne, record.columns, inPlay, level);
        EXPECT_TRUE(report.holds) << record.file << " misses " << report.firstUncovered;
        return;
    }
    std::vector<NumberSet> columns;
    for (int r = 1; r <= record.columns; ++r) {
        columns.push_back(setOfRow(state.colonne.row(r)));
        EXPECT_EQ(columns.back() & ((NumberSet{1} << record.fixed) - 1),
                  (NumberSet{1} << record.fixed) - 1)
            << record.file << " row " << r << " lacks a fixed position";
    }
    EXPECT_EQ(firstUncoveredWithFixed(columns, record.numbers, record.fixed, level), 0)
        << record.file;
}

INSTANTIATE_TEST_SUITE_P(Collection, ShippedMatrix, ::testing::ValuesIn(collection()),
                         [](const auto& param) {
                             auto name = param.param.file;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

} // namespace
} // namespace dvx
