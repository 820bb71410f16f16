#include "CoverSearch.h"

#include "Binomial.h"

#include "AnnealSupport.h"
#include "SearchRandom.h"
#include "Subsets.h"
#include "WeightedCover.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <unordered_set>

namespace dvx {

namespace {

double choice(int n, int k) {
    return static_cast<double>(binomial(n, k));
}

constexpr std::size_t kAllSets = std::size_t{1} << 20;

// Counts, for every point, the columns that cover it, and keeps the list of
// the points no column covers.
class Coverage final {
public:
    explicit Coverage(const CoverProblem& problem)
        : points_(problem.points), index_(kAllSets, -1), counts_(problem.points.size()) {
        for (std::size_t i = 0; i < points_.size(); ++i) {
            index_[points_[i]] = static_cast<std::int32_t>(i);
            universe_ |= points_[i];
        }
        size_ = points_.empty() ? 0 : std::popcount(points_.front());
        radius_ = std::clamp(problem.radius, 0, size_);
        needed_ = size_ - radius_;
    }

    std::uint32_t universe() const { return universe_; }
    int size() const { return size_; }
    int needed() const { return needed_; }
    bool isPoint(std::uint32_t set) const { return index_[set] >= 0; }
    std::int32_t pointOf(std::uint32_t set) const { return index_[set]; }
    const std::vector<std::uint32_t>& points() const { return points_; }
    std::int32_t coverOf(std::int32_t point) const { return counts_.of(point); }

    std::int32_t uncoveredCount() const { return counts_.uncoveredCount(); }
    std::int32_t uncoveredPoint(std::uint32_t k) const { return counts_.uncovered(k); }

    template <class Visit> void forEachCovered(std::uint32_t column, Visit&& visit) const {
        forEachWithin(column, universe_, needed_, [&](std::uint32_t set) {
            const std::int32_t point = index_[set];
            if (point >= 0) {
                visit(point);
            }
        });
    }

    void add(std::uint32_t column) {
        forEachCovered(column, [&](std::int32_t point) { counts_.raise(point); });
    }

    void remove(std::uint32_t column) {
        forEachCovered(column, [&](std::int32_t point) { counts_.lower(point); });
    }

    // The points only this column covers.
    std::int32_t coveredAlone(std::uint32_t column) const {
        std::int32_t alone = 0;
        forEachCovered(column, [&](std::int32_t point) { alone += coverOf(point) == 1 ? 1 : 0; });
        return alone;
    }

    // Moving a column from c to c - leave + enter changes coverage only on
    // the border: the points sharing exactly `needed` numbers with c, leave
    // among them and enter not (they lose c), and their mirror images with
    // enter for leave (they gain it).
    template <class Visit>
    void forEachBorderPair(std::uint32_t column, std::uint32_t leave, std::uint32_t enter,
                           Visit&& visit) {
        subsetsOfSize(column ^ leave, needed_ - 1, keep_);
        subsetsOfSize(universe_ & ~(column | enter), radius_, add_);
        for (const std::uint32_t kept : keep_) {
            for (const std::uint32_t added : add_) {
                visit(index_[leave | kept | added], index_[enter | kept | added]);
            }
        }
    }

    // How the count of uncovered points changes with that move.
    std::int32_t moveDelta(std::uint32_t column, std::uint32_t leave, std::uint32_t enter) {
        if (needed_ < 1) {
            return 0;
        }
        std::int32_t delta = 0;
        forEachBorderPair(column, leave, enter, [&](std::int32_t lost, std::int32_t gained) {
            delta += (lost >= 0 && coverOf(lost) == 1) ? 1 : 0;
            delta -= (gained >= 0 && coverOf(gained) == 0) ? 1 : 0;
        });
        return delta;
    }

