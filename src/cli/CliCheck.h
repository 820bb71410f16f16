#pragma once
// decaventrix-cli check, check-archive and odds: a system's columns scored
// against one winning column, against a range of the draw archive, or
// against every possible draw.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kCheckUsage =
    "check SYSTEM --win LIST --win-numerone N [--numerone N] [--price 1|2]\n"
    "      score the columns of SYSTEM (.dvx or .txt) against the 10 winning\n"
    "      numbers and print the winning columns per category with the highest\n"
    "      and lowest score; --numerone is the system's Numerone (default none),\n"
    "      --price the price per column (default 2)";

inline constexpr std::string_view kCheckArchiveUsage =
    "check-archive SYSTEM --archive FILE.dat [--from I] [--to I] [--numerone N]\n"
    "      [--price 1|2] --csv FILE.csv\n"
    "      score the columns of SYSTEM against the archive's records --from..--to\n"
    "      (default all) and write one row per draw to the CSV file; prints\n"
    "      \"<count> estrazioni\"";

inline constexpr std::string_view kOddsUsage =
    "odds SYSTEM [--numerone N] [--price 1|2]\n"
    "      exact odds of SYSTEM over all 184756 possible draws (the Numerone\n"
    "      1 in 20): \"massimo P: D\" and \"minimo P: D\" for P = 10..0, D the\n"
    "      draws whose highest / lowest column score is P; the draws with at\n"
    "      least one winning column at the price; the winning columns to\n"
    "      expect per draw in each category";

int runCheck(Args& args);
int runCheckArchive(Args& args);
int runOdds(Args& args);

} // namespace dvx::cli
