// decaventrix-cli print and listing, run as the real program; the PDFs it
// writes are rendered with poppler and their ink compared with the plans.

#include "Calibration.h"
#include "CliInputs.h"
#include "CliRunner.h"
#include "FileCommands.h"
#include "PdfInk.h"
#include "ScratchFolder.h"
#include "SlipPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dvx {
namespace {

constexpr double kTolerance = 0.2; // millimetres

test::ProgramRun cli(std::vector<std::string> args) {
    return test::runProgram(DVX_CLI_PATH, args);
}

int countOf(const std::string& text, const std::string& needle) {
    int n = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++n;
    }
    return n;
}

// "01 | 05 | " and so on: two digits, a blank, a bar, a blank, repeated.
bool isBandLine(const std::string& line) {
    if (line.empty() || line.size() % 5 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < line.size(); i += 5) {
        if (!std::isdigit(static_cast<unsigned char>(line[i])) ||
            !std::isdigit(static_cast<unsigned char>(line[i + 1])) ||
            line.compare(i + 2, 3, " | ") != 0) {
            return false;
        }
    }
    return true;
}

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::popplerAvailable()) {
            GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed";
        }
    }
    // 1..n developed whole: C(n, 10) columns.
    std::string developed(int n, const std::string& name) {
        const auto path = dir.file(name);
        const auto run = cli({"develop", "--numbers", "1-" + std::to_string(n), "--save", path});
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }
    test::ScratchFolder dir;
};

TEST_F(CliPrint, EveryMarkLandsWithinTwoTenthsOfAMillimetreOfItsBox) {
    const auto system = developed(11, "undici.dvx");
    Calibration calibration;
    calibration.left = 20.5f;
    calibration.top = 60.25f;
    calibration.xDist = 5.08f;
    calibration.yDist = 6.35f;
    calibration.quality = kQualityNormale;
    const auto cfg = dir.write("print.cfg", calibrationBytes(calibration, ""));
    const auto pdf = dir.file("slips.pdf");
    const auto run = cli({"print", system, "--pdf", pdf, "--coupon", "--from", "2", "--to", "4",
                          "--numerone", "20", "--price", "1", "--calibration", cfg});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "4 pagine\n");
    ASSERT_EQ(test::pdfPageCount(pdf), 4);

    // The plan the program drew from.
    const auto state = cli::loadSystemWithStake(system, {20, 1.0f});
    SlipPrintInputs inputs;
    inputs.system = state.get();
    inputs.calibration = calibration;
    inputs.systemName = fileNamePanel(system);
    const SlipRun slipRun{true, 2, 4};
    const auto plan = slipDocument(inputs, slipRun);
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const auto ink = test::renderPage(pdf, p + 1);
        ASSERT_TRUE(ink);
        EXPECT_EQ(test::compareMarks(plan.page(p), *ink, kTolerance), "");
    }
    const auto text = test::pdfText(pdf);
    EXPECT_NE(text.find("Scheda N. 2"), std::string::npos);
    EXPECT_NE(text.find("Scheda N. 4"), std::string::npos);
    EXPECT_EQ(text.find("Scheda N. 5"), std::string::npos);
    EXPECT_NE(text.find("11 Numeri"), std::string::npos);
    EXPECT_NE(text.find("€ 11.00"), std::string::npos);
}

TEST_F(CliPrint, ListingHasItsBandsPagesAndSummaryLinesOncePerCopy) {
    const auto system = developed(13, "tredici.dvx"); // 286 columns: 16 bands
    const auto pdf = dir.file("listing.pdf");
    const auto run = cli({"listing", system, "--pdf", pdf, "--header", "Ricevitoria Centrale",
                          "--numerone", "5", "--copies", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    // 3 bands, then 5, 5 and 3: four pages a copy.
    ASSERT_EQ(test::pdfPageCount(pdf), 8);
    const auto text = test::pdfText(pdf);
    EXPECT_EQ(countOf(text, "Pag. 1 Ricevitoria Centrale - By Quorvel - www.decaventrix.it"), 2);
    EXPECT_EQ(countOf(text, "Nome Sistema tredici.dvx"), 2);
    EXPECT_EQ(countOf(text, "Colonne Sistema 286"), 2);
    EXPECT_EQ(countOf(text, "Importo Sistema € 572.00"), 2);
    EXPECT_EQ(countOf(text, "Numerone [05]"), 2);
    EXPECT_EQ(countOf(text, "01 02 03 04 05 06 07 08 09 10 11 12 13"), 2);
    // pdftotext closes up the double blank before "A".
    EXPECT_EQ(countOf(text, "Somma   : Da --"), 2);
    for (int page = 2; page <= 4; ++page) {
        EXPECT_EQ(countOf(text, "Pag. " + std::to_string(page) +
                                    " del sistema tredici.dvx - Decaventrix - www.decaventrix.it"),
                  2);
    }
    EXPECT_EQ(countOf(text, "Pag. 5"), 0);
    // Ten lines a band; the last band holds 286 - 15 x 19 = 1 column.
    std::istringstream lines(text);
    std::string line;
    int bandLines = 0;
    int oneColumnLines = 0;
    while (std::getline(lines, line)) {
        line.erase(line.find_last_not_of(' ') + 1);
        line += ' ';
        if (isBandLine(line)) {
            ++bandLines;
            oneColumnLines += line.size() == 5;
        }
    }
    EXPECT_EQ(bandLines, 2 * 16 * 10);
    EXPECT_EQ(oneColumnLines, 2 * 10);
}

struct CliErrorCase {
    const char* name;
    std::vector<std::string> args; // after the system file
    const char* message;
};

void PrintTo(const CliErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class CliPrintErrors : public CliPrint, public ::testing::WithParamInterface<CliErrorCase> {};

TEST_P(CliPrintErrors, BadRangesAndTargetsExitWithTwoAndOneLine) {
    const auto system = developed(11, "undici.dvx");
    const auto& c = GetParam();
    std::vector<std::string> args = {c.args.front(), system};
    args.insert(args.end(), c.args.begin() + 1, c.args.end());
    for (auto& a : args) {
        if (a == "OUT") {
            a = dir.file("out.pdf");
        } else if (a == "NOWHERE") {
            a = dir.file("no/such/folder/out.pdf");
        }
    }
    const auto run = cli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliPrintErrors,
    ::testing::Values(
        CliErrorCase{"fromAfterTo",
                     {"print", "--pdf", "OUT", "--from", "5", "--to", "3"},
                     "'DA' è maggiore di 'A'"},
        CliErrorCase{
            "fromZero", {"print", "--pdf", "OUT", "--from", "0"}, "'DA' è minore del minimo"},
        CliErrorCase{
            "toBeyond", {"print", "--pdf", "OUT", "--to", "12"}, "'A' è maggiore del massimo"},
        CliErrorCase{"noFolder", {"print", "--pdf", "NOWHERE"}, "cannot write"},
        CliErrorCase{
            "noCopies", {"listing", "--pdf", "OUT", "--copies", "0"}, "--copies must be 1 to 99"},
        CliErrorCase{"badCalibration",
                     {"print", "--pdf", "OUT", "--calibration", "NOWHERE"},
                     "cannot read"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dvx