    // Calls visit(set, point) for every point sharing exactly `needed`
    // numbers with the column: the ones a single swap may uncover.
    template <class Visit> void forEachOnEdge(std::uint32_t column, Visit&& visit) {
        subsetsOfSize(column, needed_, edgeKeep_);
        subsetsOfSize(universe_ & ~column, radius_, edgeAdd_);
        for (const std::uint32_t kept : edgeKeep_) {
            for (const std::uint32_t added : edgeAdd_) {
                const std::uint32_t set = kept | added;
                if (index_[set] >= 0) {
                    visit(set, index_[set]);
                }
            }
        }
    }

    void move(std::uint32_t column, std::uint32_t leave, std::uint32_t enter) {
        if (needed_ < 1) {
            return;
        }
        forEachBorderPair(column, leave, enter, [&](std::int32_t lost, std::int32_t gained) {
            if (lost >= 0) {
                counts_.lower(lost);
            }
            if (gained >= 0) {
                counts_.raise(gained);
            }
        });
    }

private:
    const std::vector<std::uint32_t>& points_;
    std::vector<std::int32_t> index_; // number set -> point, -1 when not a point
    CoverCounts counts_;
    std::uint32_t universe_ = 0;
    int size_ = 0;
    int radius_ = 0;
    int needed_ = 0;
    std::vector<std::uint32_t> keep_;
    std::vector<std::uint32_t> add_;
    std::vector<std::uint32_t> edgeKeep_;
    std::vector<std::uint32_t> edgeAdd_;
};

// Beyond this many neighbourhood visits the greedy weighs a sample.
constexpr double kExactGreedyWork = 4e8;
constexpr int kGreedySample = 96;

// The exact greedy: each point's gain (the uncovered points it would
// cover) is kept up to date, and the first point of highest gain is taken.
std::vector<std::uint32_t> exactGreedy(const CoverProblem& problem, Coverage& coverage,
                                       WorkMeter& meter) {
    const auto& points = coverage.points();
    std::vector<std::int32_t> gain(points.size(), 0);
    std::int32_t highest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        coverage.forEachCovered(points[i], [&](std::int32_t) { ++gain[i]; });
        highest = std::max(highest, gain[i]);
        if (!meter.spend(1)) {
            return {};
        }
    }
    std::vector<std::uint32_t> chosen;
    std::size_t cursor = 0;
    std::vector<std::int32_t> newlyCovered;
    while (coverage.uncoveredCount() > 0) {
        // Gains only fall, so the points before the cursor stay below highest.
        while (cursor < points.size() && gain[cursor] != highest) {
            ++cursor;
        }
        if (cursor == points.size()) {
            --highest;
            cursor = 0;
            continue;
        }
        const std::uint32_t column = points[cursor];
        chosen.push_back(column);
        newlyCovered.clear();
        coverage.forEachCovered(column, [&](std::int32_t point) {
            if (coverage.coverOf(point) == 0) {
                newlyCovered.push_back(point);
            }
        });
        coverage.add(column);
        for (const std::int32_t point : newlyCovered) {
            coverage.forEachCovered(points[static_cast<std::size_t>(point)],
                                    [&](std::int32_t neighbour) { --gain[neighbour]; });
            if (!meter.spend(1)) {
                return {};
            }
        }
    }
    (void)problem;
    return chosen;
}

// The sampled greedy: at each step, candidates that surely cover some
// uncovered point (an uncovered point moved a few swaps away) are weighed.
std::vector<std::uint32_t> sampledGreedy(Coverage& coverage, SearchRandom& random,
                                         WorkMeter& meter) {
    const auto& points = coverage.points();
    const std::uint32_t universe = coverage.universe();
    const int radius = coverage.size() - coverage.needed();
    std::vector<std::uint32_t> chosen;
    while (coverage.uncoveredCount() > 0) {
        std::uint32_t best = 0;
        std::int32_t bestGain = -1;
        for (int t = 0; t < kGreedySample; ++t) {
            const std::int32_t target = coverage.uncoveredPoint(
                random.below(static_cast<std::uint32_t>(coverage.uncoveredCount())));
            std::uint32_t candidate = points[static_cast<std::size_t>(target)];
            const int swaps =
                static_cast<int>(random.below(static_cast<std::uint32_t>(radius + 1)));
            const std::uint32_t original = candidate;
            for (int s = 0; s < swaps; ++s) {
                const std::uint32_t leave = random.memberOf(candidate & original);
                const std::uint32_t outside = universe & ~(candidate | original);
                if (outside == 0) {
                    break;
                }
                candidate = (candidate ^ leave) | random.memberOf(outside);
            }
            if (!coverage.isPoint(candidate)) {
                candidate = original;
            }
            std::int32_t gain = 0;
            coverage.forEachCovered(candidate, [&](std::int32_t point) {
                gain += coverage.coverOf(point) == 0 ? 1 : 0;
            });
            if (gain > bestGain) {
                bestGain = gain;
                best = candidate;
            }
            if (!meter.spend(1)) {
                return {};
            }
        }
        chosen.push_back(best);
        coverage.add(best);
    }
    return chosen;
}

// Drops the column that covers the fewest points alone, or with paired
// columns (pair = 2: columns 2i and 2i + 1) the pair that does.
void dropWeakest(Coverage& coverage, std::vector<std::uint32_t>& columns, std::size_t pair = 1) {
    std::size_t weakest = 0;
    std::int32_t fewest = INT32_MAX;
    for (std::size_t j = 0; j + pair <= columns.size(); j += pair) {
        std::int32_t alone = 0;
        for (std::size_t k = j; k < j + pair; ++k) {
            alone += coverage.coveredAlone(columns[k]);
        }
        if (alone < fewest) {
            fewest = alone;
            weakest = j;
        }
    }
    for (std::size_t k = weakest; k < weakest + pair; ++k) {
        coverage.remove(columns[k]);
    }
    const auto first = columns.begin() + static_cast<std::ptrdiff_t>(weakest);
    columns.erase(first, first + static_cast<std::ptrdiff_t>(pair));
}

} // namespace

