// The weighted tabu search's step against the plain tabu step (the literal
// scoring: one walk over a move's border for every move that covers the
// chosen point) on the guarantee-7 matrices of 19 and 20 numbers, where a
// column covers over ten thousand draws: the same count of steps from the
// same greedy, in one run, with the columns each ends at.

#include "CoverSearch.h"
#include "Subsets.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kSteps = 2000;

struct Input {
    dvx::CoverProblem problem;
    std::vector<std::uint32_t> greedy;
};

Input tenSetsOf(int numbers) {
    Input input;
    input.problem.radius = 3;
    dvx::forEachSubset((std::uint32_t{1} << numbers) - 1, 10,
                       [&](std::uint32_t set) { input.problem.points.push_back(set); });
    std::sort(input.problem.points.begin(), input.problem.points.end());
    input.greedy = dvx::greedyCover(input.problem);
    return input;
}

struct Measure {
    double seconds = 0;
    std::size_t columns = 0;
};

void search(benchmark::State& state, const Input* input, dvx::CoverMethod method,
            Measure* measure) {
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const auto found = dvx::improveCover(input->problem, input->greedy, {kSteps, 1, method});
        measure->seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        measure->columns = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["greedy"] = static_cast<double>(input->greedy.size());
    state.counters["columns"] = static_cast<double>(measure->columns);
}

} // namespace

int main(int argc, char** argv) {
    struct Case {
        int numbers;
        Input input;
        Measure fast;
        Measure literal;
    };
    std::vector<Case> cases;
    cases.push_back({19, tenSetsOf(19), {}, {}});
    cases.push_back({20, tenSetsOf(20), {}, {}});
    for (auto& c : cases) {
        const std::string base = "guarantee7of" + std::to_string(c.numbers);
        benchmark::RegisterBenchmark((base + "/fast").c_str(), search, &c.input,
                                     dvx::CoverMethod::WeightedTabu, &c.fast)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((base + "/literal").c_str(), search, &c.input,
                                     dvx::CoverMethod::Tabu, &c.literal)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    if (!dvx::bench::runBenchmarks(argc, argv)) {
        return 1;
    }
    for (const auto& c : cases) {
        if (c.fast.seconds > 0 && c.literal.seconds > 0) {
            std::printf("guarantee 7 of %d numbers, %lld steps from the greedy's %zu columns: "
                        "weighted tabu %.2f s (%zu columns), plain tabu %.2f s (%zu columns), "
                        "fast/literal %.3f\n",
                        c.numbers, static_cast<long long>(kSteps), c.input.greedy.size(),
                        c.fast.seconds, c.fast.columns, c.literal.seconds, c.literal.columns,
                        c.fast.seconds / c.literal.seconds);
        }
    }
    return 0;
}
