// Saving and loading a full system of 184756 columns, and exporting and
// importing it as column text: the program's whole-file code against a
// literal field-by-field, line-by-line transcription, with their ratios.

#include "Format.h"
#include "ScratchFolder.h"
#include "SystemFileIO.h"
#include "SystemOps.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace dvx;

constexpr std::int32_t kFullSystem = 184756;

// Every column of the 20 numbers, in lexicographic order.
std::unique_ptr<SystemState> fullSystem() {
    auto s = std::make_unique<SystemState>();
    for (int n = 1; n <= kNumbers; ++n) {
        selectNumber(*s, n, true);
    }
    rebuildNumbersInPlay(*s);
    std::array<std::uint8_t, kColumnSize> c{};
    for (int k = 0; k < kColumnSize; ++k) {
        c[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(k + 1);
    }
    for (std::int32_t r = 1; r <= kFullSystem; ++r) {
        std::copy(c.begin(), c.end(), s->colonne.row(r));
        int k = kColumnSize - 1;
        while (k >= 0 && c[static_cast<std::size_t>(k)] == kNumbers - (kColumnSize - 1 - k)) {
            --k;
        }
        if (k < 0) {
            break;
        }
        ++c[static_cast<std::size_t>(k)];
        for (int j = k + 1; j < kColumnSize; ++j) {
            c[static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>(c[static_cast<std::size_t>(j - 1)] + 1);
        }
    }
    s->sistema.columnCount = kFullSystem;
    s->sistema.typeText = "Integrale";
    s->developedMark = kDeveloped;
    s->consecutivi = {0b11110, kTrue};
    return s;
}

// The literal procedures: one field, one column, one line at a time.
template <typename T> void put(std::ofstream& out, T v) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.put(static_cast<char>(static_cast<std::uint64_t>(v) >> (8 * i) & 0xFF));
    }
}
template <typename T> T get(std::ifstream& in) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in.get())) << (8 * i);
    }
    return static_cast<T>(v);
}

void literalSave(const std::string& path, SystemState& s) {
    rebuildNumbersInPlay(s);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("dvx00000003", 11);
    put<std::uint8_t>(out, s.sistema.countInPlay);
    put<std::int32_t>(out, s.sistema.columnCount);
    put<std::int16_t>(out, static_cast<std::int16_t>(s.sistema.typeText.size()));
    out.write(s.sistema.typeText.data(), static_cast<std::streamsize>(s.sistema.typeText.size()));
    for (const auto n : s.sistema.numbers) {
        put<std::uint8_t>(out, n);
    }
    const auto& c = s.condizioni;
    put(out, c.pariDispariOn);
    put(out, c.sommaOn);
    put(out, c.fisseOn);
    for (const auto e : c.pariDispari) {
        put(out, e);
    }
    put(out, c.somma[0]);
    put(out, c.somma[1]);
    for (int k = 1; k <= kMaxFixed; ++k) {
        put(out, c.fisse[static_cast<std::size_t>(k)]);
    }
    put(out, c.fisseCount);
    put(out, c.ridottoOn);
    put(out, c.ridottoLevel);
    for (std::int32_t r = 1; r <= s.sistema.columnCount; ++r) {
        for (int k = 0; k < kColumnSize; ++k) {
            put<std::uint8_t>(out, s.colonne.row(r)[k]);
        }
    }
    put<std::int32_t>(out, 12345);
    put<std::int32_t>(out, 2);
    put(out, s.consecutivi.runsMask);
    put(out, s.consecutivi.on);
    put<std::int32_t>(out, 100);
    put<std::int32_t>(out, 200);
}

void literalLoad(const std::string& path, SystemState& s) {
    std::ifstream in(path, std::ios::binary);
    char tag[11];
    in.read(tag, 11);
    resetSystem(s, false);
    s.sistema.countInPlay = get<std::uint8_t>(in);
    s.sistema.columnCount = get<std::int32_t>(in);
    s.sistema.typeText.resize(get<std::uint16_t>(in));
    in.read(s.sistema.typeText.data(), static_cast<std::streamsize>(s.sistema.typeText.size()));
    for (auto& n : s.sistema.numbers) {
        n = get<std::uint8_t>(in);
    }
    auto& c = s.condizioni;
    c.pariDispariOn = get<std::int16_t>(in);
    c.sommaOn = get<std::int16_t>(in);
    c.fisseOn = get<std::int16_t>(in);
    for (auto& e : c.pariDispari) {
        e = get<std::int16_t>(in);
    }
    c.somma[0] = get<std::int16_t>(in);
    c.somma[1] = get<std::int16_t>(in);
    for (int k = 1; k <= kMaxFixed; ++k) {
        c.fisse[static_cast<std::size_t>(k)] = get<std::uint8_t>(in);
    }
    c.fisseCount = get<std::uint8_t>(in);
    c.ridottoOn = get<std::int16_t>(in);
    c.ridottoLevel = get<std::uint8_t>(in);
    for (std::int32_t r = 1; r <= s.sistema.columnCount; ++r) {
        for (int k = 0; k < kColumnSize; ++k) {
            s.colonne.row(r)[k] = get<std::uint8_t>(in);
        }
        benchmark::ClobberMemory(); // the yield to the event loop
    }
    if (get<std::int32_t>(in) == 12345) {
        for (auto id = get<std::int32_t>(in); in && id != 100 && id != 200;
             id = get<std::int32_t>(in)) {
            if (id == 2) {
                s.consecutivi.runsMask = get<std::int32_t>(in);
                s.consecutivi.on = get<std::int16_t>(in);
            }
        }
    }
    for (int i = 0; i < s.sistema.countInPlay; ++i) {
        s.selected[static_cast<std::size_t>(s.sistema.numbers[static_cast<std::size_t>(i)] - 1)] =
            true;
    }
    s.developedMark = kDeveloped;
}

