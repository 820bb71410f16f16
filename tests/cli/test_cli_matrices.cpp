// decaventrix-cli adapt and verify, run as a real program over a small
// matrices index of the test's own.

#include "CliRunner.h"
#include "MatricesIndex.h"
#include "MatrixFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dvx {
namespace {

test::ProgramRun cli(std::vector<std::string> args) {
    return test::runProgram(DVX_CLI_PATH, args);
}

class CliMatrices : public ::testing::Test {
protected:
    test::ScratchFolder dir;
    std::string index;

    void SetUp() override {
        // 1: eleven numbers, one column, guarantee 9; 2: the same with one
        // fixed position; 3: a matrix whose file is damaged.
        const std::vector<std::uint8_t> column = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        dir.write("m/undici.txt", formatMatrixText(column));
        dir.write("m/rotta.txt", "matrice_decaventrix1 1 2 3");
        const MatrixRecord records[] = {
            {"N-1", 11, "Ridotto 11 numeri garanzia 9", 0, 1, "undici.txt"},
            {"N-1", 11, "11 numeri 1 fissa garanzia 9", 1, 1, "undici.txt"},
            {"N-2", 11, "Rotta", 0, 1, "rotta.txt"},
        };
        std::string bytes;
        for (const auto& r : records) {
            const auto one = encodeMatrixRecord(r);
            bytes.append(one.begin(), one.end());
        }
        index = dir.write("m/matrici.qvr", bytes);
    }
};

TEST_F(CliMatrices, AdaptedSystemKeepsItsGuarantee) {
    const auto saved = dir.file("s.dvx");
    const auto adapt =
        cli({"adapt", "--index", index, "--record", "1", "--numbers", "5-15", "--save", saved});
    ASSERT_EQ(adapt.status, 0) << adapt.err;
    EXPECT_EQ(adapt.out, "1 colonne, ridotto 11 numeri garanzia 9\n");

    const auto holds = cli({"verify", saved, "--numbers", "5-15", "--level", "1"});
    EXPECT_EQ(holds.status, 0) << holds.err;
    EXPECT_EQ(holds.out, "garanzia 9 rispettata: 1 colonne\n");

    const auto misses = cli({"verify", saved, "--numbers", "5-15", "--level", "0"});
    EXPECT_EQ(misses.status, 1) << misses.err;
    EXPECT_EQ(misses.out,
              "garanzia 10 non rispettata: 05 06 07 08 09 10 11 12 13 15 (10 combinazioni "
              "scoperte)\n");
}

TEST_F(CliMatrices, FixedNumberTakesTheFirstPosition) {
    const auto saved = dir.file("s.dvx");
    const auto adapt = cli({"adapt", "--index", index, "--record", "2", "--numbers", "1-11",
                            "--fixed", "11", "--save", saved});
    ASSERT_EQ(adapt.status, 0) << adapt.err;
    // Position 1 is 11 now, so the one column lacks 1 instead of 11.
    const auto misses = cli({"verify", saved, "--numbers", "1-11", "--level", "0"});
    EXPECT_EQ(misses.status, 1);
    EXPECT_EQ(misses.out.substr(0, 58),
              "garanzia 10 non rispettata: 01 02 03 04 05 06 07 08 09 10 ");
}

TEST_F(CliMatrices, VerifiesColumnTextFiles) {
    const auto text = dir.write("c.txt", " 01 02 03 04 05 06 07 08 09 10 \r\n");
    EXPECT_EQ(cli({"verify", text, "--numbers", "1-11", "--level", "1"}).status, 0);
    EXPECT_EQ(cli({"verify", text, "--numbers", "1-12", "--level", "1"}).status, 1);
}

struct BadCase {
    const char* name;
    std::vector<std::string> args; // "@" = the index, "#" = a file in the scratch folder
    const char* err;               // part of the message on stderr
};

class CliMatricesRefusal : public CliMatrices, public ::testing::WithParamInterface<BadCase> {};

TEST_P(CliMatricesRefusal, ExitsWithTwo) {
    auto args = GetParam().args;
    for (auto& a : args) {
        a = a == "@" ? index : a == "#" ? dir.file("out.dvx") : a;
    }
    const auto run = cli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(GetParam().err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliMatricesRefusal,
    ::testing::Values(
        BadCase{"RecordBeyondTheIndex",
                {"adapt", "--index", "@", "--record", "4", "--numbers", "1-11", "--save", "#"},
                "holds 3 records"},
        BadCase{"NumbersNotAsBuilt",
                {"adapt", "--index", "@", "--record", "1", "--numbers", "1-12", "--save", "#"},
                "built for 11 numbers"},
        BadCase{"FixedMissing",
                {"adapt", "--index", "@", "--record", "2", "--numbers", "1-11", "--save", "#"},
                "1 fixed positions"},
        BadCase{"FixedNotInPlay",
                {"adapt", "--index", "@", "--record", "2", "--numbers", "1-11", "--fixed", "20",
                 "--save", "#"},
                "20 is not in play"},
        BadCase{"DamagedMatrix",
                {"adapt", "--index", "@", "--record", "3", "--numbers", "1-11", "--save", "#"},
                "Impossibile Adattare la Matrice"},
        BadCase{"MissingIndex",
                {"adapt", "--index", "nessuno.qvr", "--record", "1", "--numbers", "1-11", "--save",
                 "#"},
                "cannot read"},
        BadCase{"VerifyMissingFile",
                {"verify", "#", "--numbers", "1-11", "--level", "1"},
                "cannot read"},
        BadCase{
            "VerifyLevelOutOfRange", {"verify", "@", "--numbers", "1-11", "--level", "4"}, "0..3"},
        BadCase{"VerifyTooFewNumbers",
                {"verify", "@", "--numbers", "1-9", "--level", "1"},
                "at least 10"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dvx
