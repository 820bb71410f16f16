// Exact odds over all 184756 possible draws: the transform over number sets
// against the draw-by-draw count on a system of 1000 random columns (same
// run, results compared, fast/literal ratio printed), and the transform
// alone on the integral system of all 20 numbers (184756 columns), which the
// literal count could not finish in useful time. Exit status 1 when the two
// counts differ.

#include "LexicographicColumns.h"
#include "LiteralOdds.h"
#include "NumberSet.h"
#include "SystemOdds.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

namespace {

using dvx::SystemOdds;
using dvx::SystemState;

std::unique_ptr<SystemState> systemOfSets(const std::vector<dvx::NumberSet>& sets) {
    auto system = std::make_unique<SystemState>();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        dvx::rowOfSet(sets[i], system->colonne.row(static_cast<int>(i) + 1));
    }
    system->sistema.columnCount = static_cast<std::int32_t>(sets.size());
    system->developedMark = dvx::kDeveloped;
    system->numerone = 7;
    system->pricePerColumn = 2.0f;
    return system;
}

std::unique_ptr<SystemState> integralOfTwenty() {
    auto sets = dvx::test::lexicographicColumns(dvx::test::numbersUpTo(dvx::kNumbers));
    sets.erase(sets.begin());
    return systemOfSets(sets);
}

std::unique_ptr<SystemState> randomColumns(int count) {
    std::mt19937 random(2026);
    auto pool = dvx::test::numbersUpTo(dvx::kNumbers);
    std::vector<dvx::NumberSet> sets;
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), random);
        dvx::NumberSet set = 0;
        for (int p = 0; p < dvx::kColumnSize; ++p) {
            set |= dvx::maskOf(pool[static_cast<std::size_t>(p)]);
        }
        sets.push_back(set);
    }
    return systemOfSets(sets);
}

template <SystemOdds (*Count)(const SystemState&)>
void odds(benchmark::State& state, const SystemState* system, SystemOdds* result) {
    for (auto _ : state) {
        *result = Count(*system);
        benchmark::DoNotOptimize(result);
    }
    state.counters["columns"] = system->sistema.columnCount;
}

} // namespace

int main(int argc, char** argv) {
    const auto random = randomColumns(1000);
    const auto integral = integralOfTwenty();
    SystemOdds fast;
    SystemOdds literal;
    SystemOdds full;
    benchmark::RegisterBenchmark("Odds/random1000/fast", odds<dvx::systemOdds>, random.get(), &fast)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Odds/random1000/literal", odds<dvx::test::literalSystemOdds>,
                                 random.get(), &literal)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Odds/integral20/fast", odds<dvx::systemOdds>, integral.get(),
                                 &full)
        ->Unit(benchmark::kMillisecond);

    dvx::bench::TimesReporter reporter;
    if (!dvx::bench::runBenchmarks(argc, argv, &reporter)) {
        return 1;
    }
    reporter.printRatio("Odds/random1000", "ms");
    const auto ran = [&](const char* name) { return reporter.times.count(name) != 0; };
    if (ran("Odds/random1000/fast") && ran("Odds/random1000/literal")) {
        const bool same = fast == literal;
        std::printf("1000 random columns over 184756 draws: results %s\n",
                    same ? "identical" : "DIFFERENT");
        if (!same) {
            return 1;
        }
    }
    if (ran("Odds/integral20/fast")) {
        // Every draw of the integral system holds a 10 and a 0.
        const bool right =
            full.drawsByMax[10] == dvx::kPossibleDraws && full.drawsByMin[0] == dvx::kPossibleDraws;
        std::printf("integral of 20 (184756 columns): %.1f ms, %s\n",
                    reporter.times.at("Odds/integral20/fast").cpu,
                    right ? "every draw 10 and 0" : "WRONG");
        return right ? 0 : 1;
    }
    return 0;
}
