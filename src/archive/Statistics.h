#pragma once
// Statistics over the whole archive: six distributions and a semicolon file
// with one line per draw and its derived values, last draw first.

#include "Archivio.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace dvx {

class Platform;

inline constexpr std::string_view kStatisticsCaption = "Statistiche Archivio Estrazioni";
inline constexpr std::string_view kStatisticsBusyText = "Elaborazione in corso\r\nAttendere....";
inline constexpr std::string_view kStatisticsFileToolTip = "File Statistiche CSV";
inline constexpr std::string_view kStatisticsLockedText =
    "Chiudere il file delle statistiche per proseguire !!!";
inline constexpr std::string_view kStatisticsLockedTitle = "ERRORE";
inline constexpr std::string_view kStatisticsHeader =
    "Concorso;Data;Ora;P1;P2;P3;P4;P5;P6;P7;P8;P9;P10;Numerone;Ripetuti;Pari;Dispari;"
    "Consecutivi;Somma";

// The six statistics in the order of the window's options.
enum class Statistic { Consecutivi, Ripetuti, Pari, Dispari, Somma, Frequenza };
inline constexpr std::array<std::string_view, 6> kStatisticOptionCaptions = {
    "&Consecutivi", "&Ripetuti", "&Pari", "&Dispari", "&Somma", "&Frequenza"};

// What a draw's ten numbers give.
struct DrawFigures {
    int ripetuti = 0;    // numbers also in the previous draw
    int pari = 0;        // even numbers
    int dispari = 0;     // 10 - pari
    int consecutivi = 0; // longest run of numbers following each other by 1
    int somma = 0;       // sum of the numbers
};

// previous is the draw before (0 for none).
DrawFigures figuresOf(NumberSet numeri, NumberSet previous);

// Sum class 1..10 (1 = 55..65, k >= 2 covers 10k+46..10k+55); 0 outside 55..155.
int sommaClass(int somma);

// Counts of draws. Each table is indexed by its key as the window shows it:
// consecutivi 1..10, ripetuti/pari/dispari 0..10, somma by class 1..10,
// frequenza by number 1..20; unused slots stay 0.
struct StatTables {
    std::array<std::int32_t, 11> consecutivi{};
    std::array<std::int32_t, 11> ripetuti{};
    std::array<std::int32_t, 11> pari{};
    std::array<std::int32_t, 11> dispari{};
    std::array<std::int32_t, 11> somma{};
    std::array<std::int32_t, kNumbers + 1> frequenza{};

    friend bool operator==(const StatTables&, const StatTables&) = default;
};

struct StatisticsRun {
    StatTables tables;
    std::string csv; // the statistics file's bytes (Windows-1252, CR LF lines)
};

// Every record that holds a draw (ten numbers 1..20), from the last to the
// first; empty records, and any other set a damaged archive file may hold,
// are skipped. A draw's Ripetuti counts only when the record before it holds
// a draw.
StatisticsRun computeStatistics(const Archivio& archivio);

// programFolder (ending with '/') + "archivio/stat.csv"
std::string statisticsPath(const std::string& programFolder);

using FileWriter = std::error_code (*)(const std::filesystem::path&, std::string_view);

// Computes the tables and writes the statistics file through writer. When
// the file cannot be written the message is shown (a file held by another
// program asks to close it) and the tables are still returned.
StatTables Statistiche(const Archivio& archivio, const std::string& csvPath, Platform& platform,
                       FileWriter writer);
StatTables Statistiche(const Archivio& archivio, const std::string& csvPath, Platform& platform);

// One statistic as the chart shows it: its name and one labelled bar per
// table entry, in key order.
struct StatChart {
    std::string name;
    std::vector<std::int32_t> values;
    std::vector<std::string> keys;   // e.g. "055-065"
    std::vector<std::string> labels; // e.g. "055-065 -->      12"
};
StatChart chartOf(const StatTables& tables, Statistic statistic);

} // namespace dvx
