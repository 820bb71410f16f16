// Builds the collection of ready-made matrices: for each entry of the table
// below it searches for few columns of positions 1..N (holding the fixed
// positions 1..F) with the guarantee, starting from a max-coverage greedy
// and, at guarantee 9 and 8, from covers invariant under a cyclic shift,
// and writes the matrix text and its index record. The searches are bounded
// by work, not time, so the same program writes the same collection
// anywhere, however many cores share the work.
//
// usage: make_matrices OUTPUT_FOLDER   (writes matrici.qvr and the matrices)
//        make_matrices OUTPUT_FOLDER N/LEVEL/FIXED ...
//                     (only those matrices, e.g. 17/3/0, and their records in
//                      the index already there)

#include "Binomial.h"
#include "MatricesIndex.h"
#include "MatrixDesign.h"
#include "MatrixFile.h"
#include "Model.h"
#include "NumberSet.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace dvx;

// The work each search may take. Where the greedy already gives the best
// cover known, a short search suffices; most goes where the gap between the
// greedy and the best known covers is widest: at guarantee 9 to the weighted
// search and to orbit searches under shifts of blocks of three, four or
// five numbers, at guarantee 8 to the weighted search, long annealing and
// orbits of blocks of four or five, at guarantee 7 to the weighted tabu
// search and, for 19 numbers, to orbits of a cycle of 18.
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
        effort.annealMoves = slack == 5 ? 30'000'000 : 1'000'000;
        if (slack == 6 || slack == 7) {
            // Below a few tens of millions of neighbours the weighted search
            // does better than the annealing: 26 against 28 columns for 16
            // numbers.
            effort.weightedMoves = 5'000'000;
        }
        if (slack >= 7) {
            // Orbits of one cycle of all the numbers for 17 and 19 (51 and
            // 171 columns, where blocks of four give 53 and 178), of blocks
            // of four for 18, of a cycle of ten and two of five for 20 (300,
            // where blocks of five give 310).
            effort.shifts = {free >= 20   ? CycleLengths{10, 5, 5}
                             : free == 18 ? CycleLengths{4, 4, 4, 4}
                                          : CycleLengths{free}};
            effort.orbitRuns = 4;
            effort.orbitMoves = 1'000'000;
            effort.polishMoves = 4'000'000;
        }
    } else if (plan.level == 3 && slack >= 6) {
        effort.annealMoves = slack <= 7 ? 1'500'000 : 300'000;
        if (slack >= 7) {
            // With fixed positions the covers are a handful of columns, and
            // one seed's ends a column above another's (16 or 17 for 20
            // numbers with 2 fixed): four seeds.
            effort.weightedTabuRuns = plan.fixed > 0 ? 4 : 1;
            // Twenty numbers mirror under complements: 30 columns among
            // mirrored covers within 20,000 steps, where the search among all
            // gives 38 after a million.
            effort.complementPairs = free == 2 * size;
            effort.weightedTabuMoves = effort.complementPairs ? 200'000 : 1'000'000;
            if (free == 19) {
                // Nineteen numbers: the orbits of a cycle of 18 with the last
                // number fixed give 27 columns, a whole orbit and one of half
                // length, where the search among all columns stops at 28. No
                // cover under that cycle is cheaper and the weighted tabu
                // search found none from it: no polish.
                effort.shifts = {{18}};
                effort.orbitMoves = 2'000'000;
            }
        }
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

// The processor time of the calling thread, or of the whole program.
double cpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
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

// The designs are searched on every core at once; each search is bounded by
// work and has its own random numbers, so the threads change no column.
std::vector<MatrixDesign> designAll(const std::vector<MatrixPlan>& plans) {
    std::vector<MatrixDesign> done(plans.size());
    std::atomic<std::size_t> next{0};
    std::mutex report;
    const auto work = [&] {
        for (std::size_t i = next++; i < plans.size(); i = next++) {
            const double start = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
            done[i] = designMatrix(plans[i], effortFor(plans[i]));
            const double seconds = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
            const std::lock_guard lock(report);
            std::cerr << fileName(plans[i]) << ": " << done[i].columns.size() << " columns (greedy "
                      << done[i].greedyColumns << "), " << seconds << " s of processor time\n";
        }
    };
    const auto cores = static_cast<std::size_t>(std::max(1U, std::thread::hardware_concurrency()));
    std::vector<std::jthread> workers;
    for (std::size_t w = 0; w < std::min(cores, plans.size()); ++w) {
        workers.emplace_back(work);
    }
    workers.clear(); // joins
    return done;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Puts the record over the index record naming the same matrix file.
void replaceRecord(std::string& index, const MatrixRecordBytes& bytes) {
    const auto file = decodeMatrixRecord(bytes).file;
    for (std::size_t at = 0; at + kMatrixRecordSize <= index.size(); at += kMatrixRecordSize) {
        MatrixRecordBytes old{};
        std::copy_n(index.begin() + static_cast<std::ptrdiff_t>(at), kMatrixRecordSize,
                    old.begin());
        if (decodeMatrixRecord(old).file == file) {
            std::copy(bytes.begin(), bytes.end(), index.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
}

bool samePlan(const MatrixPlan& a, const MatrixPlan& b) {
    return a.numbers == b.numbers && a.level == b.level && a.fixed == b.fixed;
}

// The plans named on the command line, or every plan when none is named.
std::optional<std::vector<MatrixPlan>> chosenPlans(int count, char** names) {
    const auto all = plans();
    if (count == 0) {
        return all;
    }
    std::vector<MatrixPlan> chosen;
    for (int i = 0; i < count; ++i) {
        MatrixPlan plan;
        char end = 0;
        if (std::sscanf(names[i], "%d/%d/%d%c", &plan.numbers, &plan.level, &plan.fixed, &end) !=
                3 ||
            std::none_of(all.begin(), all.end(),
                         [&](const MatrixPlan& p) { return samePlan(p, plan); })) {
            std::cerr << "no such matrix: " << names[i] << "\n";
            return std::nullopt;
        }
        chosen.push_back(plan);
    }
    return chosen;
}

} // namespace

int main(int argc, char** argv) {
    const auto chosen = argc >= 2 ? chosenPlans(argc - 2, argv + 2) : std::nullopt;
    if (!chosen) {
        std::cerr << "usage: make_matrices OUTPUT_FOLDER [N/LEVEL/FIXED ...]\n";
        return 2;
    }
    const bool whole = argc == 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const auto indexPath = folder / "matrici.qvr";

    // Rebuilding some matrices updates their records in the index there,
    // leaving every other byte of it as it was.
    std::string index = whole ? std::string() : readFile(indexPath);
    const auto designs = designAll(*chosen);
    for (std::size_t i = 0; i < chosen->size(); ++i) {
        const MatrixPlan& plan = (*chosen)[i];
        const MatrixDesign& design = designs[i];
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
        if (whole) {
            index.append(bytes.begin(), bytes.end());
        } else {
            replaceRecord(index, bytes);
        }
    }
    if (!index.empty() && !writeFile(indexPath, index)) {
        std::cerr << "cannot write the index\n";
        return 1;
    }
    std::cerr << "in all: " << cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) << " s of processor time\n";
    return 0;
}
