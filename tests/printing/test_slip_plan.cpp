// Slips, coupon and test slip as page plans: which boxes, where, which texts.

#include "LineHeight.h"
#include "PlanItems.h"
#include "PrintedTexts.h"
#include "SlipGrid.h"
#include "SlipPlan.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

using test::rectsOf;
using test::textsOf;

Calibration exampleCalibration() {
    Calibration c;
    c.left = 20.0f;
    c.top = 60.0f;
    c.xDist = 5.0f;
    c.yDist = 6.0f;
    c.quality = kQualityNormale;
    return c;
}

std::vector<GridBox> boxesOfColumn(std::array<std::uint8_t, 10> column, std::uint8_t numerone,
                                   float price) {
    return slipBoxes(column.data(), numerone, price);
}

TEST(SlipGrid, OddNumbersWithNumeroneTwentyAtPriceOneMarkTheTwelveBoxesInPrintOrder) {
    const auto boxes = boxesOfColumn({1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 20, 1.0f);
    const std::vector<GridBox> expected = {{1, 1}, {1, 5},  {2, 11}, {4, 3},  {4, 7},  {7, 1},
                                           {7, 5}, {10, 3}, {10, 7}, {13, 1}, {13, 5}, {13, 14}};
    EXPECT_EQ(boxes, expected);
}

struct BoxCase {
    const char* name;
    std::uint8_t number;   // a number of the column, or 0
    std::uint8_t numerone; // or 0
    float price;
    GridBox expected;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class SlipBoxCases : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SlipBoxCases, OneNumberOrNumeroneOrPriceGoesToItsBox) {
    const auto& c = GetParam();
    std::array<std::uint8_t, 10> column{};
    column[0] = c.number;
    const auto boxes = boxesOfColumn(column, c.numerone, c.price);
    // The price box is always there; the case's box is the other one.
    const GridBox priceBox{c.price == 1.0f ? 13 : 4, 14};
    ASSERT_EQ(boxes.size(), c.expected == priceBox ? 1u : 2u);
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), c.expected), boxes.end());
}