void literalExport(const std::string& path, const SystemState& s) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::int32_t r = 1; r <= s.sistema.columnCount; ++r) {
        std::string line = " ";
        for (int k = 0; k < kColumnSize; ++k) {
            if (s.colonne.row(r)[k] != 0) {
                line += formatPicture(s.colonne.row(r)[k], "0#") + " ";
            }
        }
        out << line << "\r\n";
    }
}

void literalImport(const std::string& path, SystemState& s) {
    std::ifstream in(path, std::ios::binary);
    resetSystem(s, false);
    std::array<bool, kNumbers + 1> seen{};
    std::int32_t r = 0;
    std::string line;
    while (std::getline(in, line)) {
        for (auto& ch : line) {
            if (ch == '\t' || ch == '\r') {
                ch = ' ';
            }
        }
        for (auto pos = line.find("  "); pos != std::string::npos; pos = line.find("  ")) {
            line.replace(pos, 2, " ");
        }
        line = trim(line);
        if (line.empty()) {
            continue;
        }
        ++r;
        std::size_t start = 0;
        for (int k = 0; k < kColumnSize; ++k) {
            const auto blank = line.find(' ', start);
            const int n = std::stoi(line.substr(start, blank - start));
            s.colonne.row(r)[k] = static_cast<std::uint8_t>(n);
            seen[static_cast<std::size_t>(n)] = true;
            start = blank + 1;
        }
    }
    for (int n = 1; n <= kNumbers; ++n) {
        s.selected[static_cast<std::size_t>(n - 1)] = seen[static_cast<std::size_t>(n)];
    }
    rebuildNumbersInPlay(s);
    s.sistema.typeText = "FILE TXT";
    s.sistema.columnCount = r;
    s.developedMark = r > 0 ? kDeveloped : 0;
}

struct Fixture {
    test::ScratchFolder scratch;
    std::unique_ptr<SystemState> full = fullSystem();
    std::unique_ptr<SystemState> target = std::make_unique<SystemState>();
    std::string dvx = scratch.file("full.dvx");
    std::string txt = scratch.file("full.txt");

    Fixture() {
        if (saveSystemFile(dvx, *full) || writeColumnText(txt, full->colonne, kFullSystem)) {
            std::abort();
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void saveFast(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        benchmark::DoNotOptimize(saveSystemFile(f.scratch.file("out.dvx"), *f.full));
    }
}
void saveLiteral(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        literalSave(f.scratch.file("out.dvx"), *f.full);
    }
}
void loadFast(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        std::error_code error;
        const auto read = readSystemFile(f.dvx, error);
        if (error || !read.ok()) {
            st.SkipWithError("load failed");
            break;
        }
        applySystemFile(read.content, *f.target);
        benchmark::DoNotOptimize(f.target->colonne.row(kFullSystem));
    }
    st.counters["columns"] = f.target->sistema.columnCount;
}
void loadLiteral(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        literalLoad(f.dvx, *f.target);
        benchmark::DoNotOptimize(f.target->colonne.row(kFullSystem));
    }
    st.counters["columns"] = f.target->sistema.columnCount;
}
void exportFast(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        benchmark::DoNotOptimize(
            writeColumnText(f.scratch.file("out.txt"), f.full->colonne, kFullSystem));
    }
}
void exportLiteral(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        literalExport(f.scratch.file("out.txt"), *f.full);
    }
}
void importFast(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        const auto read = readColumnTextFile(f.txt);
        if (!read.ok) {
            st.SkipWithError("import failed");
            break;
        }
        applyColumnImport(read.columns, *f.target);
        benchmark::DoNotOptimize(f.target->colonne.row(kFullSystem));
    }
    st.counters["columns"] = f.target->sistema.columnCount;
}
void importLiteral(benchmark::State& st) {
    auto& f = fixture();
    for (auto _ : st) {
        literalImport(f.txt, *f.target);
        benchmark::DoNotOptimize(f.target->colonne.row(kFullSystem));
    }
    st.counters["columns"] = f.target->sistema.columnCount;
}

} // namespace

int main(int argc, char** argv) {
    struct Case {
        const char* name;
        void (*fast)(benchmark::State&);
        void (*literal)(benchmark::State&);
    };
    const Case cases[] = {{"save184756", saveFast, saveLiteral},
                          {"load184756", loadFast, loadLiteral},
                          {"export184756", exportFast, exportLiteral},
                          {"import184756", importFast, importLiteral}};
    for (const auto& c : cases) {
        benchmark::RegisterBenchmark((std::string(c.name) + "/fast").c_str(), c.fast)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(c.name) + "/literal").c_str(), c.literal)
            ->Unit(benchmark::kMillisecond);
    }
    dvx::bench::TimesReporter reporter;
    if (!dvx::bench::runBenchmarks(argc, argv, &reporter)) {
        return 1;
    }
    for (const auto& c : cases) {
        reporter.printRatio(c.name, "ms");
    }
    return 0;
}
