#include "Ridotto.h"

#include "NumberSet.h"
#include "Progress.h"
#include "ReductionSurvivors.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

namespace dvx {

namespace {

constexpr std::uint32_t kAllNumbers = (std::uint32_t{1} << kNumbers) - 1;

bool isColumn(NumberSet mask) {
    const auto bits = static_cast<std::uint32_t>(mask);
    return (bits & ~kAllNumbers) == 0 && std::popcount(bits) == kColumnSize;
}

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
    ReductionSurvivors survivors(std::move(valid));
    // Without a first column the first choice is made against an empty
    // column: every candidate ties at 0 in common and the last one wins.
    std::uint32_t chosen = firstIsColumn ? first : survivors.last();

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
        const ReductionSurvivors::Step step = survivors.step(chosen, threshold);
        eliminated += step.eliminated;
        chosen = step.next;
    }
    return count;
}

} // namespace dvx
