#include "Ridotto.h"

#include "NumberSet.h"
#include "Progress.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (std::uint32_t{1} << kNumbers) - 1;

// Masks are swept in whole blocks (the tail padded with zeros) so that the
// compiler can run the sweep on vector registers.
constexpr std::uint32_t kBlock = 16;

// The sweep packs "fewest numbers in common, then highest position" into one
// key: the common count in the high bits, the position in the low ones.
constexpr int kPositionBits = 20;
static_assert(kColumnCapacity < (1 << kPositionBits));

bool isColumn(NumberSet mask) {
    const auto bits = static_cast<std::uint32_t>(mask);
    return (bits & ~kAllNumbers) == 0 && std::popcount(bits) == kColumnSize;
}

// Portable bit count, written with shifts and masks only so that it
// vectorises on any x86-64 (the popcnt instruction is not baseline).
inline std::uint32_t bitCount(std::uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    x = x + (x >> 8);
    x = x + (x >> 16);
    return x & 0x3Fu;
}

std::uint32_t roundUpToBlock(std::uint32_t count) {
    return (count + kBlock - 1) / kBlock * kBlock;
}

// The candidates still in play, in their original order, with eliminated
// ones left as zeros until the next compaction.
class Pool final {
public:
    explicit Pool(std::vector<std::uint32_t> masks) : masks_(std::move(masks)) {
        live_ = static_cast<std::uint32_t>(masks_.size());
        size_ = roundUpToBlock(live_);
        masks_.resize(size_, 0);
    }

    std::uint32_t last() const { return live_ == 0 ? 0 : masks_[live_ - 1]; }

    struct Sweep {
        std::int32_t eliminated;
        std::uint32_t next; // 0 when nothing is left
    };

    // Eliminates every candidate sharing at least threshold numbers with
    // chosen and, among the others, picks the one with fewest numbers in
    // common, the later one on ties. Both use the same count, so one pass
    // does both jobs.
    Sweep sweep(std::uint32_t chosen, int threshold) {
        const auto limit = static_cast<std::uint32_t>(std::clamp(threshold, 0, kColumnSize + 1));
        std::uint32_t* masks = masks_.data();
        std::uint32_t eliminated = 0;
        std::uint32_t best = 0;
        for (std::uint32_t i = 0; i < size_; ++i) {
            const std::uint32_t m = masks[i];
            const std::uint32_t common = bitCount(m & chosen);
            const bool present = m != 0;
            const bool covered = common >= limit;
            eliminated += static_cast<std::uint32_t>(present && covered);
            masks[i] = covered ? 0u : m;
            const std::uint32_t key =
                (present && !covered) ? ((kColumnSize + 1 - common) << kPositionBits) | i : 0u;
            best = std::max(best, key);
        }
        live_ -= eliminated;
        const std::uint32_t next =
            best == 0 ? 0u : masks[best & ((std::uint32_t{1} << kPositionBits) - 1)];
        if (live_ * 2 < size_) {
            compact();
        }
        return {static_cast<std::int32_t>(eliminated), next};
    }

private:
    // Drops the zeros, keeping the order of the rest so that "the later one
    // on ties" still means the later candidate.
    void compact() {
        const auto kept = std::remove(masks_.begin(), masks_.begin() + size_, 0u);
        const auto count = static_cast<std::uint32_t>(kept - masks_.begin());
        size_ = roundUpToBlock(count);
        std::fill(kept, masks_.begin() + size_, 0u);
    }

    std::vector<std::uint32_t> masks_;
    std::uint32_t size_ = 0;
    std::uint32_t live_ = 0;
};

// Shows progress the way the dialog expects it: the count before each pass,
// the bar only when a new tenth is reached, after letting events run.
class TenthReporter final {
public:
    TenthReporter(Progress& progress, std::int32_t total) : progress_(progress), total_(total) {}

    void report(std::int32_t eliminated) {
        progress_.processed = eliminated;
        const auto percent = static_cast<std::uint8_t>(eliminated * 100 / total_);
        const int tenth = percent / 10;
        if (tenth != lastTenth_) {
            lastTenth_ = tenth;
            progress_.yield();
            progress_.setPercent(percent);
        }
    }

private:
    Progress& progress_;
    std::int32_t total_;
    int lastTenth_ = 0;
};

} // namespace

void writeRow(ColumnTable& colonne, NumberSet mask, int r) {
    std::uint8_t* row = colonne.row(r);
    int position = 0;
    for (int number = 1; number <= kNumbers && position < kColumnSize; ++number) {
        if (contains(mask, number)) {
            row[position++] = static_cast<std::uint8_t>(number);
        }
    }
}

std::array<NumberSet, kColumnSize> splitBits(NumberSet mask) {
    std::array<NumberSet, kColumnSize> bits{};
    int position = 0;
    for (int number = 1; number <= kNumbers && position < kColumnSize; ++number) {
        if (contains(mask, number)) {
            bits[static_cast<std::size_t>(position++)] = maskOf(number);
        }
    }
    return bits;
}

std::int32_t ridotto(ColumnTable& colonne, NumberSet* candidates, std::int32_t n, int level,
                     const bool& cancel, Progress& progress) {
    n = std::clamp(n, 0, kColumnCapacity);
    colonne.clearRows(1, n);
    progress.setPercent(0);
    progress.setCaption("Riduzione in corso....");
    if (n == 0) {
        return 0;
    }

    // Entries that are not 10-number columns could never be eliminated and
    // would keep the run going for ever: they take no part and count as done.
    const bool firstIsColumn = isColumn(candidates[1]);
    const auto first = static_cast<std::uint32_t>(candidates[1]);
    std::vector<std::uint32_t> valid;
    valid.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 1; i <= n; ++i) {
        if (isColumn(candidates[i])) {
            valid.push_back(static_cast<std::uint32_t>(candidates[i]));
        }
        candidates[i] = 0;
    }
    std::int32_t eliminated = n - static_cast<std::int32_t>(valid.size());
    Pool pool(std::move(valid));
    // Without a first column the first choice is made against an empty
    // column: every candidate ties at 0 in common and the last one wins.
    std::uint32_t chosen = firstIsColumn ? first : pool.last();

    const int threshold = kColumnSize - std::max(level, 0);
    TenthReporter reporter(progress, n);
    std::int32_t count = 0;
    while (chosen != 0) {
        if (cancel) {
            return 0;
        }
        ++count;
        writeRow(colonne, static_cast<NumberSet>(chosen), count);
        reporter.report(eliminated);
        const Pool::Sweep sweep = pool.sweep(chosen, threshold);
        eliminated += sweep.eliminated;
        chosen = sweep.next;
    }
    return count;
}

} // namespace dvx
