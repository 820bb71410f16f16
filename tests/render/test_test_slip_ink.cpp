// The calibration's test slip marks all 182 boxes; drawn into a PDF, each
// lands within 0.2 mm of its box. (Slips with a column distance above about
// 6.9 mm put the rotated web address over the grid, so the cases stay below.)

#include "PdfExport.h"
#include "PdfInk.h"
#include "ScratchFolder.h"
#include "SlipPlan.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

struct CalibrationCase {
    const char* name;
    float left, top, xDist, yDist;
};

void PrintTo(const CalibrationCase& c, std::ostream* os) {
    *os << c.name;
}

class TestSlipInk : public ::testing::TestWithParam<CalibrationCase> {};

TEST_P(TestSlipInk, EveryBoxIsMarkedWhereThePlanPutsIt) {
    if (!test::popplerAvailable()) {
        GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed";
    }
    const auto& c = GetParam();
    Calibration calibration;
    calibration.left = c.left;
    calibration.top = c.top;
    calibration.xDist = c.xDist;
    calibration.yDist = c.yDist;
    const auto document = testSlipDocument(calibration, "Intestazione", 2.0f);
    test::ScratchFolder scratch;
    const auto pdf = scratch.file("test.pdf");
    ASSERT_TRUE(writePdf(document, pdf).ok());
    const auto ink = test::renderPage(pdf, 1);
    ASSERT_TRUE(ink);
    EXPECT_EQ(test::compareMarks(document.page(0), *ink, 0.2), "");
    EXPECT_NE(test::pdfText(pdf).find("NOME_SISTEMA.LEC"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Calibrations, TestSlipInk,
                         ::testing::Values(CalibrationCase{"example", 20.0f, 60.0f, 5.0f, 6.0f},
                                           CalibrationCase{"hundredths", 12.25f, 55.5f, 5.08f,
                                                           6.35f},
                                           CalibrationCase{"tight", 31.37f, 70.01f, 3.3f, 3.9f}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dvx