double coverBallSize(int v, int w, int radius) {
    double size = 0;
    for (int d = 0; d <= radius; ++d) {
        size += choice(w, d) * choice(v - w, d);
    }
    return size;
}

std::vector<std::uint32_t> greedyCover(const CoverProblem& problem, std::uint64_t seed,
                                       CoverSearchControl control) {
    if (problem.points.empty()) {
        return {};
    }
    Coverage coverage(problem);
    const double ball = coverBallSize(std::popcount(coverage.universe()), coverage.size(),
                                      coverage.size() - coverage.needed());
    const double exactWork = static_cast<double>(problem.points.size()) * ball;
    if (exactWork <= kExactGreedyWork) {
        WorkMeter meter(control.progress, control.cancel,
                        static_cast<std::int64_t>(problem.points.size()) * 2);
        return exactGreedy(problem, coverage, meter);
    }
    SearchRandom random(seed);
    WorkMeter meter(control.progress, control.cancel, 0);
    return sampledGreedy(coverage, random, meter);
}

namespace {

constexpr int kTabuTenure = 10;

// Many columns make many small worsening moves; a cooler annealing keeps
// them from undoing more than the cold phase can mend.
constexpr std::size_t kManyColumns = 500;
constexpr std::uint64_t kHotForFew = 0x10000000;  // 1/16
constexpr std::uint64_t kHotForMany = 0x04000000; // 1/64

// Annealing: a column moves one swap towards a random uncovered point,
// preferring a column that the swap brings close enough to cover it; the
// move is kept with the annealing chance of its change.
class AnnealStep final {
public:
    AnnealStep(Coverage& coverage, SearchRandom& random, const CoverSearchLimits& limits,
               std::size_t columns)
        : coverage_(coverage), random_(random),
          acceptance_(limits.hotChance != 0     ? limits.hotChance
                      : columns >= kManyColumns ? kHotForMany
                                                : kHotForFew) {}

    void restart(std::int64_t movesIntoCycle) { acceptance_.cool(movesIntoCycle); }

