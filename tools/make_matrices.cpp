// Builds the collection of ready-made matrices: for each entry of the table
// below it develops the combinations of positions 1..N that contain the
// fixed positions 1..F, reduces them with the program's own greedy
// reduction, and writes the matrix text and its index record.
//
// usage: make_matrices OUTPUT_FOLDER   (writes matrici.qvr and the matrices)

#include "MatricesIndex.h"
#include "MatrixFile.h"
#include "Model.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace dvx;

struct MatrixPlan {
    int numbers; // N
    int level;   // k: guarantee 10 - k
    int fixed;   // F
};

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

// The combinations of 10 positions out of 1..n that hold 1..fixed, in
// lexicographic order, as number sets in candidates[1..].
std::int32_t develop(int n, int fixed, std::vector<NumberSet>& candidates) {
    std::int32_t count = 0;
    int pick[kColumnSize];
    for (int i = 0; i < kColumnSize; ++i) {
        pick[i] = i + 1;
    }
    while (true) {
        NumberSet set = 0;
        for (int p : pick) {
            set |= maskOf(p);
        }
        candidates[static_cast<std::size_t>(++count)] = set;
        // Advance the rightmost position that can move; the first `fixed`
        // positions never move.
        int i = kColumnSize - 1;
        while (i >= fixed && pick[i] == n - (kColumnSize - 1 - i)) {
            --i;
        }
        if (i < fixed) {
            return count;
        }
        ++pick[i];
        for (int j = i + 1; j < kColumnSize; ++j) {
            pick[j] = pick[j - 1] + 1;
        }
    }
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

    std::vector<NumberSet> candidates(static_cast<std::size_t>(kColumnCapacity) + 1, 0);
    ColumnTable colonne;
    Progress quiet;
    const bool noCancel = false;
    std::string index;
    for (const auto& plan : plans()) {
        const auto start = std::chrono::steady_clock::now();
        const auto n = develop(plan.numbers, plan.fixed, candidates);
        colonne.clearAll();
        const auto kept = ridotto(colonne, candidates.data(), n, plan.level, noCancel, quiet);
        std::vector<std::uint8_t> positions;
        for (int r = 1; r <= kept; ++r) {
            positions.insert(positions.end(), colonne.row(r), colonne.row(r) + kColumnSize);
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
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cerr << record.file << ": " << n << " combinations, " << kept << " columns, "
                  << took.count() << " s\n";
    }
    if (!writeFile(folder / "matrici.qvr", index)) {
        std::cerr << "cannot write the index\n";
        return 1;
    }
    return 0;
}
