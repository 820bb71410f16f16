// Builds the collection of ready-made matrices: for each entry of the table
// below it searches for few columns of positions 1..N (holding the fixed
// positions 1..F) with the guarantee, starting from a max-coverage greedy
// and, at guarantee 9, from covers invariant under a cyclic shift, and
// writes the matrix text and its index record. The searches are bounded by
// work, not time, so the same program writes the same collection anywhere.
//
// usage: make_matrices OUTPUT_FOLDER   (writes matrici.qvr and the matrices)

#include "Binomial.h"
#include "MatricesIndex.h"
#include "MatrixDesign.h"
#include "MatrixFile.h"
#include "Model.h"
#include "NumberSet.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace dvx;

// The work each search may take. Where the greedy already gives the best
// cover known, a short search suffices; most goes where the gap between the
// greedy and the best known covers is widest: at guarantee 9 to the weighted
// search and to orbit searches under shifts of blocks of three, four or
// five numbers, at guarantee 8 to long annealing and orbits of blocks of
// four or five.
MatrixEffort effortFor(const MatrixPlan& plan) {
    MatrixEffort effort;
    effort.seed = static_cast<std::uint64_t>(plan.numbers * 100 + plan.level * 10 + plan.fixed);
    const int free = plan.numbers - plan.fixed;
    const int size = kColumnSize - plan.fixed;
    const int slack = free - size; // numbers beyond a column's
    effort.annealMoves = 100'000;
    if (plan.level == 1 && slack >= 3 && slack <= 7) {
        effort.annealMoves = 2'000'000;
        effort.weightedMoves = 1'000'000;
        effort.weightedRuns = 4;
        // The shift that did best of those we tried, for each count of numbers.
        if (free == 15) {
            effort.shifts = {{3, 3, 3}};
        } else if (free == 16) {
            effort.shifts = {{5, 5}};
        } else if (free == 17) {
            effort.shifts = {{4, 4, 4}};
        }
        effort.orbitRuns = 8;
        effort.orbitMoves = 3'000'000;
        effort.polishMoves = 40'000'000;
        effort.polishRuns = 2;
    } else if (plan.level == 1 && slack > 7) {
        // Thousands of columns: a few hundred moves per point to cover.
        effort.annealMoves = 250 * binomial(free, size);
    } else if (plan.level == 2 && slack >= 5) {
        effort.annealMoves = slack <= 6 ? 30'000'000 : 1'000'000;
        if (slack >= 7) {
            // Orbits of a shift by four or five, the numbers left over fixed.
            effort.shifts = {free >= 20   ? CycleLengths{5, 5, 5, 5}
                             : free >= 18 ? CycleLengths{4, 4, 4, 4}
                                          : CycleLengths{4, 4, 4}};
            effort.orbitMoves = 1'000'000;
            effort.polishMoves = 4'000'000;
        }
    } else if (plan.level == 3 && slack >= 6) {
        effort.annealMoves = slack <= 7 ? 1'500'000 : 300'000;
    }
    return effort;
}

std::vector<MatrixPlan> plans() {
    std::vector<MatrixPlan> all;
    for (int n = 11; n <= 20; ++n) {
        for (int level = 1; level <= 3; ++level) {
            all.push_back({n, level, 0});
        }
    }
    const MatrixPlan withFixed[] = {{12, 1, 1}, {14, 1, 1}, {15, 2, 1},
                                    {16, 2, 2}, {18, 3, 2}, {20, 3, 2}};
    all.insert(all.end(), std::begin(withFixed), std::end(withFixed));
    return all;
}

double cpuSeconds(std::clock_t since) {
    return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC;
}

std::string description(const MatrixPlan& plan) {
    const auto n = std::to_string(plan.numbers);
    const auto guarantee = std::to_string(kColumnSize - plan.level);
    switch (plan.fixed) {
    case 0:
        return "Ridotto " + n + " numeri garanzia " + guarantee;
    case 1:
        return n + " numeri 1 fissa garanzia " + guarantee;
    default:
        return n + " numeri " + std::to_string(plan.fixed) + " fisse garanzia " + guarantee;
    }
}

std::string fileName(const MatrixPlan& plan) {
    char name[32];
    std::snprintf(name, sizeof name, "rid%02d_f%d_g%d.txt", plan.numbers, plan.fixed,
                  kColumnSize - plan.level);
    return name;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_matrices OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    std::string index;
    const std::clock_t begin = std::clock();
    for (const auto& plan : plans()) {
        const std::clock_t start = std::clock();
        const auto design = designMatrix(plan, effortFor(plan));
        const auto kept = static_cast<std::int32_t>(design.columns.size());
        std::vector<std::uint8_t> positions;
        for (const NumberSet column : design.columns) {
            std::uint8_t row[kColumnSize] = {};
            rowOfSet(column, row);
            positions.insert(positions.end(), row, row + kColumnSize);
        }
        const MatrixRecord record{"N-" + std::to_string(plan.level),
                                  static_cast<std::uint8_t>(plan.numbers),
                                  description(plan),
                                  static_cast<std::uint8_t>(plan.fixed),
                                  kept,
                                  fileName(plan)};
        if (!writeFile(folder / record.file, formatMatrixText(positions))) {
            std::cerr << "cannot write " << (folder / record.file).string() << "\n";
            return 1;
        }
        const auto bytes = encodeMatrixRecord(record);
        index.append(bytes.begin(), bytes.end());
        std::cerr << record.file << ": " << kept << " columns (greedy " << design.greedyColumns
                  << "), " << cpuSeconds(start) << " s of processor time\n";
    }
    if (!writeFile(folder / "matrici.qvr", index)) {
        std::cerr << "cannot write the index\n";
        return 1;
    }
    std::cerr << "whole collection: " << cpuSeconds(begin) << " s of processor time\n";
    return 0;
}