    void operator()(std::vector<std::uint32_t>& columns, std::int64_t) {
        const std::uint32_t target = pickTarget(coverage_, random_);
        std::size_t which = 0;
        int closest = -1;
        for (int tries = 0; tries < 8; ++tries) {
            const std::size_t j = random_.below(static_cast<std::uint32_t>(columns.size()));
            const int common = std::popcount(columns[j] & target);
            if (common > closest) {
                closest = common;
                which = j;
                if (common == coverage_.needed() - 1) {
                    break;
                }
            }
        }
        const std::uint32_t column = columns[which];
        const std::uint32_t leave = random_.memberOf(column & ~target);
        const std::uint32_t enter = random_.memberOf(target & ~column);
        const std::uint32_t moved = column ^ leave ^ enter;
        if (!coverage_.isPoint(moved)) {
            return;
        }
        const std::int32_t delta = coverage_.moveDelta(column, leave, enter);
        if (delta <= 0 || random_.accept(acceptance_.chanceOf(delta))) {
            coverage_.move(column, leave, enter);
            columns[which] = moved;
        }
    }

    static std::uint32_t pickTarget(const Coverage& coverage, SearchRandom& random) {
        return coverage.points()[static_cast<std::size_t>(coverage.uncoveredPoint(
            random.below(static_cast<std::uint32_t>(coverage.uncoveredCount()))))];
    }

private:
    Coverage& coverage_;
    SearchRandom& random_;
    AcceptanceTable acceptance_;
};

// Tabu search: of every move that covers a random uncovered point (a column
// one swap too far from it, swapped towards it), the best is made, worse or
// not, unless it brings back a set a column left only a few moves ago.
class TabuStep final {
public:
    TabuStep(Coverage& coverage, SearchRandom& random, const CoverSearchLimits& /*limits*/,
             std::size_t /*columns*/)
        : coverage_(coverage), random_(random), leftAt_(kAllSets, INT64_MIN / 2) {}

    void restart(std::int64_t) {}

    void operator()(std::vector<std::uint32_t>& columns, std::int64_t move) {
        const std::uint32_t target = AnnealStep::pickTarget(coverage_, random_);
        const int needed = coverage_.needed();
        std::int32_t bestDelta = INT32_MAX;
        std::uint32_t ties = 0;
        Choice best{};
        for (std::size_t j = 0; j < columns.size(); ++j) {
            const std::uint32_t column = columns[j];
            if (std::popcount(column & target) != needed - 1) {
                continue;
            }
            for (std::uint32_t leaving = column & ~target; leaving != 0; leaving &= leaving - 1) {
                const std::uint32_t leave = leaving & (~leaving + 1);
                for (std::uint32_t entering = target & ~column; entering != 0;
                     entering &= entering - 1) {
                    const std::uint32_t enter = entering & (~entering + 1);
                    const std::uint32_t moved = column ^ leave ^ enter;
                    if (!coverage_.isPoint(moved) || move - leftAt_[moved] < kTabuTenure) {
                        continue;
                    }
                    const std::int32_t delta = coverage_.moveDelta(column, leave, enter);
                    if (delta < bestDelta) {
                        bestDelta = delta;
                        ties = 0;
                    }
                    // Ties are broken uniformly: keep the k-th tie with chance 1/k.
                    if (delta == bestDelta && random_.below(++ties) == 0) {
                        best = {j, leave, enter};
                    }
                }
            }
        }
        if (ties == 0) {
            return;
        }
        const std::uint32_t column = columns[best.which];
        leftAt_[column] = move;
        coverage_.move(column, best.leave, best.enter);
        columns[best.which] = column ^ best.leave ^ best.enter;
    }

private:
    struct Choice {
        std::size_t which;
        std::uint32_t leave;
        std::uint32_t enter;
    };

