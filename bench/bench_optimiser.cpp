// The optimised reduction against the greedy one (the literal reduction of
// the reduced-system rules) on conditioned systems of a few hundred to a
// few thousand developed columns, in one run: columns kept by each, their
// ratio, and the time each takes (fast = optimised, literal = greedy).
// Exit status 1 when the optimised reduction ever keeps more columns.

#include "LexicographicColumns.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"
#include "RidottoOttimizzato.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

using dvx::NumberSet;

struct Input {
    std::string name;
    std::vector<NumberSet> candidates; // 1-based
    int level;
    std::int32_t greedy = 0;
    std::int32_t optimised = 0;
    double greedySeconds = 0;
    double optimisedSeconds = 0;
};

int sumOf(NumberSet set) {
    int total = 0;
    for (int x = 1; x <= dvx::kNumbers; ++x) {
        total += dvx::contains(set, x) ? x : 0;
    }
    return total;
}

// The columns of 1..numbers whose sum lies in lo..hi, in development order.
std::vector<NumberSet> withSum(int numbers, int lo, int hi) {
    std::vector<NumberSet> kept{0};
    for (const NumberSet set : dvx::test::lexicographicColumns(dvx::test::numbersUpTo(numbers))) {
        if (set != 0 && sumOf(set) >= lo && sumOf(set) <= hi) {
            kept.push_back(set);
        }
    }
    return kept;
}

std::vector<Input> makeInputs() {
    struct Plan {
        int numbers, lo, hi, level;
    };
    const Plan plans[] = {{14, 70, 80, 1}, {16, 80, 90, 1},   {18, 94, 96, 1}, {15, 70, 90, 2},
                          {17, 85, 95, 2}, {20, 104, 106, 2}, {16, 75, 95, 3}};
    std::vector<Input> inputs;
    for (const auto& p : plans) {
        auto candidates = withSum(p.numbers, p.lo, p.hi);
        const auto n = candidates.size() - 1;
        inputs.push_back({std::to_string(p.numbers) + "numbers_sum" + std::to_string(p.lo) + "-" +
                              std::to_string(p.hi) + "_" + std::to_string(n) + "columns_N-" +
                              std::to_string(p.level),
                          std::move(candidates), p.level});
    }
    return inputs;
}

void reduce(benchmark::State& state, dvx::Reducer reducer, Input* input, bool optimised) {
    auto colonne = std::make_unique<dvx::ColumnTable>();
    const bool cancel = false;
    dvx::Progress progress;
    std::int32_t kept = 0;
    double seconds = 0;
    for (auto _ : state) {
        auto candidates = input->candidates;
        const std::clock_t start = std::clock();
        kept =
            reducer(*colonne, candidates.data(), static_cast<std::int32_t>(candidates.size()) - 1,
                    input->level, cancel, progress);
        seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(kept);
    }
    (optimised ? input->optimised : input->greedy) = kept;
    (optimised ? input->optimisedSeconds : input->greedySeconds) = seconds;
    state.counters["kept"] = kept;
}

} // namespace

int main(int argc, char** argv) {
    auto inputs = makeInputs();
    for (auto& input : inputs) {
        benchmark::RegisterBenchmark((input.name + "/fast").c_str(), reduce,
                                     &dvx::ridottoOttimizzato, &input, true)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((input.name + "/literal").c_str(), reduce, &dvx::ridotto,
                                     &input, false)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    if (!dvx::bench::runBenchmarks(argc, argv)) {
        return 1;
    }
    int status = 0;
    for (const auto& input : inputs) {
        if (input.greedy == 0) {
            continue;
        }
        std::printf("%s: optimised %d columns, greedy %d, optimised/greedy = %.3f columns; "
                    "%.2f s against %.3f s of processor time (fast/literal = %.0f)\n",
                    input.name.c_str(), input.optimised, input.greedy,
                    static_cast<double>(input.optimised) / input.greedy, input.optimisedSeconds,
                    input.greedySeconds,
                    input.optimisedSeconds / std::max(input.greedySeconds, 1e-6));
        if (input.optimised > input.greedy) {
            status = 1;
        }
    }
    return status;
}
