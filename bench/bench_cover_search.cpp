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

void search(benchmark::State& state, const Input* input, dvx::CoverMethod method) {
    std::size_t columns = 0;
    for (auto _ : state) {
        const auto found = dvx::improveCover(input->problem, input->greedy, {kSteps, 1, method});
        columns = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["greedy"] = static_cast<double>(input->greedy.size());
    state.counters["columns"] = static_cast<double>(columns);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::pair<int, Input>> inputs = {{19, tenSetsOf(19)}, {20, tenSetsOf(20)}};
    const auto baseOf = [](int numbers) { return "guarantee7of" + std::to_string(numbers); };
    for (const auto& [numbers, input] : inputs) {
        const std::string base = baseOf(numbers);
        for (const auto& [name, method] : {std::pair{"/fast", dvx::CoverMethod::WeightedTabu},
                                           std::pair{"/literal", dvx::CoverMethod::Tabu}}) {
            benchmark::RegisterBenchmark((base + name).c_str(), search, &input, method)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    dvx::bench::TimesReporter reporter;
    if (!dvx::bench::runBenchmarks(argc, argv, &reporter)) {
        return 1;
    }
    for (const auto& [numbers, input] : inputs) {
        reporter.printRatio(baseOf(numbers), "ms");
    }
    return 0;
}