    Coverage& coverage_;
    SearchRandom& random_;
    std::vector<std::int64_t> leftAt_; // the move at which a column last left each set
};

// Weighted tabu: every move that covers a random uncovered point is scored
// by the weight of the points it uncovers less the weight of those it
// covers, and the lightest is made, worse or not, unless it brings a number
// back into a column it left only a few steps ago. After each step every
// point still uncovered grows heavier: points left out long pull ever
// harder, until some column takes them. The scores of a column's moves come
// from one walk over its edge and one over the uncovered points, not a walk
// per move: where neighbourhoods are large this is what makes the step cheap.
class WeightedTabuStep final {
public:
    WeightedTabuStep(Coverage& coverage, SearchRandom& random, const CoverSearchLimits& limits,
                     std::size_t columns)
        : coverage_(coverage), random_(random), paired_(limits.complementPairs),
          weight_(coverage.points().size(), 1), leftAt_(columns * kBitsPerColumn, INT64_MIN / 2) {}

    void restart(std::int64_t) {}

    void operator()(std::vector<std::uint32_t>& columns, std::int64_t move) {
        const std::uint32_t target = AnnealStep::pickTarget(coverage_, random_);
        std::int64_t lightest = INT64_MAX;
        std::uint32_t ties = 0;
        std::size_t which = 0;
        std::uint32_t leave = 0;
        std::uint32_t enter = 0;
        for (std::size_t j = 0; j < columns.size(); ++j) {
            const std::uint32_t column = columns[j];
            if (std::popcount(column & target) != coverage_.needed() - 1) {
                continue;
            }
            scoreMoves(column, target);
            const SingleBits& leaving = leaving_;
            const SingleBits& entering = entering_;
            for (int a = 0; a < leaving.count; ++a) {
                for (int b = 0; b < entering.count; ++b) {
                    const std::uint32_t out = leaving.bit[at(a)];
                    const std::uint32_t in = entering.bit[at(b)];
                    if (!coverage_.isPoint(column ^ out ^ in) ||
                        move - leftAt_[slot(j, in)] < kTabuTenure) {
                        continue;
                    }
                    const std::int64_t change = change_[at(a * entering.count + b)];
                    if (change < lightest) {
                        lightest = change;
                        ties = 0;
                    }
                    // Ties are broken uniformly: keep the k-th tie with chance 1/k.
                    if (change == lightest && random_.below(++ties) == 0) {
                        which = j;
                        leave = out;
                        enter = in;
                    }
                }
            }
        }
        if (ties > 0) {
            coverage_.move(columns[which], leave, enter);
            columns[which] ^= leave ^ enter;
            leftAt_[slot(which, leave)] = move;
            if (paired_) {
                // The partner mirrors the move; with a mirrored cover and
                // mirrored weights its change equals this one's.
                const std::size_t partner = which ^ 1U;
                coverage_.move(columns[partner], enter, leave);
                columns[partner] ^= leave ^ enter;
                leftAt_[slot(partner, enter)] = move;
            }
        }
        for (std::int32_t k = 0; k < coverage_.uncoveredCount(); ++k) {
            ++weight_[at(coverage_.uncoveredPoint(static_cast<std::uint32_t>(k)))];
        }
    }

private:
    static constexpr std::size_t kBitsPerColumn = 32;

    static std::size_t at(std::int32_t i) { return static_cast<std::size_t>(i); }
    static std::size_t slot(std::size_t column, std::uint32_t number) {
        return column * kBitsPerColumn + static_cast<std::size_t>(std::countr_zero(number));
    }

