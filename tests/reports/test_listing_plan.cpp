// The listing as a page plan: summary and conditions, bands of 19 columns,
// page breaks, copies.

#include "../printing/PlanItems.h"
#include "LineHeight.h"
#include "ListingPlan.h"
#include "ListingPrinting.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

using test::imagesOf;
using test::textsOf;

std::vector<std::string> linesOf(const Page& page) {
    std::vector<std::string> lines;
    for (const auto& t : textsOf(page)) {
        lines.push_back(t.text);
    }
    return lines;
}

bool hasLine(const Page& page, const std::string& line) {
    const auto lines = linesOf(page);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Bands are told by their two rules; on the first page only those after
// "Sviluppo" count.
int bandsOn(const Page& page, bool firstPage) {
    const auto lines = linesOf(page);
    auto from = lines.begin();
    if (firstPage) {
        from = std::find(lines.begin(), lines.end(), "Sviluppo");
    }
    int rules = 0;
    for (auto it = from; it != lines.end(); ++it) {
        rules += it->rfind("\u2014", 0) == 0;
    }
    return rules / 2;
}

std::string rule(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += "\u2014";
    }
    return s;
}

class ListingPlanTest : public ::testing::Test {
protected:
    ListingPlanTest() {
        auto& s = system->sistema;
        s.countInPlay = 12;
        for (int i = 0; i < 12; ++i) {
            s.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 3);
        }
        s.typeText = "Condizionato";
        system->pricePerColumn = 2.0f;
        inputs.system = system.get();
        inputs.header = "Ricevitoria Centrale";
        inputs.systemName = "prova.dvx";
        inputs.images = listingImages("/prog/", true);
        setColumns(19);
    }
    void setColumns(int count) {
        system->sistema.columnCount = count;
        for (int k = 1; k <= count; ++k) {
            auto* row = system->colonne.row(k);
            for (int i = 0; i < 10; ++i) {
                row[i] = static_cast<std::uint8_t>(i + 1 + (k % 11));
            }
        }
    }
    std::unique_ptr<SystemState> system = std::make_unique<SystemState>();
    ListingInputs inputs;
};

TEST_F(ListingPlanTest, FirstPageCarriesHeaderSummaryForecastAndConditions) {
    system->numerone = 7;
    const auto doc = listingDocument(inputs);
    ASSERT_EQ(doc.pageCount, 1);
    const auto page = doc.page(0);
    const auto texts = textsOf(page);
    EXPECT_EQ(texts[0].text, "Pag. 1 Ricevitoria Centrale - By Quorvel - www.decaventrix.it");
    EXPECT_TRUE(texts[0].bold);
    EXPECT_FALSE(texts[1].bold);
    EXPECT_DOUBLE_EQ(texts[0].x, 120 * kMillimetresPerTwip);
    EXPECT_DOUBLE_EQ(texts[0].y, 250 * kMillimetresPerTwip);
    EXPECT_EQ(texts[0].font, "Courier New");
    EXPECT_EQ(texts[1].text, rule(96));
    EXPECT_EQ(texts[2].text, "Nome Sistema prova.dvx");
    // The next line comes 500 twips further down, not one text line.
    EXPECT_DOUBLE_EQ(texts[3].y, texts[2].y + 500 * kMillimetresPerTwip);
    EXPECT_EQ(texts[3].text, "Colonne Sistema 19");
    EXPECT_EQ(texts[4].text, "Importo Sistema € 38.00");
    EXPECT_EQ(texts[5].text,
              "Numeri in gioco [12]        Tipo Sistema [Condizionato] Numerone [07]");
    EXPECT_TRUE(hasLine(page, "Pronostico Sistema"));
    EXPECT_TRUE(hasLine(page, "03 04 05 06 07 08 09 10 11 12 13 14 "));
    EXPECT_TRUE(hasLine(page, "Condizioni sistema "));
    EXPECT_TRUE(hasLine(page, rule(50)));
    EXPECT_TRUE(hasLine(page, "Sviluppo"));

    const auto images = imagesOf(page);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].path, "/prog/images/logoTabulato.jpg");
    EXPECT_DOUBLE_EQ(images[0].x, 4000 * kMillimetresPerTwip);
    EXPECT_DOUBLE_EQ(images[0].y, texts[2].y);
    EXPECT_EQ(images[1].path, "/prog/images/vietato.jpg");
    EXPECT_DOUBLE_EQ(images[1].y, 3850 * kMillimetresPerTwip);
}

TEST_F(ListingPlanTest, WithoutNumeroneAndConditionsTheLabelsStandAlone) {
    const auto page = listingDocument(inputs).page(0);
    EXPECT_TRUE(hasLine(page, "Numeri in gioco [12]        Tipo Sistema [Condizionato] "));
    EXPECT_TRUE(hasLine(page, "Somma   : Da --  A --"));
    EXPECT_TRUE(hasLine(page, "Pari    : "));
    EXPECT_TRUE(hasLine(page, "Dispari : "));
    EXPECT_TRUE(hasLine(page, "Fisse   : "));
    EXPECT_TRUE(hasLine(page, "Consecutivi : "));
}

