#include "SlipPlan.h"

#include "LineHeight.h"
#include "PrintedTexts.h"
#include "SlipGrid.h"

#include <algorithm>

namespace dvx {

namespace {

constexpr std::string_view kSlipFont = "Arial";

TextItem text(double x, double y, std::string content, double size, int rotation = 0) {
    return TextItem{x, y, std::move(content), std::string(kSlipFont), size, false, rotation, false};
}

// The texts every slip carries, the test slip with placeholders.
void addSlipTexts(Page& page, const Calibration& c, std::string_view name, int slipNumber,
                  float pricePerColumn, std::string_view header, const Separators& sep) {
    const double left = c.left;
    const double top = c.top;
    const double x = left - 10.0;
    page.items.push_back(text(x, top - 55.0, std::string(name), 8));
    page.items.push_back(text(x, top - 55.0 + lineHeight(8, kArialLineEm),
                              "Scheda N. " + formatPicture(slipNumber, "###,##0", sep), 8));
    auto price = text(0, 0, formatPicture(pricePerColumn, "            € #0.00", sep), 30);
    price.continuesPrevious = true;
    page.items.push_back(std::move(price));
    page.items.push_back(text(x, top + 82.0, std::string(header), 8));
    page.items.push_back(text(x, top + 147.0, std::string(kSlipProductText), 18, 90));
    page.items.push_back(text(x + 5.0 * static_cast<double>(c.xDist), top + 145.0,
                              std::string(kWebAddress), 18, 90));
}

void addMarks(Page& page, const std::vector<GridBox>& boxes, const Calibration& c) {
    for (const auto& box : boxes) {
        const auto corner = boxCorner(box, c);
        page.items.push_back(RectItem{corner.x, corner.y, kMarkSide, kMarkSide});
    }
}

// Blanks in front up to width characters (the euro sign counts as one).
std::string rightAligned(const std::string& s, std::size_t width) {
    std::size_t characters = 0;
    for (const unsigned char ch : s) {
        characters += (ch & 0xC0) != 0x80;
    }
    return characters >= width ? s : std::string(width - characters, ' ') + s;
}

} // namespace

PrintQuality qualityOf(const Calibration& calibration) {
    return calibration.normalQuality() ? PrintQuality::Normal : PrintQuality::Draft;
}

int slipCount(const SystemState& system) {
    return std::max(0, system.sistema.columnCount);
}

Page slipPage(const SlipPrintInputs& in, int k) {
    Page page;
    const auto& system = *in.system;
    addSlipTexts(page, in.calibration, in.systemName, k, system.pricePerColumn, in.header,
                 in.separators);
    addMarks(page, slipBoxes(system.colonne.row(k), system.numerone, system.pricePerColumn),
             in.calibration);
    return page;
}

Page couponPage(const SlipPrintInputs& in) {
    Page page;
    const auto& system = *in.system;
    page.items.push_back(text(kCouponHeaderX, kCouponHeaderY, in.header, 8));
    page.items.push_back(text(kCouponSummaryX, kCouponHeaderY + lineHeight(8, kArialLineEm),
                              std::string(kProductName) + " - " + std::string(kWebAddress), 8));
    addMarks(page, couponBoxes(system.sistema, system.numerone), in.calibration);
    const double line32 = lineHeight(32, kArialLineEm);
    // Beyond the grid's last column, clear of its marks.
    double y =
        static_cast<double>(in.calibration.top) + 25.0 * static_cast<double>(in.calibration.yDist);
    const double cost = static_cast<double>(system.pricePerColumn) * system.sistema.columnCount;
    const std::string summary[] = {
        std::to_string(system.sistema.countInPlay) + " Numeri",
        system.sistema.typeText.substr(0, 18),
        formatPicture(cost, "€ #0.00", in.separators),
    };
    for (const auto& line : summary) {
        page.items.push_back(text(kCouponSummaryX, y, rightAligned(line, 18), 32));
        y += line32;
    }
    page.items.push_back(text(kCouponSummaryX, kCouponSummaryY, in.systemName, 22));
    return page;
}

Page testSlipPage(const Calibration& calibration, std::string_view header, float pricePerColumn,
                  const Separators& separators) {
    Page page;
    addSlipTexts(page, calibration, kTestSlipName, 0, pricePerColumn, header, separators);
    addMarks(page, allSlipBoxes(), calibration);
    return page;
}

PrintDocument slipDocument(const SlipPrintInputs& inputs, const SlipRun& run) {
    const int last = std::min(run.to, slipCount(*inputs.system));
    const int slips = std::max(0, last - run.from + 1);
    PrintDocument document;
    document.title = "Stampa Schedine " + inputs.systemName;
    document.quality = qualityOf(inputs.calibration);
    document.pageCount = slips + (run.coupon ? 1 : 0);
    document.page = [inputs, run](int index) {
        const int k = slipNumberOfPage(run, index);
        return k == 0 ? couponPage(inputs) : slipPage(inputs, k);
    };
    return document;
}

int slipNumberOfPage(const SlipRun& run, int pageIndex) {
    if (run.coupon) {
        return pageIndex == 0 ? 0 : run.from + pageIndex - 1;
    }
    return run.from + pageIndex;
}

PrintDocument testSlipDocument(const Calibration& calibration, std::string_view header,
                               float pricePerColumn, const Separators& separators) {
    return documentOf("Test Taratura", qualityOf(calibration),
                      {testSlipPage(calibration, header, pricePerColumn, separators)});
}

} // namespace dvx
