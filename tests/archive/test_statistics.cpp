#include "ArchiveFixtures.h"
#include "LiteralStatistics.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "Statistics.h"

#include <gtest/gtest.h>

#include <random>

namespace dvx {
namespace {

using test::archiveOf;
using test::draw;
using test::setOf;

struct FiguresCase {
    const char* name;
    NumberSet numeri;
    NumberSet previous;
    DrawFigures expected; // ripetuti, pari, dispari, consecutivi, somma
};

class Figures : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(Figures, OfOneDraw) {
    const auto& c = GetParam();
    const auto f = figuresOf(c.numeri, c.previous);
    EXPECT_EQ(f.ripetuti, c.expected.ripetuti);
    EXPECT_EQ(f.pari, c.expected.pari);
    EXPECT_EQ(f.dispari, c.expected.dispari);
    EXPECT_EQ(f.consecutivi, c.expected.consecutivi);
    EXPECT_EQ(f.somma, c.expected.somma);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Figures,
    ::testing::Values(
        FiguresCase{"Lowest", setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 0, {0, 5, 5, 10, 55}},
        FiguresCase{"Highest",
                    setOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
                    setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                    {0, 5, 5, 10, 155}},
        FiguresCase{"Odd", setOf({1, 3, 5, 7, 9, 11, 13, 15, 17, 19}), 0, {0, 0, 10, 1, 100}},
        FiguresCase{"Even",
                    setOf({2, 4, 6, 8, 10, 12, 14, 16, 18, 20}),
                    setOf({2, 4, 6, 8, 10, 12, 14, 16, 18, 20}),
                    {10, 10, 0, 1, 110}},
        FiguresCase{"RunsOfThreeAndTwo",
                    setOf({1, 2, 4, 5, 6, 9, 12, 15, 18, 20}),
                    setOf({1, 2, 3, 7, 8, 10, 11, 13, 14, 20}),
                    {3, 6, 4, 3, 92}},
        FiguresCase{"RunAtTheTop",
                    setOf({1, 3, 5, 7, 9, 16, 17, 18, 19, 20}),
                    setOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
                    {5, 3, 7, 5, 115}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Statistics, SumClassesMeetWithoutGaps) {
    const std::pair<int, int> cases[] = {{54, 0}, {55, 1},  {65, 1},   {66, 2},   {75, 2},
                                         {76, 3}, {145, 9}, {146, 10}, {155, 10}, {156, 0}};
    for (const auto& [somma, classe] : cases) {
        EXPECT_EQ(sommaClass(somma), classe) << somma;
    }
}

// Three draws and an empty record between the second and the third.
Archivio smallArchive() {
    auto archivio = archiveOf({
        draw("09/12/2026", "22:00", 70001, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5),
        draw("09/12/2026", "23:00", 70002, {1, 2, 3, 4, 5, 16, 17, 18, 19, 20}, 20),
        Estrazione{},
        draw("10/12/2026", "0:00", -3, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 1),
    });
    return archivio;
}

TEST(Statistics, FileLinesAreLastDrawFirstWithEveryField) {
    const auto run = computeStatistics(smallArchive());
    EXPECT_EQ(run.csv,
              "Concorso;Data;Ora;P1;P2;P3;P4;P5;P6;P7;P8;P9;P10;Numerone;Ripetuti;Pari;Dispari;"
              "Consecutivi;Somma\r\n"
              "-3;10/12/2026;0:00 ;01;03;05;07;09;11;13;15;17;19;1;0;0;10;1;100\r\n"
              "70002;09/12/2026;23:00;01;02;03;04;05;16;17;18;19;20;20;5;5;5;5;105\r\n"
              "70001;09/12/2026;22:00;01;02;03;04;05;06;07;08;09;10;5;0;5;5;10;55\r\n");
}

TEST(Statistics, TablesCountEveryDrawOnceAndRipetutiOnlyAfterADraw) {
    const auto t = computeStatistics(smallArchive()).tables;
    StatTables expected;
    expected.consecutivi[10] = 1;
    expected.consecutivi[5] = 1;
    expected.consecutivi[1] = 1;
    expected.ripetuti[5] = 1; // the third draw follows an empty record
    expected.pari[5] = 2;
    expected.pari[0] = 1;
    expected.dispari[5] = 2;
    expected.dispari[10] = 1;
    expected.somma[1] = 1; // 55
    expected.somma[5] = 2; // 105 and 100 (96 to 105)
    for (int n : {1,  2,  3,  4,  5,  6, 7, 8, 9, 10, 1,  2,  3,  4,  5,
                  16, 17, 18, 19, 20, 1, 3, 5, 7, 9,  11, 13, 15, 17, 19}) {
        ++expected.frequenza[static_cast<std::size_t>(n)];
    }
    EXPECT_EQ(t, expected);
}

// An archive file may hold records whose number set is not ten numbers 1..20
// (a damaged or hand-made file): they count as empty records, and every line
// of the file keeps its 19 fields.
TEST(Statistics, RecordsWithoutTenNumbersCountAsEmpty) {
    const NumberSet malformed[] = {
        0xFFFFF,                                                   // all twenty numbers
        setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),                // eleven in a run
        static_cast<NumberSet>(0xFFFFFFFFu),                       // every bit
        setOf({1, 2, 3, 4, 5, 6, 7, 8, 9}) | (NumberSet{1} << 25), // nine and a bit past 20
        setOf({2, 4, 6, 8, 10, 12, 14, 16, 18, 20}) | (NumberSet{1} << 30), // ten and a stray bit
        setOf({3, 4, 5}),                                                   // three
    };
    const auto before = draw("09/12/2026", "22:00", 70001, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5);
    const auto after = draw("09/12/2026", "23:00", 70003, {1, 2, 3, 4, 5, 16, 17, 18, 19, 20}, 7);
    for (const NumberSet numeri : malformed) {
        const auto damaged = computeStatistics(
            archiveOf({before, Estrazione{"09/12/2026", "22:30", 70002, numeri, 6}, after}));
        const auto asEmpty = computeStatistics(archiveOf({before, Estrazione{}, after}));
        EXPECT_EQ(damaged.tables, asEmpty.tables) << numeri;
        EXPECT_EQ(damaged.csv, asEmpty.csv) << numeri;
    }
}

TEST(Statistics, OneDrawArchive) {
    const auto run =
        computeStatistics(archiveOf({draw("a", "b", 7, {2, 4, 6, 8, 10, 11, 13, 15, 17, 19}, 3)}));
    const auto& t = run.tables;
    EXPECT_EQ(t.ripetuti, decltype(t.ripetuti){});
    EXPECT_EQ(t.pari[5], 1);
    EXPECT_EQ(t.consecutivi[2], 1); // 10, 11
    for (int n = 1; n <= kNumbers; ++n) {
        EXPECT_EQ(t.frequenza[static_cast<std::size_t>(n)], n <= 10 ? n % 2 == 0 : n % 2 == 1) << n;
    }
    EXPECT_EQ(run.csv.substr(run.csv.find("\r\n") + 2),
              "7;a         ;b    ;02;04;06;08;10;11;13;15;17;19;3;0;5;5;2;105\r\n");
}

TEST(Statistics, AgreesWithTheLiteralProcedureOnRandomArchives) {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    std::mt19937 random(20261210);
    for (int round = 0; round < 20; ++round) {
        Archivio archivio;
        archivio.resize(1 + static_cast<int>(random() % 300));
        for (int i = 1; i <= archivio.upperBound(); ++i) {
            if (random() % 17 == 0) {
                continue; // an empty record now and then
            }
            std::array<int, kNumbers> all{};
            for (int n = 0; n < kNumbers; ++n) {
                all[static_cast<std::size_t>(n)] = n + 1;
            }
            std::shuffle(all.begin(), all.end(), random);
            NumberSet numeri = 0;
            for (int k = 0; k < kColumnSize; ++k) {
                numeri |= NumberSet{1} << (all[static_cast<std::size_t>(k)] - 1);
            }
            archivio[i] = Estrazione{fixedText(std::to_string(random() % 100000), kDataLength),
                                     fixedText("è" + std::to_string(i % 24), kOraLength),
                                     static_cast<std::int32_t>(random()), numeri,
                                     static_cast<std::uint8_t>(1 + random() % 20)};
        }
        const auto expected = test::literalStatistiche(archivio, scratch.file("literal.csv"));
        const auto tables = Statistiche(archivio, scratch.file("stat.csv"), platform);
        ASSERT_EQ(tables, expected) << "round " << round;
        ASSERT_EQ(scratch.read("stat.csv"), scratch.read("literal.csv")) << "round " << round;
    }
    EXPECT_TRUE(platform.messages.empty());
}

std::error_code lockedWriter(const std::filesystem::path&, std::string_view) {
    return std::make_error_code(std::errc::permission_denied);
}
std::error_code fullDiskWriter(const std::filesystem::path&, std::string_view) {
    return std::make_error_code(std::errc::no_space_on_device);
}

TEST(Statistics, UnwritableFileIsReportedAndTheTablesStillCount) {
    struct Case {
        FileWriter writer;
        const char* text;
        const char* title;
        Icon icon;
    };
    const Case cases[] = {
        {lockedWriter, "Chiudere il file delle statistiche per proseguire !!!", "ERRORE",
         Icon::Critical},
        {fullDiskWriter, "Error 61 (Disk full) in procedure Statistiche of Form frmStatistiche", "",
         Icon::None},
    };
    const auto archivio = smallArchive();
    for (const auto& c : cases) {
        test::RecordingPlatform platform;
        const auto tables = Statistiche(archivio, "stat.csv", platform, c.writer);
        EXPECT_EQ(tables, computeStatistics(archivio).tables);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.text);
        EXPECT_EQ(platform.messages[0].title, c.title);
        EXPECT_EQ(platform.messages[0].icon, c.icon);
    }
}

TEST(Statistics, FileIsRewrittenFromScratch) {
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    const auto path = statisticsPath(scratch.folder());
    EXPECT_EQ(path, scratch.folder() + "archivio/stat.csv");
    scratch.write("archivio/stat.csv", std::string(100000, 'x'));
    Statistiche(smallArchive(), path, platform);
    EXPECT_EQ(scratch.read("archivio/stat.csv"), computeStatistics(smallArchive()).csv);
}

TEST(Statistics, ChartLabels) {
    StatTables t;
    t.somma[1] = 12;
    t.somma[10] = 3;
    t.ripetuti[0] = 7;
    t.frequenza[20] = 123456;
    const auto somma = chartOf(t, Statistic::Somma);
    EXPECT_EQ(somma.name, "Somma");
    ASSERT_EQ(somma.labels.size(), 10u);
    EXPECT_EQ(somma.labels.front(), "055-065 -->      12");
    EXPECT_EQ(somma.labels[1], "066-075 -->      0");
    EXPECT_EQ(somma.labels.back(), "146-155 -->      3");

    const auto ripetuti = chartOf(t, Statistic::Ripetuti);
    ASSERT_EQ(ripetuti.values.size(), 11u);
    EXPECT_EQ(ripetuti.labels.front(), "00 -->      7");
    EXPECT_EQ(ripetuti.labels.back(), "10 -->      0");

    const auto frequenza = chartOf(t, Statistic::Frequenza);
    EXPECT_EQ(frequenza.name, "Frequenza Numeri");
    ASSERT_EQ(frequenza.values.size(), 20u);
    EXPECT_EQ(frequenza.values.back(), 123456);
    EXPECT_EQ(frequenza.labels.front(), "01 -->      0");
    EXPECT_EQ(frequenza.labels.back(), "20 -->      123456");

    const auto consecutivi = chartOf(t, Statistic::Consecutivi);
    EXPECT_EQ(consecutivi.labels.front(), "01 -->      0");
    EXPECT_EQ(consecutivi.labels.size(), 10u);
}

} // namespace
} // namespace dvx
