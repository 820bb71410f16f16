// Statistics over 100000 draws, file included: the program's computation
// against the literal procedure (LiteralStatistics.h) in the same run, with
// their ratio and a check that both wrote the same file.

#include "Archivio.h"
#include "LiteralStatistics.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "Statistics.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string_view>

namespace {

using namespace dvx;

Archivio randomArchive(int draws) {
    std::mt19937 random(7);
    Archivio archivio;
    archivio.resize(draws);
    std::array<int, kNumbers> all{};
    for (int n = 0; n < kNumbers; ++n) {
        all[static_cast<std::size_t>(n)] = n + 1;
    }
    for (int i = 1; i <= draws; ++i) {
        std::shuffle(all.begin(), all.end(), random);
        NumberSet numeri = 0;
        for (int k = 0; k < kColumnSize; ++k) {
            numeri |= NumberSet{1} << (all[static_cast<std::size_t>(k)] - 1);
        }
        archivio[i] = Estrazione{"10/12/2026", std::to_string(10 + i % 14) + ":00", 60000 + i,
                                 numeri, static_cast<std::uint8_t>(1 + random() % 20)};
    }
    return archivio;
}

constexpr int kDraws = 100000;

// What one run measured: seconds per recomputation and the file it wrote.
struct Measure {
    bool ran = false;
    double seconds = 0;
    std::string file;
    StatTables tables;
};

template <typename Run> void measure(benchmark::State& state, Measure& out, Run run) {
    const auto archivio = randomArchive(kDraws);
    test::ScratchFolder scratch;
    const auto path = scratch.file("stat.csv");
    double total = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        out.tables = run(archivio, path);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ++runs;
    }
    out.ran = true;
    out.seconds = total / static_cast<double>(runs);
    out.file = scratch.read("stat.csv");
    state.counters["draws"] = kDraws;
}

Measure fast;
Measure literal;

} // namespace

int main(int argc, char** argv) {
    test::RecordingPlatform platform;
    benchmark::RegisterBenchmark("Statistiche/100000 draws", [&](benchmark::State& state) {
        measure(state, fast, [&](const Archivio& a, const std::string& path) {
            return Statistiche(a, path, platform);
        });
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Literal/100000 draws",
                                 [](benchmark::State& state) {
                                     measure(state, literal,
                                             [](const Archivio& a, const std::string& path) {
                                                 return test::literalStatistiche(a, path);
                                             });
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    if (!dvx::bench::runBenchmarks(argc, argv)) {
        return 1;
    }

    if (!fast.ran || !literal.ran) {
        return 0;
    }
    const bool same = fast.file == literal.file && fast.tables == literal.tables;
    std::printf("statistics over %d draws, file included: fast %.2f ms, literal %.1f ms, "
                "fast/literal %.4f (%.1fx faster), output %s\n",
                kDraws, fast.seconds * 1e3, literal.seconds * 1e3, fast.seconds / literal.seconds,
                literal.seconds / fast.seconds, same ? "identical" : "DIFFERENT");
    return same ? 0 : 1;
}
