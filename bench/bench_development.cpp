// Development of all 20 numbers, integral and with every condition on: the
// engine's development against the literal one, with their ratio at the end.

#include "Development.h"
#include "LiteralDevelopment.h"
#include "RecordingPlatform.h"

#include "BenchSupport.h"
#include "SystemOps.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace dvx;

std::int32_t noReduction(ColumnTable&, NumberSet*, std::int32_t n, int, const bool&, Progress&) {
    return n;
}

std::unique_ptr<SystemState> twentyNumbers(bool conditioned) {
    auto s = std::make_unique<SystemState>();
    for (int n = 1; n <= kNumbers; ++n) {
        selectNumber(*s, n, true);
    }
    rebuildNumbersInPlay(*s);
    if (conditioned) {
        auto& c = s->condizioni;
        c.sommaOn = kTrue;
        c.somma = {80, 130};
        c.pariDispariOn = kTrue;
        for (int e = 3; e <= 7; ++e) {
            c.pariDispari[static_cast<std::size_t>(e)] = kTrue;
        }
        c.fisseOn = kTrue;
        c.fisse[1] = 7;
        c.fisseCount = 1;
        s->consecutivi.on = kTrue;
        s->consecutivi.runsMask = 0b11110; // longest run 1..4
        // Ten filter columns of five numbers, each allowing 1 to 4 presences.
        s->filtri.count = 10;
        for (int j = 1; j <= 10; ++j) {
            auto& f = s->filtri.entries[static_cast<std::size_t>(j)];
            f.column = NumberSet{0b11111} << (j + 4) % 16;
            f.presences = 0b11110;
            f.active = kTrue;
        }
    }
    return s;
}

template <bool Literal> void develop(benchmark::State& st, bool conditioned) {
    auto state = twentyNumbers(conditioned);
    test::RecordingPlatform platform;
    Progress progress;
    for (auto _ : st) {
        if constexpr (Literal) {
            test::literalDevelopSystem(*state, platform, progress, noReduction);
        } else {
            developSystem(*state, platform, progress, noReduction);
        }
        benchmark::DoNotOptimize(state->colonne.row(1));
        benchmark::ClobberMemory();
    }
    st.counters["columns"] = state->sistema.columnCount;
}

} // namespace

int main(int argc, char** argv) {
    const char* cases[] = {"integral", "conditioned"};
    for (const char* c : cases) {
        const bool conditioned = std::string(c) == "conditioned";
        benchmark::RegisterBenchmark((std::string("develop20/") + c + "/fast").c_str(),
                                     develop<false>, conditioned)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("develop20/") + c + "/literal").c_str(),
                                     develop<true>, conditioned)
            ->Unit(benchmark::kMicrosecond);
    }
    dvx::bench::TimesReporter reporter;
    if (!dvx::bench::runBenchmarks(argc, argv, &reporter)) {
        return 1;
    }
    for (const char* c : cases) {
        reporter.printRatio(std::string("develop20/") + c, "us");
    }
    return 0;
}
