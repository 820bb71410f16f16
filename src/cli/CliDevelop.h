#pragma once
// decaventrix-cli develop: develops a system from options and prints its size.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kDevelopUsage =
    "develop --numbers LIST [--sum LO-HI] [--even LIST] [--fixed LIST]\n"
    "          [--consecutive LIST] [--filter NUMS:PRESENCES]...\n"
    "          [--reduce K [--optimise]] [--export FILE.txt] [--save FILE.dvx]\n"
    "      --numbers LIST        the numbers in play: 10 to 20 distinct numbers 1..20\n"
    "      --sum LO-HI           allowed sums of a column, 55..155\n"
    "      --even LIST           allowed counts of even numbers in a column, 0..10\n"
    "      --fixed LIST          up to 9 numbers every column must hold (those not in\n"
    "                            play are dropped)\n"
    "      --consecutive LIST    allowed lengths of the longest run of consecutive\n"
    "                            numbers, 1..10\n"
    "      --filter NUMS:PRESENCES  a filter column (numbers 1..20) and how many of a\n"
    "                            column's numbers it may hold (0..10); up to 100\n"
    "      --reduce K            reduce with a guarantee of 10-K, K = 0..3 (0 keeps all, "
    "reordered)\n"
    "      --optimise            with --reduce: search for far fewer columns with the\n"
    "                            same guarantee over the developed columns (slower;\n"
    "                            the same input always gives the same columns)\n"
    "      --export FILE.txt     write the columns as a column text file\n"
    "      --save FILE.dvx       write the system file\n"
    "    prints \"<count> colonne, <type>\"";

int runDevelop(Args& args);

} // namespace dvx::cli