    // The swaps that bring the column close enough to cover the target:
    // leaving_ holds the numbers that may leave, entering_ those that may
    // enter, and change_[a * entering + b] the weight the swap of leaving a
    // for entering b adds to the uncovered points. It uncovers the points on
    // the column's edge that hold a and not b and only this column covers; it
    // covers the uncovered points one number short that hold b and not a.
    void scoreMoves(std::uint32_t column, std::uint32_t target) {
        const std::uint32_t leavers = column & ~target;
        leaving_ = singleBits(leavers);
        entering_ = singleBits(target & ~column);
        const SingleBits& leaving = leaving_;
        const SingleBits& entering = entering_;
        change_.assign(at(leaving.count * entering.count), 0);
        // A point the swap uncovers holds a and not b; one it covers, b and not a.
        const auto addTo = [&](std::uint32_t set, bool uncovered, std::int64_t weight) {
            for (int a = 0; a < leaving.count; ++a) {
                if (((set & leaving.bit[at(a)]) != 0) != uncovered) {
                    continue;
                }
                for (int b = 0; b < entering.count; ++b) {
                    if (((set & entering.bit[at(b)]) != 0) != uncovered) {
                        change_[at(a * entering.count + b)] += uncovered ? weight : -weight;
                    }
                }
            }
        };
        coverage_.forEachOnEdge(column, [&](std::uint32_t set, std::int32_t point) {
            if ((set & leavers) != 0 && coverage_.coverOf(point) == 1) {
                addTo(set, true, weight_[at(point)]);
            }
        });
        const auto& points = coverage_.points();
        for (std::int32_t k = 0; k < coverage_.uncoveredCount(); ++k) {
            const std::int32_t point = coverage_.uncoveredPoint(static_cast<std::uint32_t>(k));
            const std::uint32_t set = points[at(point)];
            if (std::popcount(set & column) == coverage_.needed() - 1) {
                addTo(set, false, weight_[at(point)]);
            }
        }
    }

