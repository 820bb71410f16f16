#pragma once
// What the two annealers share: cover counts with the list of uncovered
// points, the acceptance chances, and the work meter that reports progress.

#include "Progress.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace dvx {

struct CoverSearchControl;

// How many chosen columns cover each point, and which points none covers.
class CoverCounts final {
public:
    explicit CoverCounts(std::size_t points) : cover_(points, 0), where_(points) {
        for (std::size_t i = 0; i < points; ++i) {
            uncovered_.push_back(static_cast<std::int32_t>(i));
            where_[i] = static_cast<std::int32_t>(i);
        }
    }

    std::int32_t of(std::int32_t point) const { return cover_[static_cast<std::size_t>(point)]; }
    std::int32_t uncoveredCount() const { return static_cast<std::int32_t>(uncovered_.size()); }
    std::int32_t uncovered(std::uint32_t k) const { return uncovered_[k]; }

    void raise(std::int32_t point, std::int32_t by = 1) {
        auto& cover = cover_[static_cast<std::size_t>(point)];
        if (cover == 0) {
            const std::int32_t at = where_[static_cast<std::size_t>(point)];
            const std::int32_t last = uncovered_.back();
            uncovered_[static_cast<std::size_t>(at)] = last;
            where_[static_cast<std::size_t>(last)] = at;
            uncovered_.pop_back();
        }
        cover += by;
    }

    void lower(std::int32_t point, std::int32_t by = 1) {
        auto& cover = cover_[static_cast<std::size_t>(point)];
        cover -= by;
        if (cover == 0) {
            where_[static_cast<std::size_t>(point)] = static_cast<std::int32_t>(uncovered_.size());
            uncovered_.push_back(point);
        }
    }

private:
    std::vector<std::int32_t> cover_;
    std::vector<std::int32_t> uncovered_;
    std::vector<std::int32_t> where_; // position of an uncovered point in uncovered_
};

// The annealing temperature as the chance of accepting a move that leaves
// one more point uncovered, in 2^-32 units; a move worse by d is accepted
// with that chance to the power d. Kept in integers so that no floating
// point detail of a machine changes the search. Each cycle cools from hot
// to cold, then starts again.
class AcceptanceTable final {
public:
    static constexpr std::uint64_t kHot = 0x40000000; // 1/4
    static constexpr std::uint64_t kColdShift = 12;   // cold = hot / 4096
    static constexpr std::int64_t kCycleMoves = std::int64_t{1} << 18;
    static constexpr std::int64_t kMovesPerStep = 256;

    explicit AcceptanceTable(std::uint64_t hot = kHot) : hot_(hot), cold_(hot >> kColdShift) {}

    // Sets the chances for a point of the cycle.
    void cool(std::int64_t movesIntoCycle) {
        const auto into = static_cast<std::uint64_t>(movesIntoCycle % kCycleMoves);
        set(static_cast<std::uint32_t>(hot_ - (hot_ - cold_) * into / kCycleMoves));
    }

    std::uint32_t chanceOf(std::int32_t worse) const {
        if (worse <= 0) {
            return UINT32_MAX;
        }
        return worse <= static_cast<std::int32_t>(chance_.size())
                   ? chance_[static_cast<std::size_t>(worse - 1)]
                   : 0;
    }

private:
    void set(std::uint32_t chanceOfOne) {
        std::uint64_t chance = chanceOfOne;
        for (auto& entry : chance_) {
            entry = static_cast<std::uint32_t>(chance);
            chance = (chance * chanceOfOne) >> 32;
        }
    }

    std::uint64_t hot_;
    std::uint64_t cold_;
    std::array<std::uint32_t, 16> chance_{};
};

// Counts work and, every so often, lets the caller show progress and cancel.
class WorkMeter final {
public:
    static constexpr std::int64_t kWorkBetweenReports = 1024;

    WorkMeter(Progress* progress, const bool* cancel, std::int64_t total)
        : progress_(progress), cancel_(cancel), total_(total) {}

    // False when the search should stop.
    bool spend(std::int64_t work) {
        done_ += work;
        if (done_ < nextReport_) {
            return true;
        }
        nextReport_ = done_ + kWorkBetweenReports;
        if (progress_ != nullptr) {
            progress_->yield();
            if (total_ > 0) {
                progress_->setPercent(
                    static_cast<int>(std::min<std::int64_t>(done_ * 100 / total_, 99)));
            }
        }
        return cancel_ == nullptr || !*cancel_;
    }

private:
    Progress* progress_;
    const bool* cancel_;
    std::int64_t total_;
    std::int64_t done_ = 0;
    std::int64_t nextReport_ = kWorkBetweenReports;
};

} // namespace dvx
