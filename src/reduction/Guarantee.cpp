#include "Guarantee.h"

#include "Binomial.h"

#include "NumberSet.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (std::uint32_t{1} << kNumbers) - 1;

struct Bits {
    std::array<std::uint32_t, kNumbers> single{};
    int count = 0;
};

Bits bitsOf(std::uint32_t mask) {
    Bits bits;
    while (mask != 0) {
        const std::uint32_t low = mask & (~mask + 1);
        bits.single[static_cast<std::size_t>(bits.count++)] = low;
        mask ^= low;
    }
    return bits;
}

// Calls visit(mask) for every union of `size` of the given single bits.
template <class Visit> void forEachSubset(const Bits& bits, int size, Visit&& visit) {
    if (size < 0 || size > bits.count) {
        return;
    }
    if (size == 0) {
        visit(std::uint32_t{0});
        return;
    }
    const std::uint32_t end = std::uint32_t{1} << bits.count;
    std::uint32_t pick = (std::uint32_t{1} << size) - 1;
    while (pick < end) {
        std::uint32_t mask = 0;
        for (std::uint32_t rest = pick; rest != 0; rest &= rest - 1) {
            mask |= bits.single[static_cast<std::size_t>(std::countr_zero(rest))];
        }
        visit(mask);
        // Next index set with the same number of members.
        const std::uint32_t lowest = pick & (~pick + 1);
        const std::uint32_t ripple = pick + lowest;
        pick = (((ripple ^ pick) >> 2) / lowest) | ripple;
    }
}

// Marks every 10-number set of the play sharing at least `needed` numbers
// with column (a subset of the play, of any size).
class Coverage final {
public:
    Coverage(std::uint32_t inPlay, int needed)
        : covered_(std::size_t{1} << kNumbers, 0), inPlay_(inPlay),
          playCount_(std::popcount(inPlay)), needed_(needed) {}

    double ballSize(std::uint32_t column, int needed) const {
        const int inside = std::popcount(column);
        const int outside = playCount_ - inside;
        double size = 0;
        for (int common = std::max(needed, 0); common <= std::min(kColumnSize, inside); ++common) {
            size += static_cast<double>(binomial(inside, common)) *
                    static_cast<double>(binomial(outside, kColumnSize - common));
        }
        return size;
    }

    void markBall(std::uint32_t column) {
        const Bits inside = bitsOf(column);
        const Bits outside = bitsOf(inPlay_ & ~column);
        for (int common = std::max(needed_, 0); common <= std::min(kColumnSize, inside.count);
             ++common) {
            forEachSubset(inside, common, [&](std::uint32_t shared) {
                forEachSubset(outside, kColumnSize - common,
                              [&](std::uint32_t other) { covered_[shared | other] = 1; });
            });
        }
    }

    // Every 10-number set of the play within `radius` swaps of one of the
    // columns (all of 10 numbers of the play): breadth first, each set
    // entered once, however many columns reach it.
    void markBySwaps(const std::vector<std::uint32_t>& columns, int radius) {
        std::vector<std::uint32_t> frontier;
        for (const std::uint32_t column : columns) {
            if (covered_[column] == 0) {
                covered_[column] = 1;
                frontier.push_back(column);
            }
        }
        std::vector<std::uint32_t> next;
        for (int step = 0; step < radius && !frontier.empty(); ++step) {
            next.clear();
            for (const std::uint32_t set : frontier) {
                const Bits leaving = bitsOf(set);
                const Bits entering = bitsOf(inPlay_ & ~set);
                for (int a = 0; a < leaving.count; ++a) {
                    const std::uint32_t without = set ^ leaving.single[static_cast<std::size_t>(a)];
                    for (int b = 0; b < entering.count; ++b) {
                        const std::uint32_t swapped =
                            without | entering.single[static_cast<std::size_t>(b)];
                        if (covered_[swapped] == 0) {
                            covered_[swapped] = 1;
                            next.push_back(swapped);
                        }
                    }
                }
            }
            frontier.swap(next);
        }
    }

