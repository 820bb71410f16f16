#include "ArchiveFixtures.h"
#include "Ritardi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace dvx {
namespace {

using test::archiveOf;
using test::draw;

// The delays worked out from the positions where each number came out.
Ritardi ritardiFromPositions(const std::vector<NumberSet>& draws) {
    Ritardi r;
    r.draws = static_cast<std::int32_t>(draws.size());
    for (int n = 1; n <= kNumbers; ++n) {
        std::vector<int> seen{-1};
        for (int i = 0; i < static_cast<int>(draws.size()); ++i) {
            if ((draws[static_cast<std::size_t>(i)] >> (n - 1)) & 1) {
                seen.push_back(i);
            }
        }
        seen.push_back(static_cast<int>(draws.size()));
        int longest = 0;
        for (std::size_t k = 1; k < seen.size(); ++k) {
            longest = std::max(longest, seen[k] - seen[k - 1] - 1);
        }
        r.longest[static_cast<std::size_t>(n)] = longest;
        r.current[static_cast<std::size_t>(n)] =
            static_cast<int>(draws.size()) - 1 - seen[seen.size() - 2];
    }
    return r;
}

TEST(Ritardi, SmallArchiveNewestDrawLast) {
    const auto archivio = archiveOf({
        draw("1/12/2026", "10:00", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1),
        draw("1/12/2026", "11:00", 2, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 2),
        draw("1/12/2026", "12:00", 3, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 3),
    });
    const auto r = ritardiOf(archivio);
    EXPECT_EQ(r.draws, 3);
    // 1: out in the newest draw, missed only the second.
    EXPECT_EQ(r.current[1], 0);
    EXPECT_EQ(r.longest[1], 1);
    // 2: out only in the first draw, missing since.
    EXPECT_EQ(r.current[2], 2);
    EXPECT_EQ(r.longest[2], 2);
    // 12: missed the first and the last.
    EXPECT_EQ(r.current[12], 1);
    EXPECT_EQ(r.longest[12], 1);
    // 11: missed only the first, before it ever came out.
    EXPECT_EQ(r.current[11], 0);
    EXPECT_EQ(r.longest[11], 1);
}

TEST(Ritardi, RecordsWithoutADrawAreNotCounted) {
    auto archivio = archiveOf({
        draw("1/12/2026", "10:00", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1),
        Estrazione{},
        draw("1/12/2026", "11:00", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}, 2),
    });
    archivio[2].numeri = 0x3; // a damaged record: two numbers only
    auto withEmpty = archivio;
    withEmpty[2] = Estrazione{};
    for (const auto* a : {&archivio, &withEmpty}) {
        const auto r = ritardiOf(*a);
        EXPECT_EQ(r.draws, 2);
        EXPECT_EQ(r.current[10], 1);
        EXPECT_EQ(r.longest[1], 0);
        EXPECT_EQ(r.current[20], 2); // never out: every draw
        EXPECT_EQ(r.longest[20], 2);
    }
}

TEST(Ritardi, EmptyArchiveHasNoDelays) {
    EXPECT_EQ(ritardiOf(Archivio{}), Ritardi{});
}

TEST(Ritardi, AgreeWithPositionsOnRandomArchives) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 50; ++round) {
        std::vector<NumberSet> sets(static_cast<std::size_t>(random() % 300));
        Archivio archivio;
        archivio.resize(std::max<int>(1, static_cast<int>(sets.size())));
        for (std::size_t i = 0; i < sets.size(); ++i) {
            std::vector<int> numbers(kNumbers);
            for (int n = 0; n < kNumbers; ++n) {
                numbers[static_cast<std::size_t>(n)] = n;
            }
            std::shuffle(numbers.begin(), numbers.end(), random);
            for (int k = 0; k < kColumnSize; ++k) {
                sets[i] |= NumberSet{1} << numbers[static_cast<std::size_t>(k)];
            }
            archivio[static_cast<int>(i) + 1].numeri = sets[i];
        }
        EXPECT_EQ(ritardiOf(archivio), ritardiFromPositions(sets)) << "round " << round;
    }
}

TEST(Ritardi, LabelsShowNumberCurrentAndLongest) {
    Ritardi r;
    r.current[7] = 3;
    r.longest[7] = 12;
    const auto labels = ritardiLabels(r);
    ASSERT_EQ(labels.size(), 20u);
    EXPECT_EQ(labels[6], "07 -->      3 /     12");
    EXPECT_EQ(labels[19], "20 -->      0 /     0");
}

} // namespace
} // namespace dvx
