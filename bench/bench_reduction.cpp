// Reduction at N-1, N-2 and N-3 of the integral development of all 20
// numbers and of a sum-conditioned one: the fast reduction against the
// literal two-pass one, in one run, with the kept rows compared and the
// speed ratio printed at the end (exit status 1 when the rows differ).

#include "LexicographicColumns.h"
#include "LiteralReduction.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

using dvx::ColumnTable;
using dvx::NumberSet;
using Reducer = std::int32_t (*)(ColumnTable&, NumberSet*, std::int32_t, int, const bool&,
                                 dvx::Progress&);

struct Measure {
    bool ran = false;
    double seconds = 0; // processor time per run (others may share the machine)
    std::int32_t kept = 0;
    std::vector<std::uint8_t> rows;
};

// The candidates: every column of 1..20, and those of a typical sum
// condition (the development keeps the lexicographic order).
struct Input {
    const char* name;
    std::vector<NumberSet> candidates; // 1-based
};

std::vector<Input> makeInputs() {
    const std::vector<NumberSet> all =
        dvx::test::lexicographicColumns(dvx::test::numbersUpTo(dvx::kNumbers));
    std::vector<NumberSet> sum{0};
    for (std::size_t i = 1; i < all.size(); ++i) {
        int total = 0;
        for (int x = 1; x <= dvx::kNumbers; ++x) {
            total += dvx::contains(all[i], x) ? x : 0;
        }
        if (total >= 100 && total <= 110) {
            sum.push_back(all[i]);
        }
    }
    return {{"all20", all}, {"sum100to110", sum}};
}

// What each benchmark measured, by input and level, for the summary.
struct Results {
    std::vector<Input> inputs = makeInputs();
    std::vector<std::array<Measure, 4>> fast = std::vector<std::array<Measure, 4>>(inputs.size());
    std::vector<std::array<Measure, 4>> literal =
        std::vector<std::array<Measure, 4>>(inputs.size());
};

void reduce(benchmark::State& state, Reducer reducer, const Input* input, Measure* measures) {
    const int level = static_cast<int>(state.range(0));
    auto colonne = std::make_unique<ColumnTable>();
    const bool cancel = false;
    dvx::Progress progress;
    std::vector<NumberSet> candidates;
    double total = 0;
    std::int64_t runs = 0;
    std::int32_t kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        candidates = input->candidates;
        state.ResumeTiming();
        const std::clock_t start = std::clock();
        kept = reducer(*colonne, candidates.data(),
                       static_cast<std::int32_t>(candidates.size()) - 1, level, cancel, progress);
        total += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        ++runs;
        benchmark::DoNotOptimize(kept);
    }
    Measure& measure = measures[level];
    measure.ran = true;
    measure.seconds = total / static_cast<double>(runs);
    measure.kept = kept;
    measure.rows.assign(colonne->row(1), colonne->row(1) + kept * dvx::kColumnSize);
    state.counters["candidates"] = static_cast<double>(input->candidates.size() - 1);
    state.counters["kept"] = kept;
}

} // namespace

int main(int argc, char** argv) {
    Results results;
    for (std::size_t i = 0; i < results.inputs.size(); ++i) {
        const Input* input = &results.inputs[i];
        for (int level = 1; level <= 3; ++level) {
            benchmark::RegisterBenchmark((std::string("Fast/") + input->name).c_str(), reduce,
                                         dvx::ridotto, input, results.fast[i].data())
                ->Arg(level)
                ->Unit(benchmark::kMillisecond);
        }
        for (int level = 1; level <= 3; ++level) {
            benchmark::RegisterBenchmark((std::string("Literal/") + input->name).c_str(), reduce,
                                         dvx::test::literalRidotto, input,
                                         results.literal[i].data())
                ->Arg(level)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    if (!dvx::bench::runBenchmarks(argc, argv)) {
        return 1;
    }

    int status = 0;
    for (std::size_t i = 0; i < results.inputs.size(); ++i) {
        for (std::size_t level = 1; level <= 3; ++level) {
            const Measure& fast = results.fast[i][level];
            const Measure& literal = results.literal[i][level];
            if (!fast.ran || !literal.ran) {
                continue;
            }
            const bool same = fast.kept == literal.kept && fast.rows == literal.rows;
            std::printf("%s N-%zu: %d columns, fast %.2f ms, literal %.1f ms, fast/literal %.4f "
                        "(%.1fx faster), rows %s\n",
                        results.inputs[i].name, level, fast.kept, fast.seconds * 1e3,
                        literal.seconds * 1e3, fast.seconds / literal.seconds,
                        literal.seconds / fast.seconds, same ? "identical" : "DIFFERENT");
            if (!same) {
                status = 1;
            }
        }
    }
    return status;
}
