// The archive check against the column-by-column reference, on random
// systems and random archives, odd rows and odd records included.

#include "ArchiveCheck.h"
#include "CheckFixtures.h"
#include "LexicographicColumns.h"
#include "LiteralCheck.h"
#include "NumberSet.h"
#include "Progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace dvx {
namespace {

using Random = std::mt19937;

int uniform(Random& random, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

// count distinct numbers out of pool, ascending.
std::vector<int> pick(Random& random, std::vector<int> pool, int count) {
    std::shuffle(pool.begin(), pool.end(), random);
    pool.resize(static_cast<std::size_t>(count));
    std::sort(pool.begin(), pool.end());
    return pool;
}

// A row the loaders would refuse: a repeated number, an empty position or
// a number above 20.
void spoil(Random& random, test::Column& column) {
    const auto at = static_cast<std::size_t>(uniform(random, 0, kColumnSize - 1));
    switch (uniform(random, 0, 2)) {
    case 0:
        column[at] = column[(at + 1) % column.size()];
        break;
    case 1:
        column[at] = 0;
        break;
    default:
        column[at] = 21;
        break;
    }
}

std::unique_ptr<SystemState> randomSystem(Random& random) {
    const auto inPlay = pick(random, test::numbersUpTo(kNumbers), uniform(random, 10, 20));
    std::vector<test::Column> columns(static_cast<std::size_t>(uniform(random, 0, 3000)));
    for (auto& column : columns) {
        const auto numbers = pick(random, inPlay, kColumnSize);
        std::copy(numbers.begin(), numbers.end(), column.begin());
        if (uniform(random, 0, 19) == 0) {
            spoil(random, column);
        }
    }
    return test::systemOf(columns, static_cast<std::uint8_t>(uniform(random, 0, 20)),
                          uniform(random, 0, 1) == 0 ? 1.0f : 2.0f);
}

// Mostly proper draws; some empty records and some whose number set holds
// more than ten numbers or bits beyond 20, as a damaged file could.
Archivio randomArchive(Random& random, int size) {
    std::vector<Estrazione> draws;
    for (int k = 1; k <= size; ++k) {
        Estrazione draw;
        draw.concorso = k;
        draw.data = "10/12/2026";
        draw.ora = "14:00";
        const int kind = uniform(random, 0, 19);
        if (kind == 0) {
            draws.push_back(Estrazione{});
            continue;
        }
        const int count = kind == 1 ? uniform(random, 0, kNumbers) : kColumnSize;
        for (const int n : pick(random, test::numbersUpTo(kNumbers), count)) {
            draw.numeri |= maskOf(n);
        }
        if (kind == 2) {
            draw.numeri |= NumberSet{1} << uniform(random, kNumbers, 30);
        }
        draw.numerone = static_cast<std::uint8_t>(uniform(random, 1, kNumbers));
        draws.push_back(draw);
    }
    return test::archiveOf(draws);
}

TEST(FastArchiveCheck, MatchesTheColumnByColumnCheckOnRandomSystems) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Random random(seed);
        const auto system = randomSystem(random);
        const auto archive = randomArchive(random, uniform(random, 1, 120));
        const int first = uniform(random, 1, archive.upperBound());
        const int last = uniform(random, first, archive.upperBound());
        Progress progress;
        EXPECT_EQ(SpoglioArchivioEstrazioni(*system, archive, first, last, progress),
                  test::literalArchiveCheck(*system, archive, first, last))
            << "seed " << seed;
    }
}

TEST(FastArchiveCheck, MatchesTheColumnByColumnCheckOnTheIntegralOfTwenty) {
    const auto sets = test::lexicographicColumns(test::numbersUpTo(kNumbers));
    std::vector<test::Column> columns(sets.size() - 1);
    for (std::size_t i = 1; i < sets.size(); ++i) {
        rowOfSet(sets[i], columns[i - 1].data());
    }
    Random random(2026);
    const auto system = test::systemOf(columns, 9, 2.0f);
    const auto archive = randomArchive(random, 25);
    Progress progress;
    EXPECT_EQ(SpoglioArchivioEstrazioni(*system, archive, 1, archive.upperBound(), progress),
              test::literalArchiveCheck(*system, archive, 1, archive.upperBound()));
}

} // namespace
} // namespace dvx
