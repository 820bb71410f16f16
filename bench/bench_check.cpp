// Archive check of the integral system of all 20 numbers (184756 columns)
// against 20000 draws: the overlap-count check against the literal
// column-by-column one, in one run, with the rows compared and the speed
// ratio printed at the end (exit status 1 when the rows differ). A third run
// times what the window does with the result as well: the cell texts of every
// row and the widest cell of each column.

#include "ArchiveCheck.h"
#include "CheckGrid.h"
#include "LexicographicColumns.h"
#include "LiteralCheck.h"
#include "NumberSet.h"
#include "Progress.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace {

using dvx::ArchiveCheckRow;

constexpr int kDraws = 20000;

struct Measure {
    bool ran = false;
    double seconds = 0; // processor time per run (others may share the machine)
    std::vector<ArchiveCheckRow> rows;
};

std::unique_ptr<dvx::SystemState> integralOfTwenty() {
    auto system = std::make_unique<dvx::SystemState>();
    const auto sets = dvx::test::lexicographicColumns(dvx::test::numbersUpTo(dvx::kNumbers));
    for (std::size_t i = 1; i < sets.size(); ++i) {
        dvx::rowOfSet(sets[i], system->colonne.row(static_cast<int>(i)));
    }
    system->sistema.columnCount = static_cast<std::int32_t>(sets.size() - 1);
    system->developedMark = dvx::kDeveloped;
    system->numerone = 7;
    system->pricePerColumn = 2.0f;
    return system;
}

dvx::Archivio randomDraws() {
    std::mt19937 random(2026);
    std::vector<int> pool = dvx::test::numbersUpTo(dvx::kNumbers);
    dvx::Archivio archivio;
    archivio.resize(kDraws);
    for (int k = 1; k <= kDraws; ++k) {
        std::shuffle(pool.begin(), pool.end(), random);
        auto& draw = archivio[k];
        draw.concorso = k;
        draw.data = "10/12/2026";
        draw.ora = "14:00";
        for (int p = 0; p < dvx::kColumnSize; ++p) {
            draw.numeri |= dvx::maskOf(pool[static_cast<std::size_t>(p)]);
        }
        draw.numerone = static_cast<std::uint8_t>(pool[dvx::kColumnSize]);
    }
    return archivio;
}

struct Input {
    std::unique_ptr<dvx::SystemState> system = integralOfTwenty();
    dvx::Archivio archivio = randomDraws();
};

template <typename Check>
void check(benchmark::State& state, const Input* input, Measure* measure, Check run) {
    double total = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        measure->rows = run(*input);
        total += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        ++runs;
        benchmark::DoNotOptimize(measure->rows.data());
    }
    measure->ran = true;
    measure->seconds = total / static_cast<double>(runs);
    state.counters["columns"] = input->system->sistema.columnCount;
    state.counters["draws"] = input->archivio.upperBound();
}

} // namespace

int main(int argc, char** argv) {
    const Input input;
    Measure fast;
    Measure literal;
    benchmark::RegisterBenchmark(
        "Fast/integral20x20000", check<std::vector<ArchiveCheckRow> (*)(const Input&)>, &input,
        &fast,
        [](const Input& in) {
            dvx::Progress progress;
            return dvx::SpoglioArchivioEstrazioni(*in.system, in.archivio, 1,
                                                  in.archivio.upperBound(), progress);
        })
        ->Unit(benchmark::kMillisecond);
    Measure withGrid;
    benchmark::RegisterBenchmark(
        "FastWithGridTexts/integral20x20000", check<std::vector<ArchiveCheckRow> (*)(const Input&)>,
        &input, &withGrid,
        [](const Input& in) {
            dvx::Progress progress;
            auto rows = dvx::SpoglioArchivioEstrazioni(*in.system, in.archivio, 1,
                                                       in.archivio.upperBound(), progress);
            const auto texts = dvx::gridTexts(rows);
            benchmark::DoNotOptimize(dvx::widestCells(texts));
            return rows;
        })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Literal/integral20x20000",
                                 check<std::vector<ArchiveCheckRow> (*)(const Input&)>, &input,
                                 &literal,
                                 [](const Input& in) {
                                     return dvx::test::literalArchiveCheck(
                                         *in.system, in.archivio, 1, in.archivio.upperBound());
                                 })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    if (!dvx::bench::runBenchmarks(argc, argv)) {
        return 1;
    }

    if (!fast.ran || !literal.ran) {
        return 0;
    }
    const bool same = fast.rows == literal.rows;
    std::printf("integral of 20 (%d columns) x %d draws: fast %.1f ms, literal %.1f ms, "
                "fast/literal %.5f (%.1fx faster), rows %s\n",
                input.system->sistema.columnCount, input.archivio.upperBound(), fast.seconds * 1e3,
                literal.seconds * 1e3, fast.seconds / literal.seconds,
                literal.seconds / fast.seconds, same ? "identical" : "DIFFERENT");
    return same ? 0 : 1;
}
