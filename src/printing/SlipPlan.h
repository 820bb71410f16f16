#pragma once
// The pages of slip printing: one slip per column, the forecast coupon
// ("Cedola Pronostico") and the calibration's test slip, placed with the
// calibration in millimetres.

#include "Calibration.h"
#include "Format.h"
#include "Model.h"
#include "PagePlan.h"

#include <string>
#include <string_view>

namespace dvx {

// The coupon's texts are not placed by the calibration: fixed spots near
// the top-left corner, clear of the grid.
inline constexpr double kCouponHeaderX = 10.0;
inline constexpr double kCouponHeaderY = 8.0;
inline constexpr double kCouponSummaryX = 10.0;
inline constexpr double kCouponSummaryY = 18.0;

inline constexpr std::string_view kTestSlipName = "NOME_SISTEMA.LEC ";

// What a slip run prints besides the columns.
struct SlipPrintInputs {
    const SystemState* system = nullptr;
    Calibration calibration;
    std::string header;     // the settings' print header
    std::string systemName; // the main window's first status panel
    Separators separators;
};

PrintQuality qualityOf(const Calibration& calibration);

// One column per slip: the number of slips is the number of columns.
int slipCount(const SystemState& system);

// Slip k prints column k (1-based).
Page slipPage(const SlipPrintInputs& inputs, int k);
Page couponPage(const SlipPrintInputs& inputs);
// Every box marked, placeholder texts, slip number 0.
Page testSlipPage(const Calibration& calibration, std::string_view header, float pricePerColumn,
                  const Separators& separators = {});

// The coupon first when asked, then slips from..to, cut at the last column.
struct SlipRun {
    bool coupon = false;
    int from = 1;
    int to = 0;
};
PrintDocument slipDocument(const SlipPrintInputs& inputs, const SlipRun& run);
// Which slip a page of that document carries; 0 for the coupon.
int slipNumberOfPage(const SlipRun& run, int pageIndex);

PrintDocument testSlipDocument(const Calibration& calibration, std::string_view header,
                               float pricePerColumn, const Separators& separators = {});

} // namespace dvx
