#pragma once
// decaventrix-cli show and import: system files and column text files.

#include "Args.h"

#include <string_view>

namespace dvx::cli {

inline constexpr std::string_view kShowUsage =
    "show FILE.dvx|FILE.txt\n"
    "      print the system's summary, its conditions and its columns; a .txt file\n"
    "      is read as a column text file, as the import reads it";

inline constexpr std::string_view kImportUsage =
    "import FILE.txt --save FILE.dvx\n"
    "      read a column text file and write it as a system file; prints\n"
    "      \"<count> colonne, FILE TXT\"";

int runShow(Args& args);
int runImport(Args& args);

} // namespace dvx::cli
