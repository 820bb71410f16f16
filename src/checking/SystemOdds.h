#pragma once
// Exact odds of the current system over every possible draw: the 184756
// ways to draw 10 numbers out of 20, each with a Numerone that is one of 20.

#include "Format.h"
#include "Model.h"
#include "PrizeCategories.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::int64_t kPossibleDraws = 184756; // C(20, 10)
inline constexpr int kNumeroneChances = kNumbers;

inline constexpr std::string_view kProbabilitaCaption = "Probabilità";
inline constexpr std::string_view kAlmenoUnaCaption = "Almeno una colonna vincente:";

using DrawsByPoints = std::array<std::int64_t, kMaxPoints + 1>;

struct SystemOdds {
    // How many of the possible draws give p as the highest (lowest) score
    // of the system's columns, by p. Without columns the check's start
    // values stand: highest 0, lowest 10.
    DrawsByPoints drawsByMax{};
    DrawsByPoints drawsByMin{};
    // Draws in which at least one column wins at the system's price.
    std::int64_t drawsWithWin = 0;
    // Over all possible draws, how many columns score p, by p: divided by
    // kPossibleDraws, the columns to expect per draw.
    DrawsByPoints columnsByPoints{};
    // The system's size and stake, which the categories below depend on.
    std::int32_t columns = 0;
    bool hasNumerone = false;
    float pricePerColumn = 2.0f;

    friend bool operator==(const SystemOdds&, const SystemOdds&) = default;
};

// Scores rows 1..column count of the system against every possible draw.
// The cost does not grow with the number of columns beyond reading them.
SystemOdds systemOdds(const SystemState& system);

// The chance of at least one winning column in a draw.
double winProbability(const SystemOdds& odds);

// Winning columns to expect per draw in the category of the single check's
// index 0..15: its score's share times the chance of the Numerone, 1 in 20
// for a hit when the system has one (never a hit otherwise). 0 for a
// category the price does not pay.
double expectedWinningColumns(const SystemOdds& odds, int singleCheckIndex);

// The lines `decaventrix-cli odds` prints: the system's figures, then
// "massimo P: D" and "minimo P: D" for P = 10..0, the draws with a winning
// column and the winning columns to expect per category. Decimals with a
// point, so that scripts can read them whatever the locale.
std::vector<std::string> oddsReport(const SystemOdds& odds);

// A probability as a percentage with four decimals: "12,3457%".
std::string percentText(double probability, std::string_view decimalSeparator);

// What the single check's odds panel shows, with the user's separators.
struct OddsTexts {
    // By score p: the share of the draws whose highest (lowest) score is p.
    std::array<std::string, kMaxPoints + 1> highest;
    std::array<std::string, kMaxPoints + 1> lowest;
    std::string win; // "Almeno una colonna vincente: 99,4577%"
    // By single-check index: winning columns to expect per draw, "3,406006".
    std::array<std::string, kCategoryCount> expected;
};
OddsTexts oddsTexts(const SystemOdds& odds, const Separators& separators);

} // namespace dvx
