#include "ReductionSurvivors.h"

#include "Binomial.h"

#include "Model.h"

#include <algorithm>
#include <cstddef>

namespace dvx {

namespace {

constexpr std::uint32_t kSets = std::uint32_t{1} << kNumbers;

// Masks are swept in whole blocks (the tail padded with zeros) so that the
// compiler can run the sweep on vector registers.
constexpr std::uint32_t kBlock = 16;

// The sweep packs "fewest numbers in common, then latest position" into one
// key: the common count in the high bits, the position in the low ones.
constexpr int kPositionBits = 20;
constexpr std::uint32_t kPositionMask = (std::uint32_t{1} << kPositionBits) - 1;

// A bitmap visit costs about as much as sweeping this many survivors.
constexpr double kVisitCost = 2;

// Bit count written with shifts and masks only, so that it vectorises on
// any x86-64 (the popcnt instruction is not baseline).
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

} // namespace

ReductionSurvivors::ReductionSurvivors(std::vector<std::uint32_t> masks)
    : masks_(std::move(masks)) {
    live_ = sweptLive_ = static_cast<std::uint32_t>(masks_.size());
    for (const std::uint32_t m : masks_) {
        universe_ |= m;
    }
    size_ = roundUpToBlock(live_);
    masks_.resize(size_, 0);
    const int outside = static_cast<int>(bitCount(universe_)) - kColumnSize;
    for (int j = 0; j <= kColumnSize; ++j) {
        atDistance_[static_cast<std::size_t>(j)] =
            static_cast<double>(binomial(kColumnSize, j)) *
            static_cast<double>(binomial(outside, kColumnSize - j));
    }
}

std::uint32_t ReductionSurvivors::last() const {
    return sweptLive_ == 0 ? 0 : masks_[sweptLive_ - 1];
}

ReductionSurvivors::Step ReductionSurvivors::step(std::uint32_t chosen, int needed) {
    needed = std::clamp(needed, 0, kColumnSize + 1);
    std::int32_t eliminated = 0;
    Choice choice;
    if (neighbourhoodPays(needed) && enterNeighbourhoods()) {
        listSubsets(chosen);
        eliminated = eliminateAround(needed);
        live_ -= static_cast<std::uint32_t>(eliminated);
        if (live_ == 0) {
            return {eliminated, 0};
        }
        if (chooseAround(needed, live_ / kVisitCost, choice)) {
            lastCommon_ = {lastCommon_[1], choice.common};
            return {eliminated, choice.mask};
        }
        // The nearest survivors are too far to visit: sweep for them
        // (nothing is left for the sweep to eliminate).
    }
    enterSweeps();
    const std::int32_t swept = sweep(chosen, needed, choice);
    live_ -= static_cast<std::uint32_t>(swept);
    if (choice.mask != 0) {
        lastCommon_ = {lastCommon_[1], choice.common};
    }
    return {eliminated + swept, choice.mask};
}

std::int32_t ReductionSurvivors::sweep(std::uint32_t chosen, int needed, Choice& choice) {
    const auto limit = static_cast<std::uint32_t>(needed);
    std::uint32_t* masks = masks_.data();
    const std::uint32_t size = size_; // a local, or the stores below might change it
    std::uint32_t eliminated = 0;
    std::uint32_t best = 0;
    // Branch-free, so that it runs on vector registers.
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::uint32_t m = masks[i];
        const std::uint32_t common = bitCount(m & chosen);
        const std::uint32_t present = m != 0 ? ~0u : 0u;
        const std::uint32_t kept = common < limit ? ~0u : 0u;
        eliminated += present & ~kept & 1u;
        masks[i] = m & kept;
        const std::uint32_t key =
            (((kColumnSize + 1 - common) << kPositionBits) | i) & present & kept;
        best = std::max(best, key);
    }
    sweptLive_ -= eliminated;
    if (best != 0) {
        choice.mask = masks[best & kPositionMask];
        choice.common = kColumnSize + 1 - static_cast<int>(best >> kPositionBits);
    }
    if (sweptLive_ * 2 < size_) {
        compact();
    }
    return static_cast<std::int32_t>(eliminated);
}

