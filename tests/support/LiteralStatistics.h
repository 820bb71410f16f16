#pragma once
// The statistics as their procedure reads, step by step: each draw expanded
// into its ten numbers, every figure counted with plain loops, each line
// formatted field by field and written to the file as it goes. The oracle of
// the statistics tests and the reference of their benchmark.

#include "Archivio.h"
#include "Cp1252.h"
#include "Format.h"
#include "Statistics.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

namespace dvx::test {

inline StatTables literalStatistiche(const Archivio& archivio, const std::string& csvPath) {
    StatTables t;
    std::ofstream file(csvPath, std::ios::binary | std::ios::trunc);
    file << kStatisticsHeader << "\r\n";
    for (int i = archivio.upperBound(); i >= 1; --i) {
        const Estrazione& e = archivio[i];
        if (e.numeri == 0) {
            continue;
        }
        std::array<std::uint8_t, 11> num{};
        MaskToNumeri(e.numeri, std::span(num).subspan(1));
        int pari = 0;
        int somma = 0;
        for (int k = 1; k <= 10; ++k) {
            if (num[k] % 2 == 0) {
                ++pari;
            }
            somma += num[k];
        }
        const int dispari = 10 - pari;
        int consecutivi = 1;
        int run = 1;
        for (int k = 1; k <= 9; ++k) {
            if (num[k] + 1 == num[k + 1]) {
                ++run;
                if (run > consecutivi) {
                    consecutivi = run;
                }
            } else {
                run = 1;
            }
        }
        t.pari[pari] += 1;
        t.dispari[dispari] += 1;
        int classe = 0;
        if (somma >= 55 && somma <= 65) {
            classe = 1;
        }
        for (int k = 2; k <= 10; ++k) {
            if (somma >= 10 * k + 46 && somma <= 10 * k + 55) {
                classe = k;
            }
        }
        if (classe > 0) {
            t.somma[classe] += 1;
        }
        t.consecutivi[consecutivi] += 1;
        int ripetuti = 0;
        if (i > 1 && archivio[i - 1].numeri != 0) {
            std::array<std::uint8_t, 11> prev{};
            MaskToNumeri(archivio[i - 1].numeri, std::span(prev).subspan(1));
            for (int a = 1; a <= 10; ++a) {
                for (int b = 1; b <= 10; ++b) {
                    if (num[a] == prev[b]) {
                        ++ripetuti;
                    }
                }
            }
            t.ripetuti[ripetuti] += 1;
        }
        std::string numbers = NumeriToText(e.numeri, 1);
        for (char& c : numbers) {
            if (c == ' ') {
                c = ';';
            }
        }
        file << std::to_string(e.concorso) << ";" << utf8ToCp1252(e.data) << ";"
             << utf8ToCp1252(e.ora) << ";" << numbers << ";" << std::to_string(e.numerone) << ";"
             << ripetuti << ";" << pari << ";" << dispari << ";" << consecutivi << ";" << somma
             << "\r\n";
        for (int k = 1; k <= 10; ++k) {
            if (num[k] > 0) {
                t.frequenza[num[k]] += 1;
            }
        }
    }
    return t;
}

} // namespace dvx::test