INSTANTIATE_TEST_SUITE_P(Slip, SlipBoxCases,
                         ::testing::Values(BoxCase{"n1", 1, 0, 2.0f, {13, 1}},
                                           BoxCase{"n5", 5, 0, 2.0f, {1, 1}},
                                           BoxCase{"n6", 6, 0, 2.0f, {13, 3}},
                                           BoxCase{"n14", 14, 0, 2.0f, {4, 5}},
                                           BoxCase{"n20", 20, 0, 2.0f, {1, 7}},
                                           BoxCase{"numerone1", 0, 1, 2.0f, {11, 10}},
                                           BoxCase{"numerone10", 0, 10, 2.0f, {2, 10}},
                                           BoxCase{"numerone11", 0, 11, 2.0f, {11, 11}},
                                           BoxCase{"price2", 0, 0, 2.0f, {4, 14}},
                                           BoxCase{"price1", 0, 0, 1.0f, {13, 14}}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SlipGrid, BoxThirteenOneLiesAtItsCalibratedCorner) {
    const auto corner = boxCorner({13, 1}, exampleCalibration());
    EXPECT_DOUBLE_EQ(corner.x, 20.0);
    EXPECT_DOUBLE_EQ(corner.y, 132.0);
    const auto last = boxCorner({13, 14}, exampleCalibration());
    EXPECT_DOUBLE_EQ(last.x, 85.0);
    EXPECT_DOUBLE_EQ(last.y, 132.0);
}

TEST(SlipGrid, CouponMarksEveryNumberInPlayAndTheNumerone) {
    Sistema all;
    all.countInPlay = 20;
    for (int i = 0; i < 20; ++i) {
        all.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    }
    const auto boxes = couponBoxes(all, 0);
    ASSERT_EQ(boxes.size(), 20u);
    // A few of the table, as (column, row).
    for (const GridBox expected :
         {GridBox{20, 3}, GridBox{15, 1}, GridBox{10, 8}, GridBox{7, 16}, GridBox{16, 12}}) {
        EXPECT_NE(std::find(boxes.begin(), boxes.end(), expected), boxes.end())
            << expected.column << "," << expected.row;
    }
    Sistema none;
    EXPECT_EQ(couponBoxes(none, 1), (std::vector<GridBox>{{5, 1}}));
    EXPECT_EQ(couponBoxes(none, 5), (std::vector<GridBox>{{1, 1}}));
    EXPECT_EQ(couponBoxes(none, 20), (std::vector<GridBox>{{1, 4}}));
    EXPECT_EQ(couponBoxes(none, 12), (std::vector<GridBox>{{4, 3}}));
}

class SlipPlanTest : public ::testing::Test {
protected:
    SlipPlanTest() {
        system->sistema.columnCount = 3;
        system->sistema.countInPlay = 14;
        system->sistema.typeText = "Ridotto N-1 Condizionato";
        for (int i = 0; i < 14; ++i) {
            system->sistema.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        }
        const std::uint8_t odd[] = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
        for (int k = 1; k <= 3; ++k) {
            std::copy(std::begin(odd), std::end(odd), system->colonne.row(k));
        }
        system->numerone = 20;
        system->pricePerColumn = 1.0f;
        inputs.system = system.get();
        inputs.calibration = exampleCalibration();
        inputs.header = "Ricevitoria Centrale";
        inputs.systemName = "prova.dvx";
        inputs.separators = {".", ","};
    }
    std::unique_ptr<SystemState> system = std::make_unique<SystemState>();
    SlipPrintInputs inputs;
};

TEST_F(SlipPlanTest, SlipTextsSitAtTheirCalibratedPlaces) {
    const auto texts = textsOf(slipPage(inputs, 2));
    ASSERT_EQ(texts.size(), 6u);
    const double line8 = lineHeight(8, kArialLineEm);
    EXPECT_EQ(texts[0].text, "prova.dvx");
    EXPECT_DOUBLE_EQ(texts[0].x, 10.0);
    EXPECT_DOUBLE_EQ(texts[0].y, 5.0);
    EXPECT_EQ(texts[0].sizePoints, 8);
    EXPECT_EQ(texts[1].text, "Scheda N. 2");
    EXPECT_DOUBLE_EQ(texts[1].y, 5.0 + line8);
    EXPECT_TRUE(texts[2].continuesPrevious);
    EXPECT_EQ(texts[2].text, "            € 1,00");
    EXPECT_EQ(texts[2].sizePoints, 30);
    EXPECT_EQ(texts[3].text, "Ricevitoria Centrale");
    EXPECT_DOUBLE_EQ(texts[3].y, 142.0);
    EXPECT_EQ(texts[4].text, kSlipProductText);
    EXPECT_EQ(texts[4].rotationDegrees, 90);
    EXPECT_DOUBLE_EQ(texts[4].x, 10.0);
    EXPECT_DOUBLE_EQ(texts[4].y, 207.0);
    EXPECT_EQ(texts[5].text, kWebAddress);
    EXPECT_EQ(texts[5].rotationDegrees, 90);
    EXPECT_DOUBLE_EQ(texts[5].x, 35.0);
    EXPECT_DOUBLE_EQ(texts[5].y, 205.0);
    for (const auto& t : texts) {
        EXPECT_EQ(t.font, "Arial");
    }
}

TEST_F(SlipPlanTest, SlipNumberIsGroupedInThousands) {
    system->sistema.columnCount = 1500;
    EXPECT_EQ(textsOf(slipPage(inputs, 1234))[1].text, "Scheda N. 1.234");
}

TEST_F(SlipPlanTest, SlipMarksAreTwoMillimetreSquaresAtTheBoxCorners) {
    const auto rects = rectsOf(slipPage(inputs, 1));
    ASSERT_EQ(rects.size(), 12u);
    // Box (13, 1) is the tenth in print order.
    EXPECT_DOUBLE_EQ(rects[9].x, 20.0);
    EXPECT_DOUBLE_EQ(rects[9].y, 132.0);
    for (const auto& r : rects) {
        EXPECT_EQ(r.width, 2.0);
        EXPECT_EQ(r.height, 2.0);
    }
}

TEST_F(SlipPlanTest, TheRunPutsTheCouponFirstAndStopsAtTheLastColumn) {
    const SlipRun run{true, 2, 999};
    const auto doc = slipDocument(inputs, run);
    EXPECT_EQ(doc.pageCount, 3); // coupon, slips 2 and 3
    EXPECT_EQ(doc.quality, PrintQuality::Normal);
    EXPECT_EQ(slipNumberOfPage(run, 0), 0);
    EXPECT_EQ(slipNumberOfPage(run, 1), 2);
    EXPECT_EQ(slipNumberOfPage(run, 2), 3);
    EXPECT_EQ(textsOf(doc.page(0))[1].text, "Decaventrix - www.decaventrix.it");
    EXPECT_EQ(textsOf(doc.page(2))[1].text, "Scheda N. 3");

    const auto slipsOnly = slipDocument(inputs, {false, 1, 2});
    EXPECT_EQ(slipsOnly.pageCount, 2);
    EXPECT_EQ(textsOf(slipsOnly.page(0))[1].text, "Scheda N. 1");
    inputs.calibration.quality = 1234; // anything but 9999 is draft
    EXPECT_EQ(slipDocument(inputs, run).quality, PrintQuality::Draft);
}

TEST_F(SlipPlanTest, CouponSummaryIsRightAlignedInEighteenCharactersBelowTheGrid) {
    const auto page = couponPage(inputs);
    const auto texts = textsOf(page);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "Ricevitoria Centrale");
    EXPECT_DOUBLE_EQ(texts[0].x, kCouponHeaderX);
    EXPECT_EQ(texts[2].text, "         14 Numeri");
    EXPECT_EQ(texts[3].text, "Ridotto N-1 Condiz");
    EXPECT_EQ(texts[4].text, "            € 3,00");
    EXPECT_EQ(texts[2].sizePoints, 32);
    EXPECT_DOUBLE_EQ(texts[2].y, 60.0 + 25 * 6.0);
    EXPECT_DOUBLE_EQ(texts[3].y, texts[2].y + lineHeight(32, kArialLineEm));
    EXPECT_EQ(texts[5].text, "prova.dvx");
    EXPECT_EQ(texts[5].sizePoints, 22);
    EXPECT_EQ(rectsOf(page).size(), 15u); // 14 numbers and the Numerone
}

TEST(TestSlip, MarksEveryBoxWithPlaceholderTexts) {
    const auto page = testSlipPage(exampleCalibration(), "Intestazione", 2.0f);
    const auto rects = rectsOf(page);
    ASSERT_EQ(rects.size(), 13u * 14u);
    EXPECT_DOUBLE_EQ(rects.front().x, 20.0);
    EXPECT_DOUBLE_EQ(rects.front().y, 60.0);
    EXPECT_DOUBLE_EQ(rects.back().x, 20.0 + 13 * 5.0);
    EXPECT_DOUBLE_EQ(rects.back().y, 60.0 + 12 * 6.0);
    const auto texts = textsOf(page);
    EXPECT_EQ(texts[0].text, "NOME_SISTEMA.LEC ");
    EXPECT_EQ(texts[1].text, "Scheda N. 0");
    EXPECT_EQ(texts[2].text, "            € 2.00");
    EXPECT_EQ(texts[3].text, "Intestazione");
}

} // namespace
} // namespace dvx