TEST_F(ListingPlanTest, ConditionsThatAreOnListTheirValues) {
    auto& c = system->condizioni;
    c.sommaOn = kTrue;
    c.somma = {90, 120};
    c.pariDispariOn = kTrue;
    c.pariDispari[4] = kTrue;
    c.pariDispari[6] = kTrue;
    c.fisseOn = kTrue;
    c.fisseCount = 2;
    c.fisse[1] = 3;
    c.fisse[2] = 11;
    system->consecutivi.on = kTrue;
    system->consecutivi.runsMask = (1 << 2) | (1 << 3);
    const auto page = listingDocument(inputs).page(0);
    EXPECT_TRUE(hasLine(page, "Somma   : Da 90 A 120"));
    EXPECT_TRUE(hasLine(page, "Pari    : 04 06 "));
    EXPECT_TRUE(hasLine(page, "Dispari : 06 04 "));
    EXPECT_TRUE(hasLine(page, "Fisse   : 03 11 "));
    EXPECT_TRUE(hasLine(page, "Consecutivi : 02 03"));
}

TEST_F(ListingPlanTest, BandsHoldNineteenColumnsUpright) {
    setColumns(20);
    const auto page = listingDocument(inputs).page(0);
    const auto lines = linesOf(page);
    const auto sviluppo = std::find(lines.begin(), lines.end(), "Sviluppo");
    ASSERT_NE(sviluppo, lines.end());
    // Band 1: rule, ten lines of 19 columns, rule; band 2: one column.
    ASSERT_GE(lines.end() - sviluppo, 1 + 12 + 12);
    std::string firstLine;
    for (int k = 1; k <= 19; ++k) {
        firstLine += (k % 11 + 1 < 10 ? "0" : "") + std::to_string(k % 11 + 1) + " | ";
    }
    EXPECT_EQ(sviluppo[2], firstLine);
    EXPECT_EQ(sviluppo[1 + 12 + 1], "10 | "); // column 20 starts with 20 % 11 + 1
    EXPECT_EQ(sviluppo[1 + 12 + 10], "19 | ");
    EXPECT_EQ(lines.end() - sviluppo, 1 + 12 + 12);

    const auto texts = textsOf(page);
    const auto bandLine = std::find_if(texts.begin(), texts.end(),
                                       [&](const TextItem& t) { return t.text == firstLine; });
    EXPECT_NEAR(bandLine[1].y - bandLine[0].y, 250 * kMillimetresPerTwip, 1e-9);
}

struct PagingCase {
    int columns;
    int pages;
    int bandsOnLastPage;
};

void PrintTo(const PagingCase& c, std::ostream* os) {
    *os << c.columns << " columns";
}

class ListingPaging : public ListingPlanTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(ListingPaging, ThreeBandsOnTheFirstPageFiveOnTheOthersNoEmptyLastPage) {
    const auto& c = GetParam();
    setColumns(c.columns);
    const auto doc = listingDocument(inputs);
    ASSERT_EQ(doc.pageCount, c.pages);
    const int total = listingBandCount(c.columns);
    EXPECT_EQ(bandsOn(doc.page(0), true), std::min(3, total));
    EXPECT_EQ(bandsOn(doc.page(c.pages - 1), c.pages == 1), c.bandsOnLastPage);
    for (int p = 1; p < c.pages; ++p) {
        const auto later = textsOf(doc.page(p));
        EXPECT_EQ(later[0].text, "Pag. " + std::to_string(p + 1) +
                                     " del sistema prova.dvx - Decaventrix - www.decaventrix.it");
        EXPECT_TRUE(later[0].bold);
        EXPECT_DOUBLE_EQ(later[0].y, 250 * kMillimetresPerTwip);
        EXPECT_EQ(later[1].text, "");
        // Everything fits on the A4 page.
        EXPECT_LT(later.back().y + lineHeight(10, kCourierNewLineEm), 297.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Listing, ListingPaging,
                         ::testing::Values(PagingCase{0, 1, 0}, PagingCase{19, 1, 1},
                                           PagingCase{57, 1, 3}, PagingCase{58, 2, 1},
                                           PagingCase{19 * 8, 2, 5}, PagingCase{19 * 8 + 1, 3, 1},
                                           PagingCase{19 * 13, 3, 5}),
                         [](const auto& param) {
                             return std::to_string(param.param.columns) + "columns";
                         });

TEST_F(ListingPlanTest, EachCopyIsItsOwnDocument) {
    const auto copies = listingCopies(inputs, 2);
    ASSERT_EQ(copies.size(), 2u);
    for (const auto& doc : copies) {
        EXPECT_EQ(linesOf(doc.page(0)), linesOf(listingDocument(inputs).page(0)));
    }
    EXPECT_TRUE(listingCopies(inputs, 0).empty());
}

TEST_F(ListingPlanTest, BlackAndWhitePicksTheOtherPictures) {
    const auto images = listingImages("/prog/", false);
    EXPECT_EQ(images.logo, "/prog/images/logoTabulatoBW.jpg");
    EXPECT_EQ(images.vietato, "/prog/images/vietatoBW.jpg");
}

TEST(ListingPrinter, TheStoredPrinterWhenInstalledElseTheDefault) {
    const std::vector<std::string> installed = {"Ufficio", "PDF"};
    EXPECT_EQ(listingPrinterName(installed, "PDF"), "PDF");
    EXPECT_EQ(listingPrinterName(installed, "Cantina"), "");
    EXPECT_EQ(listingPrinterName(installed, ""), "");
    EXPECT_EQ(listingPrinterName({}, "PDF"), "");
}

TEST(PrintZones, ATabMovesToTheNextMultipleOfFourteen) {
    EXPECT_EQ(expandPrintZones("ab\tc"), "ab            c");
    EXPECT_EQ(expandPrintZones("12345678901234\tx"), "12345678901234              x");
    EXPECT_EQ(expandPrintZones("€\t|"), "€             |");
}

} // namespace
} // namespace dvx
