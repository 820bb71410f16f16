#pragma once
// decaventrix-cli archive and stats: the draw archive file from the command line.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kArchiveUsage =
    "archive import FILE.txt --archive FILE.dat\n"
    "      read draws in the server's text format (14 fields split at '|', CR LF\n"
    "      lines) and write them as the archive file; prints \"<count> estrazioni\"\n"
    "  archive update [--url URL] [--timeout SECONDS] [--allow-shrink] --archive FILE.dat\n"
    "      download the draws from the server (default: the vendor's archive\n"
    "      address) and replace the archive file; a reply without draws, or cut\n"
    "      short, keeps it, and so does one with fewer draws than the archive\n"
    "      unless --allow-shrink; --timeout is 1..3600 seconds\n"
    "  archive list --archive FILE.dat\n"
    "      print the archive window's list of draws, last draw first";

inline constexpr std::string_view kStatsUsage =
    "stats --archive FILE.dat --csv FILE.csv\n"
    "      write the statistics file and print the six distributions";

int runArchive(Args& args);
int runStats(Args& args);

} // namespace dvx::cli