    bool covered(std::uint32_t set) const { return covered_[set] != 0; }

private:
    std::vector<std::uint8_t> covered_;
    std::uint32_t inPlay_;
    int playCount_;
    int needed_;
};

// Visits the 10-number sets of the play in lexicographic order of their
// ascending numbers.
template <class Visit> void forEachCombination(std::uint32_t inPlay, Visit&& visit) {
    const Bits play = bitsOf(inPlay);
    const int n = play.count;
    if (n < kColumnSize) {
        return;
    }
    std::array<int, kColumnSize> slot{};
    for (int p = 0; p < kColumnSize; ++p) {
        slot[static_cast<std::size_t>(p)] = p;
    }
    for (;;) {
        std::uint32_t set = 0;
        for (const int s : slot) {
            set |= play.single[static_cast<std::size_t>(s)];
        }
        visit(set);
        int p = kColumnSize - 1;
        while (p >= 0 && slot[static_cast<std::size_t>(p)] == n - kColumnSize + p) {
            --p;
        }
        if (p < 0) {
            return;
        }
        ++slot[static_cast<std::size_t>(p)];
        for (int q = p + 1; q < kColumnSize; ++q) {
            slot[static_cast<std::size_t>(q)] = slot[static_cast<std::size_t>(q - 1)] + 1;
        }
    }
}

} // namespace

GuaranteeReport checkGuarantee(std::span<const NumberSet> columns, NumberSet inPlay, int level) {
    const std::uint32_t play = static_cast<std::uint32_t>(inPlay) & kAllNumbers;
    const int needed = kColumnSize - std::clamp(level, 0, kColumnSize);

    // Only the numbers in play can be in common, and equal columns cover the
    // same sets: keep each restricted column once.
    std::vector<std::uint32_t> restricted;
    restricted.reserve(columns.size());
    for (const NumberSet column : columns) {
        restricted.push_back(static_cast<std::uint32_t>(column) & play);
    }
    std::sort(restricted.begin(), restricted.end());
    restricted.erase(std::unique(restricted.begin(), restricted.end()), restricted.end());

    Coverage coverage(play, needed);
    std::vector<std::uint32_t> whole;
    std::vector<std::uint32_t> partial;
    for (const std::uint32_t column : restricted) {
        (std::popcount(column) == kColumnSize ? whole : partial).push_back(column);
    }

    // Marking each column's own neighbourhood costs the sum of their sizes;
    // spreading by swaps enters each set once but tries every swap from it.
    // Take the cheaper for the whole columns; the others can only be marked.
    const int playCount = std::popcount(play);
    const double combinations = static_cast<double>(binomial(playCount, kColumnSize));
    double markCost = 0;
    double innerSets = 0;
    for (const std::uint32_t column : whole) {
        markCost += coverage.ballSize(column, needed);
        innerSets += coverage.ballSize(column, needed + 1);
    }
    const double swapCost =
        std::min(combinations, innerSets) * kColumnSize * std::max(playCount - kColumnSize, 1) +
        static_cast<double>(whole.size());
    if (markCost <= swapCost) {
        for (const std::uint32_t column : whole) {
            coverage.markBall(column);
        }
    } else {
        coverage.markBySwaps(whole, kColumnSize - needed);
    }
    for (const std::uint32_t column : partial) {
        coverage.markBall(column);
    }

    GuaranteeReport report;
    forEachCombination(play, [&](std::uint32_t set) {
        if (!coverage.covered(set)) {
            if (report.holds) {
                report.holds = false;
                report.firstUncovered = static_cast<NumberSet>(set);
            }
            ++report.uncoveredCount;
        }
    });
    return report;
}

GuaranteeReport checkGuarantee(const ColumnTable& colonne, std::int32_t count, NumberSet inPlay,
                               int level) {
    std::vector<NumberSet> columns;
    columns.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (std::int32_t r = 1; r <= std::min(count, kColumnCapacity); ++r) {
        columns.push_back(setOfRow(colonne.row(r)));
    }
    return checkGuarantee(columns, inPlay, level);
}

} // namespace dvx
