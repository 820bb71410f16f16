#include "SystemOdds.h"

#include "Binomial.h"
#include "Format.h"
#include "NumberSet.h"

#include <bit>
#include <cstdio>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (1u << kNumbers) - 1;

using ScoreMask = std::uint16_t; // bit p: some column scores p

// Bit m of reached[T] tells that some column has exactly m of its ten
// positions outside T. It starts over the columns' own sets (a column of k
// numbers has 10 - k positions that are never drawn) and is turned into
// draws one number at a time, as the archive check's subset sums are: for
// the number b, a draw that holds b keeps every column's count, one without
// it adds 1 to the columns that hold b.
void spreadOverDraws(std::vector<ScoreMask>& reached) {
    for (int b = 0; b < kNumbers; ++b) {
        const std::uint32_t bit = 1u << b;
        for (std::uint32_t t = 0; t <= kAllNumbers; ++t) {
            if ((t & bit) != 0) {
                continue;
            }
            const ScoreMask without = reached[t];
            const ScoreMask with = reached[t | bit];
            reached[t | bit] = static_cast<ScoreMask>(without | with);
            reached[t] = static_cast<ScoreMask>(without | (with << 1));
        }
    }
}

// The next larger set with as many numbers (Gosper).
std::uint32_t nextSameSize(std::uint32_t set) {
    const std::uint32_t lowest = set & (~set + 1);
    const std::uint32_t ripple = set + lowest;
    return ripple | (((set ^ ripple) >> 2) / lowest);
}

ScoreMask winningScores(float pricePerColumn) {
    ScoreMask mask = 0;
    for (int points = 0; points <= kMaxPoints; ++points) {
        if (pointsWin(points, pricePerColumn)) {
            mask = static_cast<ScoreMask>(mask | (1u << points));
        }
    }
    return mask;
}

std::string decimalText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", value);
    return text;
}

} // namespace

SystemOdds systemOdds(const SystemState& system) {
    SystemOdds odds;
    odds.columns = system.sistema.columnCount;
    odds.hasNumerone = system.numerone != 0;
    odds.pricePerColumn = system.pricePerColumn;

    std::vector<ScoreMask> reached(std::size_t{1} << kNumbers, 0);
    std::array<std::int64_t, kColumnSize + 1> columnsBySize{};
    std::vector<const std::uint8_t*> repeatedRows; // scored one by one
    for (std::int32_t i = 1; i <= system.sistema.columnCount; ++i) {
        const std::uint8_t* row = system.colonne.row(i);
        if (const auto set = scoringSet(row)) {
            const int size = countOf(*set);
            reached[static_cast<std::uint32_t>(*set)] |=
                static_cast<ScoreMask>(1u << (kColumnSize - size));
            ++columnsBySize[static_cast<std::size_t>(size)];
        } else {
            repeatedRows.push_back(row);
        }
    }
    spreadOverDraws(reached);

    // Over all draws, a column of k numbers meets C(k, p) x C(20 - k, 10 - p)
    // of them in exactly p numbers.
    for (int size = 0; size <= kColumnSize; ++size) {
        for (int points = 0; points <= size; ++points) {
            odds.columnsByPoints[static_cast<std::size_t>(points)] +=
                columnsBySize[static_cast<std::size_t>(size)] *
                std::int64_t{binomial(size, points)} *
                std::int64_t{binomial(kNumbers - size, kColumnSize - points)};
        }
    }

    const ScoreMask paid = winningScores(system.pricePerColumn);
    std::uint32_t draw = (1u << kColumnSize) - 1;
    for (std::int64_t d = 0; d < kPossibleDraws; ++d, draw = nextSameSize(draw)) {
        const ScoreMask outside = reached[draw];
        // Outside counts m become scores 10 - m.
        ScoreMask scores = 0;
        for (int m = 0; m <= kColumnSize; ++m) {
            if ((outside >> m) & 1u) {
                scores = static_cast<ScoreMask>(scores | (1u << (kColumnSize - m)));
            }
        }
        for (const std::uint8_t* row : repeatedRows) {
            const int points = pointsOf(row, static_cast<NumberSet>(draw));
            scores = static_cast<ScoreMask>(scores | (1u << points));
            ++odds.columnsByPoints[static_cast<std::size_t>(points)];
        }
        // The check starts from highest 0 and lowest 10.
        const int highest = scores == 0 ? 0 : std::bit_width(unsigned{scores}) - 1;
        const int lowest = scores == 0 ? kMaxPoints : std::countr_zero(unsigned{scores});
        ++odds.drawsByMax[static_cast<std::size_t>(highest)];
        ++odds.drawsByMin[static_cast<std::size_t>(lowest)];
        if ((scores & paid) != 0) {
            ++odds.drawsWithWin;
        }
    }
    return odds;
}

