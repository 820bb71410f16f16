#pragma once
// decaventrix-cli adapt and verify: ready-made matrices and guarantee checks.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kAdaptUsage =
    "adapt --index matrici.qvr --record I --numbers LIST [--fixed LIST] [--shuffle]\n"
    "          --save FILE.dvx\n"
    "      --index FILE          the matrices index; the matrix files sit beside it\n"
    "      --record I            the I-th record of the index (1 = first), in file order\n"
    "      --numbers LIST        the numbers in play, as many as the matrix is built for\n"
    "      --fixed LIST          the fixed numbers, one for each fixed position of the\n"
    "                            matrix, in the order they take the positions\n"
    "      --shuffle             shuffle the adapted columns\n"
    "      --save FILE.dvx       write the system file\n"
    "    prints \"<count> colonne, <type>\"";

inline constexpr std::string_view kVerifyUsage =
    "verify FILE.dvx|FILE.txt --numbers LIST --level K\n"
    "      checks that every 10 numbers out of LIST share at least 10-K numbers with\n"
    "      some column of the system (K = 0..3); a .txt file is a column text file\n"
    "    exit 0 when the guarantee holds, 1 (printing the first combination not\n"
    "    covered) when it does not";

int runAdapt(Args& args);
int runVerify(Args& args);

} // namespace dvx::cli
