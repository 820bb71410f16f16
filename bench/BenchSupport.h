#pragma once
// What the benchmark programs share: a reporter that keeps each run's times
// so main can print fast/literal ratios, and the Google Benchmark start-up.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace dvx::bench {

class TimesReporter final : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs) {
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) {
                // Keyed without a fixed count of iterations, so printRatio
                // finds <base>/fast whether or not the run set one.
                auto name = r.run_name;
                name.iterations.clear();
                times[name.str()] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "<base>: fast/literal = ..." for the runs <base>/fast and
    // <base>/literal, in real and CPU time (CPU is the steadier on a busy machine).
    void printRatio(const std::string& base, const char* unit) const {
        const auto fast = times.find(base + "/fast");
        const auto literal = times.find(base + "/literal");
        if (fast == times.end() || literal == times.end()) {
            return;
        }
        const auto& f = fast->second;
        const auto& l = literal->second;
        std::printf("%s: fast/literal = %.3f real (%.1f %s vs %.1f %s), %.3f cpu (%.1f %s vs "
                    "%.1f %s)\n",
                    base.c_str(), f.real / l.real, f.real, unit, l.real, unit, f.cpu / l.cpu, f.cpu,
                    unit, l.cpu, unit);
    }
};

// Parses the command line and runs every registered benchmark; false when
// an argument was not understood.
inline bool runBenchmarks(int& argc, char** argv,
                          benchmark::BenchmarkReporter* reporter = nullptr) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return false;
    }
    if (reporter != nullptr) {
        benchmark::RunSpecifiedBenchmarks(reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return true;
}

} // namespace dvx::bench