double winProbability(const SystemOdds& odds) {
    return static_cast<double>(odds.drawsWithWin) / static_cast<double>(kPossibleDraws);
}

double expectedWinningColumns(const SystemOdds& odds, int singleCheckIndex) {
    const int points = singleCheckPoints(singleCheckIndex);
    if (!pointsWin(points, odds.pricePerColumn)) {
        return 0.0;
    }
    const bool hit = singleCheckHit(singleCheckIndex);
    double numeroneChance = hit ? 0.0 : 1.0;
    if (odds.hasNumerone) {
        numeroneChance = hit ? 1.0 / kNumeroneChances
                             : static_cast<double>(kNumeroneChances - 1) / kNumeroneChances;
    }
    return static_cast<double>(odds.columnsByPoints[static_cast<std::size_t>(points)]) /
           static_cast<double>(kPossibleDraws) * numeroneChance;
}

std::vector<std::string> oddsReport(const SystemOdds& odds) {
    std::vector<std::string> lines;
    lines.push_back("colonne: " + std::to_string(odds.columns));
    lines.push_back("estrazioni possibili: " + std::to_string(kPossibleDraws) + " x " +
                    std::to_string(kNumeroneChances) + " Numeroni");
    for (int points = kMaxPoints; points >= 0; --points) {
        lines.push_back("massimo " + std::to_string(points) + ": " +
                        std::to_string(odds.drawsByMax[static_cast<std::size_t>(points)]));
    }
    for (int points = kMaxPoints; points >= 0; --points) {
        lines.push_back("minimo " + std::to_string(points) + ": " +
                        std::to_string(odds.drawsByMin[static_cast<std::size_t>(points)]));
    }
    lines.push_back("almeno una colonna vincente: " + std::to_string(odds.drawsWithWin) + " su " +
                    std::to_string(kPossibleDraws) + " (" + percentText(winProbability(odds), ".") +
                    ")");
    lines.push_back("colonne vincenti attese per estrazione:");
    for (int index = 0; index < kCategoryCount; ++index) {
        lines.push_back(std::string(kSingleCheckLabels[static_cast<std::size_t>(index)]) + ": " +
                        decimalText(expectedWinningColumns(odds, index)));
    }
    return lines;
}

std::string percentText(double probability, std::string_view decimalSeparator) {
    Separators separators;
    separators.thousands.clear();
    separators.decimal = std::string(decimalSeparator);
    return formatPicture(probability * 100.0, "##0.0000", separators) + "%";
}

OddsTexts oddsTexts(const SystemOdds& odds, const Separators& separators) {
    OddsTexts texts;
    const auto share = [&](std::int64_t draws) {
        return percentText(static_cast<double>(draws) / static_cast<double>(kPossibleDraws),
                           separators.decimal);
    };
    for (std::size_t p = 0; p <= kMaxPoints; ++p) {
        texts.highest[p] = share(odds.drawsByMax[p]);
        texts.lowest[p] = share(odds.drawsByMin[p]);
    }
    texts.win = std::string(kAlmenoUnaCaption) + " " + share(odds.drawsWithWin);
    for (int index = 0; index < kCategoryCount; ++index) {
        texts.expected[static_cast<std::size_t>(index)] =
            formatPicture(expectedWinningColumns(odds, index), "#,##0.000000", separators);
    }
    return texts;
}

} // namespace dvx
