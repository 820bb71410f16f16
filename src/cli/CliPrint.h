#pragma once
// decaventrix-cli print and listing: slips (and the forecast coupon) or the
// listing of a system, drawn into a PDF file.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kPrintUsage =
    "print SYSTEM --pdf FILE.pdf [--from I] [--to I] [--coupon] [--calibration print.cfg]\n"
    "      [--numerone N] [--price 1|2] [--header TEXT]\n"
    "      one page per slip (slips --from..--to, default all; the forecast coupon\n"
    "      first with --coupon), marks placed by the calibration file (default\n"
    "      Left 20, Top 60, Xdist 5, Ydist 6 mm); prints \"<pages> pagine\"";

inline constexpr std::string_view kListingUsage =
    "listing SYSTEM --pdf FILE.pdf [--header TEXT] [--numerone N] [--price 1|2]\n"
    "      [--copies N] [--images FOLDER] [--bw]\n"
    "      the printed listing of SYSTEM; with --copies each copy follows the\n"
    "      previous one in the same file; pictures from FOLDER (default the\n"
    "      program's data/images), --bw for the black-and-white ones";

int runPrint(Args& args);
int runListing(Args& args);

} // namespace dvx::cli
