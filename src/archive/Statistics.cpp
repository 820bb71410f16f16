#include "Statistics.h"
#include "ProgramPaths.h"

#include "ArchiveFile.h"
#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Format.h"
#include "Platform.h"

#include <bit>
#include <charconv>

namespace dvx {

namespace {

constexpr NumberSet kEvenNumbers = 0xAAAAA; // bits of 2, 4, ..., 20
constexpr int kSommaMin = 55;
constexpr int kSommaMax = 155;

int popcount(NumberSet set) {
    return std::popcount(static_cast<std::uint32_t>(set));
}

void appendInt(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

void appendText(std::string& out, const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            out += utf8ToCp1252(text);
            return;
        }
    }
    out += text;
}

void appendLine(std::string& out, const Estrazione& draw, const DrawFigures& f) {
    appendInt(out, draw.concorso);
    out += ';';
    appendText(out, draw.data);
    out += ';';
    appendText(out, draw.ora);
    for (std::uint32_t bits = static_cast<std::uint32_t>(draw.numeri) & 0xFFFFFu; bits != 0;
         bits &= bits - 1) {
        const int n = std::countr_zero(bits) + 1;
        out += ';';
        out += static_cast<char>('0' + n / 10);
        out += static_cast<char>('0' + n % 10);
    }
    for (const int value :
         {static_cast<int>(draw.numerone), f.ripetuti, f.pari, f.dispari, f.consecutivi, f.somma}) {
        out += ';';
        appendInt(out, value);
    }
    out += "\r\n";
}

} // namespace

DrawFigures figuresOf(NumberSet numeri, NumberSet previous) {
    DrawFigures f;
    const auto bits = static_cast<std::uint32_t>(numeri) & 0xFFFFFu;
    f.ripetuti = popcount(numeri & previous);
    f.pari = popcount(numeri & kEvenNumbers);
    f.dispari = kColumnSize - f.pari;
    for (std::uint32_t rest = bits; rest != 0; rest &= rest - 1) {
        f.somma += std::countr_zero(rest) + 1;
    }
    // Each step keeps only the numbers whose predecessor is also kept.
    for (std::uint32_t run = bits; run != 0; run &= run << 1) {
        ++f.consecutivi;
    }
    return f;
}

int sommaClass(int somma) {
    if (somma < kSommaMin || somma > kSommaMax) {
        return 0;
    }
    return somma <= 65 ? 1 : (somma - 46) / 10;
}

StatisticsRun computeStatistics(const Archivio& archivio) {
    StatisticsRun run;
    auto& t = run.tables;
    run.csv.reserve(static_cast<std::size_t>(archivio.upperBound()) * 64 + 128);
    run.csv += kStatisticsHeader;
    run.csv += "\r\n";
    for (int i = archivio.upperBound(); i >= 1; --i) {
        const Estrazione& draw = archivio[i];
        if (!holdsValidDraw(draw)) {
            continue;
        }
        const bool hasPrevious = i > 1 && holdsValidDraw(archivio[i - 1]);
        const auto f = figuresOf(draw.numeri, hasPrevious ? archivio[i - 1].numeri : 0);
        ++t.pari[static_cast<std::size_t>(f.pari)];
        ++t.dispari[static_cast<std::size_t>(f.dispari)];
        ++t.somma[static_cast<std::size_t>(sommaClass(f.somma))];
        ++t.consecutivi[static_cast<std::size_t>(f.consecutivi)];
        if (hasPrevious) {
            ++t.ripetuti[static_cast<std::size_t>(f.ripetuti)];
        }
        appendLine(run.csv, draw, f);
        for (std::uint32_t bits = static_cast<std::uint32_t>(draw.numeri) & 0xFFFFFu; bits != 0;
             bits &= bits - 1) {
            ++t.frequenza[static_cast<std::size_t>(std::countr_zero(bits) + 1)];
        }
    }
    t.somma[0] = 0; // sums outside every class are counted nowhere
    return run;
}

std::string statisticsPath(const std::string& programFolder) {
    return ProgramPaths(programFolder).statisticsCsv();
}

StatTables Statistiche(const Archivio& archivio, const std::string& csvPath, Platform& platform,
                       FileWriter writer) {
    auto run = computeStatistics(archivio);
    if (const auto ec = writer(csvPath, run.csv)) {
        const auto error = writeErrorOf(ec);
        if (error.number == kErrPermissionDenied) {
            platform.message(kStatisticsLockedText, kStatisticsLockedTitle, Icon::Critical);
        } else {
            platform.message(errorMessage(error, "Statistiche of Form frmStatistiche"));
        }
    }
    return run.tables;
}

StatTables Statistiche(const Archivio& archivio, const std::string& csvPath, Platform& platform) {
    return Statistiche(archivio, csvPath, platform, &replaceFile);
}

StatChart chartOf(const StatTables& tables, Statistic statistic) {
    struct Shape {
        const char* name;
        const std::int32_t* table;
        int first; // key of the first bar
        int bars;
    };
    const Shape shapes[] = {
        {"Consecutivi", tables.consecutivi.data(), 1, 10},
        {"Ripetuti", tables.ripetuti.data(), 0, 11},
        {"Pari", tables.pari.data(), 0, 11},
        {"Dispari", tables.dispari.data(), 0, 11},
        {"Somma", tables.somma.data(), 1, 10},
        {"Frequenza Numeri", tables.frequenza.data(), 1, 20},
    };
    const auto& shape = shapes[static_cast<int>(statistic)];
    StatChart chart;
    chart.name = shape.name;
    for (int key = shape.first; key < shape.first + shape.bars; ++key) {
        const auto value = shape.table[key];
        std::string label;
        if (statistic == Statistic::Somma) {
            const int lower = key == 1 ? kSommaMin : 10 * key + 46;
            label = formatPicture(lower, "000-") + formatPicture(10 * key + 55, "000");
        } else {
            label = formatPicture(key, "00");
        }
        chart.values.push_back(value);
        chart.keys.push_back(label);
        chart.labels.push_back(label + " --> " + formatPicture(value, "     0"));
    }
    return chart;
}

} // namespace dvx
