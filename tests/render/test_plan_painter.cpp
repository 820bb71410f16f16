// A small plan drawn into a PDF: the ink lands where the plan put it.

#include "PdfExport.h"
#include "PdfInk.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

using test::Blob;

constexpr double kTolerance = 0.2; // millimetres

class PlanPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::popplerAvailable()) {
            GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed";
        }
    }
    test::ScratchFolder scratch;
};

PrintDocument tinyPlan() {
    Page first;
    first.items.push_back(RectItem{20.0, 132.0, 2.0, 2.0});
    first.items.push_back(RectItem{0.0, 0.0, 2.0, 2.0}); // the very corner of the page
    first.items.push_back(RectItem{150.5, 250.25, 2.0, 2.0});
    first.items.push_back(TextItem{30.0, 40.0, "Scheda N. 1", "Arial", 12.0, false, 0, false});
    first.items.push_back(TextItem{0, 0, "SEGUE", "Arial", 12.0, true, 0, true});
    Page second;
    second.items.push_back(RectItem{100.0, 100.0, 2.0, 2.0});
    return documentOf("tiny", PrintQuality::Normal, {first, second});
}

bool near(const Blob& b, double x, double y, double side = 2.0) {
    return std::abs(b.left - x) <= kTolerance && std::abs(b.top - y) <= kTolerance &&
           std::abs(b.right - (x + side)) <= kTolerance &&
           std::abs(b.bottom - (y + side)) <= kTolerance;
}

TEST_F(PlanPainterTest, RectanglesLandWhereThePlanPutsThemFromThePageCorner) {
    const auto pdf = scratch.file("tiny.pdf");
    const auto outcome = writePdf(tinyPlan(), pdf);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.pagesSent, 2);
    ASSERT_EQ(test::pdfPageCount(pdf), 2);

    const auto page1 = test::renderPage(pdf, 1);
    ASSERT_TRUE(page1);
    // A4 portrait.
    EXPECT_NEAR(page1->width / page1->dotsPerMm, 210.0, 0.5);
    EXPECT_NEAR(page1->height / page1->dotsPerMm, 297.0, 0.5);
    const auto squares = test::solidSquares(test::findBlobs(*page1), 2.0);
    ASSERT_EQ(squares.size(), 3u);
    EXPECT_TRUE(near(squares[0], 0.0, 0.0));
    EXPECT_TRUE(near(squares[1], 20.0, 132.0));
    EXPECT_TRUE(near(squares[2], 150.5, 250.25));

    const auto page2 = test::renderPage(pdf, 2);
    ASSERT_TRUE(page2);
    const auto blobs = test::findBlobs(*page2);
    ASSERT_EQ(blobs.size(), 1u);
    EXPECT_TRUE(near(blobs[0], 100.0, 100.0));
}

TEST_F(PlanPainterTest, TextStartsAtItsCellCornerAndAContinuationFollowsOnTheSameLine) {
    const auto pdf = scratch.file("tiny.pdf");
    ASSERT_TRUE(writePdf(tinyPlan(), pdf).ok());
    EXPECT_NE(test::pdfText(pdf, false).find("Scheda N. 1SEGUE"), std::string::npos);
    const auto page = test::renderPage(pdf, 1);
    ASSERT_TRUE(page);
    double left = 1e9, top = 1e9, right = 0, bottom = 0;
    for (const auto& b : test::findBlobs(*page)) {
        if (b.top > 30.0 && b.top < 50.0) {
            left = std::min(left, b.left), top = std::min(top, b.top);
            right = std::max(right, b.right), bottom = std::max(bottom, b.bottom);
        }
    }
    // The glyphs start at the cell's left edge and sit below its top, within
    // one 12-point line.
    EXPECT_NEAR(left, 30.0, 0.6);
    EXPECT_GT(top, 40.0);
    EXPECT_LT(bottom, 40.0 + 12 * kMillimetresPerPoint * 1.3);
    EXPECT_GT(right - left, 30.0); // both texts, one after the other
}

TEST_F(PlanPainterTest, ARotatedTextRisesFromItsCorner) {
    Page drawn;
    drawn.items.push_back(
        TextItem{50.0, 200.0, "Decaventrix Classic", "Arial", 18.0, false, 90, false});
    const auto doc = documentOf("rotated", PrintQuality::Normal, {drawn});
    const auto pdf = scratch.file("rotated.pdf");
    ASSERT_TRUE(writePdf(doc, pdf).ok());
    const auto page = test::renderPage(pdf, 1);
    ASSERT_TRUE(page);
    const auto blobs = test::findBlobs(*page);
    ASSERT_FALSE(blobs.empty());
    double left = 1e9, top = 1e9, right = 0, bottom = 0;
    for (const auto& b : blobs) {
        left = std::min(left, b.left), top = std::min(top, b.top);
        right = std::max(right, b.right), bottom = std::max(bottom, b.bottom);
    }
    EXPECT_GE(left, 50.0 - kTolerance);
    EXPECT_LT(right, 50.0 + 18 * kMillimetresPerPoint * 1.3);
    EXPECT_LE(bottom, 200.0 + kTolerance);
    EXPECT_GT(200.0 - top, 50.0); // a long text, upwards
}

TEST_F(PlanPainterTest, AGateThatSaysStopEndsTheDocumentWithThePagesAlreadyDrawn) {
    const auto pdf = scratch.file("cut.pdf");
    const auto outcome = writePdf(tinyPlan(), pdf, [](int page) { return page < 1; });
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.interrupted);
    EXPECT_EQ(outcome.pagesSent, 1);
    EXPECT_EQ(test::pdfPageCount(pdf), 1);
}

TEST_F(PlanPainterTest, AFileThatCannotBeWrittenFailsAndKeepsNothingHalfWritten) {
    const auto outcome = writePdf(tinyPlan(), scratch.file("missing/folder/out.pdf"));
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.failure->number, 76);
    EXPECT_FALSE(std::filesystem::exists(scratch.file("missing")));
}

} // namespace
} // namespace dvx