    Coverage& coverage_;
    SearchRandom& random_;
    bool paired_;
    std::vector<std::int64_t> weight_;
    std::vector<std::int64_t> leftAt_; // the step at which a number last left a column
    SingleBits leaving_;
    SingleBits entering_;
    std::vector<std::int64_t> change_;
};

template <class Step>
std::vector<std::uint32_t> lowerCover(const CoverProblem& problem, std::vector<std::uint32_t> start,
                                      const CoverSearchLimits& limits, CoverSearchControl control) {
    Coverage coverage(problem);
    std::vector<std::uint32_t> columns = start;
    for (const std::uint32_t column : columns) {
        coverage.add(column);
    }
    // No cover is smaller than the points over the most one column covers.
    const double ball = coverBallSize(std::popcount(coverage.universe()), coverage.size(),
                                      coverage.size() - coverage.needed());
    const auto fewest = static_cast<std::size_t>(
        std::ceil(static_cast<double>(problem.points.size()) / std::max(ball, 1.0)));
    std::vector<std::uint32_t> best;
    SearchRandom random(limits.seed);
    Step step(coverage, random, limits, columns.size());
    WorkMeter meter(control.progress, control.cancel, limits.moves);
    std::int64_t since = 0;
    for (std::int64_t moves = 0; moves < limits.moves; ++moves) {
        if (coverage.uncoveredCount() == 0) {
            best = columns;
            if (columns.size() <= std::max<std::size_t>(fewest, 1)) {
                break;
            }
            dropWeakest(coverage, columns, limits.complementPairs ? 2 : 1);
            since = moves;
        }
        if ((moves - since) % AcceptanceTable::kMovesPerStep == 0) {
            step.restart(moves - since);
            if (!meter.spend(AcceptanceTable::kMovesPerStep)) {
                break;
            }
        }
        if (coverage.uncoveredCount() > 0) {
            step(columns, moves);
        }
    }
    if (coverage.uncoveredCount() == 0 && (best.empty() || columns.size() < best.size())) {
        best = columns;
    }
    return best.empty() ? start : best;
}

// The weighted search writes every neighbourhood out, and each point a step
// uncovers walks its own neighbourhood: a step costs about the points one
// column covers alone times a neighbourhood. Past neighbourhoods of a few
// thousand, covers of a handful of columns (each leaving a large share of
// the points uncovered when it steps out) or a few hundred megabytes of
// neighbourhoods, the annealing serves instead.
constexpr std::int64_t kMaxWrittenNeighbours = std::int64_t{64} << 20;
constexpr double kMaxWeightedBall = 2048;
constexpr double kFewestWeightedColumns = 8;

std::vector<std::uint32_t> weightedImprove(const CoverProblem& problem,
                                           std::vector<std::uint32_t> start,
                                           const CoverSearchLimits& limits,
                                           CoverSearchControl control) {
    const Coverage coverage(problem);
    const auto& points = coverage.points();
    const double ball = coverBallSize(std::popcount(coverage.universe()), coverage.size(),
                                      coverage.size() - coverage.needed());
    std::vector<std::int32_t> chosen;
    for (const std::uint32_t column : start) {
        chosen.push_back(coverage.pointOf(column));
    }
    const bool onlyPoints =
        std::all_of(chosen.begin(), chosen.end(), [](std::int32_t c) { return c >= 0; });
    if (ball > kMaxWeightedBall ||
        static_cast<double>(points.size()) < kFewestWeightedColumns * ball ||
        ball * static_cast<double>(points.size()) > kMaxWrittenNeighbours || !onlyPoints) {
        CoverSearchLimits annealing = limits;
        annealing.method = CoverMethod::Anneal;
        return lowerCover<AnnealStep>(problem, std::move(start), annealing, control);
    }
    // Every point is a candidate that covers its neighbourhood.
    SetCoverInstance instance;
    instance.elements = static_cast<std::int32_t>(points.size());
    std::vector<std::int32_t> covered;
    for (const std::uint32_t point : points) {
        covered.clear();
        coverage.forEachCovered(point, [&](std::int32_t near) { covered.push_back(near); });
        instance.addCandidate(covered, 1);
    }
    const auto found = weightedSetCover(instance, chosen, limits, control);
    if (found.empty() || found.size() >= start.size()) {
        return start;
    }
    std::vector<std::uint32_t> columns;
    for (const std::int32_t c : found) {
        columns.push_back(points[static_cast<std::size_t>(c)]);
    }
    return columns;
}

// The first half of the start's columns, each followed by its complement
// (each pair once): about as many columns as the start, where mirroring
// every column would double it. Nothing when the points are not every half
// of the numbers.
std::vector<std::uint32_t> complementPaired(const CoverProblem& problem,
                                            const std::vector<std::uint32_t>& start) {
    std::uint32_t universe = 0;
    for (const std::uint32_t point : problem.points) {
        universe |= point;
    }
    const int size = std::popcount(problem.points.front());
    const int numbers = std::popcount(universe);
    if (2 * size != numbers ||
        static_cast<double>(problem.points.size()) != choice(numbers, size)) {
        return {};
    }
    std::vector<std::uint32_t> paired;
    std::unordered_set<std::uint32_t> taken;
    for (std::size_t k = 0; k < (start.size() + 1) / 2; ++k) {
        const std::uint32_t column = start[k];
        const std::uint32_t mirror = universe & ~column;
        if (taken.insert(column).second && taken.insert(mirror).second) {
            paired.push_back(column);
            paired.push_back(mirror);
        }
    }
    return paired;
}

} // namespace

std::vector<std::uint32_t> improveCover(const CoverProblem& problem,
                                        std::vector<std::uint32_t> start,
                                        const CoverSearchLimits& limits,
                                        CoverSearchControl control) {
    if (problem.points.empty() || start.empty()) {
        return start;
    }
    switch (limits.method) {
    case CoverMethod::Tabu:
        return lowerCover<TabuStep>(problem, std::move(start), limits, control);
    case CoverMethod::Weighted:
        return weightedImprove(problem, std::move(start), limits, control);
    case CoverMethod::WeightedTabu: {
        auto paired = limits.complementPairs ? complementPaired(problem, start)
                                             : std::vector<std::uint32_t>{};
        if (paired.empty()) {
            CoverSearchLimits single = limits;
            single.complementPairs = false;
            return lowerCover<WeightedTabuStep>(problem, std::move(start), single, control);
        }
        auto found = lowerCover<WeightedTabuStep>(problem, std::move(paired), limits, control);
        return found.size() < start.size() ? found : start;
    }
    case CoverMethod::Anneal:
        break;
    }
    return lowerCover<AnnealStep>(problem, std::move(start), limits, control);
}

} // namespace dvx