// Drops the zeros, keeping the order of the rest so that "the later one on
// ties" still means the later candidate.
void ReductionSurvivors::compact() {
    const auto end = masks_.begin() + size_;
    const auto kept = std::remove(masks_.begin(), end, 0u);
    size_ = roundUpToBlock(static_cast<std::uint32_t>(kept - masks_.begin()));
    std::fill(kept, masks_.begin() + size_, 0u);
}

bool ReductionSurvivors::neighbourhoodPays(int needed) const {
    if (!distinct_) {
        return false;
    }
    double visits = 0;
    for (int j = needed; j <= kColumnSize; ++j) {
        visits += atDistance_[static_cast<std::size_t>(j)];
    }
    // Expect the next choice about as far as one of the last two.
    const int expected = std::min(std::max(lastCommon_[0], lastCommon_[1]), needed - 1);
    for (int j = 0; j <= expected; ++j) {
        visits += atDistance_[static_cast<std::size_t>(j)];
    }
    return visits * kVisitCost < live_;
}

bool ReductionSurvivors::enterNeighbourhoods() {
    if (visiting_) {
        return true;
    }
    if (alive_.empty()) {
        alive_.resize(kSets / 64);
        rank_.resize(kSets);
    } else {
        std::fill(alive_.begin(), alive_.end(), std::uint64_t{0});
    }
    std::uint32_t rank = 0;
    for (std::uint32_t i = 0; i < size_; ++i) {
        const std::uint32_t m = masks_[i];
        if (m == 0) {
            continue;
        }
        if (alive(m)) {
            // A bit per set cannot hold a set twice: keep sweeping.
            distinct_ = false;
            return false;
        }
        alive_[m >> 6] |= std::uint64_t{1} << (m & 63);
        rank_[m] = ++rank;
    }
    visiting_ = true;
    return true;
}

void ReductionSurvivors::enterSweeps() {
    if (!visiting_) {
        return;
    }
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < size_; ++i) {
        const std::uint32_t m = masks_[i];
        if (m != 0 && alive(m)) {
            masks_[count++] = m;
        }
    }
    size_ = roundUpToBlock(count);
    std::fill(masks_.begin() + count, masks_.begin() + size_, 0u);
    sweptLive_ = count;
    visiting_ = false;
}

void ReductionSurvivors::listSubsets(std::uint32_t chosen) {
    for (std::size_t j = 0; j <= static_cast<std::size_t>(kColumnSize); ++j) {
        inside_[j].clear();
        outside_[j].clear();
    }
    const std::uint32_t rest = universe_ & ~chosen;
    for (std::uint32_t s = chosen;; s = (s - 1) & chosen) {
        inside_[bitCount(s)].push_back(s);
        if (s == 0) {
            break;
        }
    }
    for (std::uint32_t s = rest;; s = (s - 1) & rest) {
        outside_[bitCount(s)].push_back(s);
        if (s == 0) {
            break;
        }
    }
}

std::int32_t ReductionSurvivors::eliminateAround(int needed) {
    std::int32_t eliminated = 0;
    for (int j = needed; j <= kColumnSize; ++j) {
        for (const std::uint32_t shared : inside_[static_cast<std::size_t>(j)]) {
            for (const std::uint32_t other : outside_[static_cast<std::size_t>(kColumnSize - j)]) {
                const std::uint32_t m = shared | other;
                if (alive(m)) {
                    alive_[m >> 6] &= ~(std::uint64_t{1} << (m & 63));
                    ++eliminated;
                }
            }
        }
    }
    return eliminated;
}

bool ReductionSurvivors::chooseAround(int needed, double budget, Choice& choice) const {
    double visits = 0;
    for (int j = 0; j < needed; ++j) {
        visits += atDistance_[static_cast<std::size_t>(j)];
        if (visits > budget) {
            return false;
        }
        std::uint32_t bestRank = 0;
        for (const std::uint32_t shared : inside_[static_cast<std::size_t>(j)]) {
            for (const std::uint32_t other : outside_[static_cast<std::size_t>(kColumnSize - j)]) {
                const std::uint32_t m = shared | other;
                if (alive(m) && rank_[m] > bestRank) {
                    bestRank = rank_[m];
                    choice.mask = m;
                }
            }
        }
        if (bestRank != 0) {
            choice.common = j;
            return true;
        }
    }
    return false;
}

} // namespace dvx
