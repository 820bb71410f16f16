#include "CyclicCover.h"

#include "AnnealSupport.h"
#include "SearchRandom.h"
#include "Subsets.h"
#include "WeightedCover.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <numeric>

namespace dvx {

namespace {

// The orbits of the size-sets of 0..v-1 under the shift, and what each
// orbit covers: for its first member, the orbits of the sets it covers,
// with how many of them fall into each orbit.
class Orbits final {
public:
    Orbits(int v, int size, int radius, const CycleLengths& cycles)
        : orbitOf_(std::size_t{1} << v, -1) {
        const std::uint32_t universe = (std::uint32_t{1} << v) - 1;
        // image_[by][b]: where the shift taken `by` times sends number b.
        std::array<int, 32> once{};
        for (int b = 0; b < v; ++b) {
            once[static_cast<std::size_t>(b)] = b;
        }
        int first = 0;
        cycle_ = 1;
        // A cycle that would run past the last number is left out.
        for (const int length : cycles) {
            if (length < 1 || first + length > v) {
                break;
            }
            for (int i = 0; i < length; ++i) {
                once[static_cast<std::size_t>(first + i)] = first + (i + 1) % length;
            }
            first += length;
            cycle_ = std::lcm(cycle_, length);
        }
        images_.assign(static_cast<std::size_t>(cycle_), {});
        for (int b = 0; b < v; ++b) {
            int at = b;
            for (int by = 0; by < cycle_; ++by) {
                images_[static_cast<std::size_t>(by)][static_cast<std::size_t>(b)] = at;
                at = once[static_cast<std::size_t>(at)];
            }
        }
        forEachSubset(universe, size, [&](std::uint32_t set) { sets_.push_back(set); });
        std::sort(sets_.begin(), sets_.end());
        for (const std::uint32_t set : sets_) {
            if (orbitOf_[set] >= 0) {
                continue;
            }
            const auto orbit = static_cast<std::int32_t>(first_.size());
            first_.push_back(set);
            std::int32_t members = 0;
            for (int by = 0; by < cycle_; ++by) {
                const std::uint32_t moved = rotate(set, by);
                if (orbitOf_[moved] < 0) {
                    orbitOf_[moved] = orbit;
                    ++members;
                }
            }
            size_.push_back(members);
        }
        std::vector<std::int32_t> tally(first_.size(), 0);
        std::vector<std::int32_t> touched;
        start_.push_back(0);
        for (const std::uint32_t member : first_) {
            touched.clear();
            forEachWithin(member, universe, size - radius, [&](std::uint32_t set) {
                const std::int32_t orbit = orbitOf_[set];
                if (tally[static_cast<std::size_t>(orbit)]++ == 0) {
                    touched.push_back(orbit);
                }
            });
            std::sort(touched.begin(), touched.end());
            for (const std::int32_t orbit : touched) {
                covers_.push_back({orbit, tally[static_cast<std::size_t>(orbit)]});
                tally[static_cast<std::size_t>(orbit)] = 0;
            }
            start_.push_back(static_cast<std::int32_t>(covers_.size()));
        }
    }

    struct Share {
        std::int32_t orbit;
        std::int32_t count;
    };

    std::size_t count() const { return first_.size(); }
    int cycle() const { return cycle_; }
    std::uint32_t first(std::int32_t orbit) const {
        return first_[static_cast<std::size_t>(orbit)];
    }
    std::int32_t size(std::int32_t orbit) const { return size_[static_cast<std::size_t>(orbit)]; }
    std::int32_t orbitOf(std::uint32_t set) const { return orbitOf_[set]; }

    std::uint32_t rotate(std::uint32_t set, int by) const {
        const auto& image = images_[static_cast<std::size_t>(by)];
        std::uint32_t turned = 0;
        for (; set != 0; set &= set - 1) {
            turned |= std::uint32_t{1} << image[static_cast<std::size_t>(std::countr_zero(set))];
        }
        return turned;
    }

    template <class Visit> void forEachShare(std::int32_t orbit, Visit&& visit) const {
        const auto o = static_cast<std::size_t>(orbit);
        for (std::int32_t i = start_[o]; i < start_[o + 1]; ++i) {
            visit(covers_[static_cast<std::size_t>(i)]);
        }
    }

private:
    int cycle_ = 1; // the order of the shift
    std::vector<std::array<int, 32>> images_;
    std::vector<std::int32_t> orbitOf_;
    std::vector<std::uint32_t> sets_;
    std::vector<std::uint32_t> first_;
    std::vector<std::int32_t> size_;
    std::vector<std::int32_t> start_;
    std::vector<Share> covers_;
};

// The turns of a target are kept as bits of one word.
constexpr int kMaxOrder = 64;

// A uniformly chosen set bit of a non-empty mask, as its index.
int pickBit(std::uint64_t mask, SearchRandom& random) {
    auto skip = random.below(static_cast<std::uint32_t>(std::popcount(mask)));
    while (skip-- > 0) {
        mask &= mask - 1;
    }
    return std::countr_zero(mask);
}

// A set at most radius swaps from target, the number of swaps uniform.
std::uint32_t nearby(std::uint32_t target, std::uint32_t universe, int radius,
                     SearchRandom& random) {
    const auto swaps = static_cast<int>(random.below(static_cast<std::uint32_t>(radius + 1)));
    std::uint32_t set = target;
    for (int s = 0; s < swaps; ++s) {
        set = (set ^ random.memberOf(set & target)) | random.memberOf(universe & ~(set | target));
    }
    return set;
}

class OrbitSearch final {
public:
    OrbitSearch(const Orbits& orbits, int size, int radius)
        : orbits_(orbits), counts_(orbits.count()), needed_(size - radius) {}

    void add(std::int32_t orbit) {
        orbits_.forEachShare(orbit, [&](Orbits::Share s) { counts_.raise(s.orbit, s.count); });
    }
    void remove(std::int32_t orbit) {
        orbits_.forEachShare(orbit, [&](Orbits::Share s) { counts_.lower(s.orbit, s.count); });
    }

    std::int32_t coveredAlone(std::int32_t orbit) const {
        std::int32_t alone = 0;
        orbits_.forEachShare(
            orbit, [&](Orbits::Share s) { alone += counts_.of(s.orbit) == s.count ? 1 : 0; });
        return alone;
    }

    const CoverCounts& counts() const { return counts_; }

    // The columns of the chosen orbits, each orbit once.
    std::int32_t columnsOf(std::vector<std::int32_t> chosen) const {
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        std::int32_t columns = 0;
        for (const std::int32_t orbit : chosen) {
            columns += orbits_.size(orbit);
        }
        return columns;
    }

    // Drops the orbit that covers the fewest orbits alone.
    void dropWeakest(std::vector<std::int32_t>& chosen) {
        std::size_t weakest = 0;
        std::int32_t fewest = INT32_MAX;
        for (std::size_t j = 0; j < chosen.size(); ++j) {
            const std::int32_t alone = coveredAlone(chosen[j]);
            if (alone < fewest) {
                fewest = alone;
                weakest = j;
            }
        }
        remove(chosen[weakest]);
        chosen.erase(chosen.begin() + static_cast<std::ptrdiff_t>(weakest));
    }

    // Moves one chosen orbit so that its first member comes one swap nearer
    // to some turn of an uncovered orbit. Returns the orbit it became.
    std::int32_t proposal(std::int32_t from, std::uint32_t target, SearchRandom& random) const {
        const std::uint32_t column = orbits_.first(from);
        int closest = -1;
        std::uint64_t turns = 0; // bit t: turning the target by t is among the closest
        for (int by = 0; by < orbits_.cycle(); ++by) {
            const int common =
                std::min(std::popcount(column & orbits_.rotate(target, by)), needed_ - 1);
            if (common > closest) {
                closest = common;
                turns = 0;
            }
            if (common == closest) {
                turns |= std::uint64_t{1} << by;
            }
        }
        const std::uint32_t turned = orbits_.rotate(target, pickBit(turns, random));
        const std::uint32_t leave = random.memberOf(column & ~turned);
        const std::uint32_t enter = random.memberOf(turned & ~column);
        return orbits_.orbitOf(column ^ leave ^ enter);
    }

private:
    const Orbits& orbits_;
    CoverCounts counts_;
    int needed_;
};

// Orbits chosen by annealing, from every orbit, thinned out by drops and
// moves.
std::vector<std::int32_t> annealedOrbits(const Orbits& orbits, int v, int size, int radius,
                                         const CoverSearchLimits& limits,
                                         CoverSearchControl control) {
    const std::uint32_t universe = (std::uint32_t{1} << v) - 1;
    OrbitSearch search(orbits, size, radius);
    SearchRandom random(limits.seed);

    // Start from every orbit, then let the drops and moves thin them out.
    std::vector<std::int32_t> chosen;
    for (std::size_t o = 0; o < orbits.count(); ++o) {
        chosen.push_back(static_cast<std::int32_t>(o));
        search.add(static_cast<std::int32_t>(o));
    }
    std::vector<std::int32_t> best;
    std::int32_t bestColumns = INT32_MAX;
    AcceptanceTable acceptance;
    WorkMeter meter(control.progress, control.cancel, limits.moves);
    std::int64_t cycleStart = 0;
    for (std::int64_t moves = 0; moves < limits.moves; ++moves) {
        if (search.counts().uncoveredCount() == 0) {
            const std::int32_t columns = search.columnsOf(chosen);
            if (columns < bestColumns) {
                bestColumns = columns;
                best = chosen;
            }
            if (chosen.size() <= 1) {
                break;
            }
            search.dropWeakest(chosen);
            cycleStart = moves;
        }
        if ((moves - cycleStart) % AcceptanceTable::kMovesPerStep == 0) {
            acceptance.cool(moves - cycleStart);
            if (!meter.spend(AcceptanceTable::kMovesPerStep)) {
                break;
            }
        }
        if (search.counts().uncoveredCount() == 0) {
            continue;
        }
        const std::int32_t uncovered = search.counts().uncovered(
            random.below(static_cast<std::uint32_t>(search.counts().uncoveredCount())));
        // Any chosen orbit may go: the search needs the spread more than the
        // aim (picking the closest of a few orbits does worse). Half the time
        // it gives way to an orbit that covers the target, half the time it
        // moves towards the target.
        const std::size_t which = random.below(static_cast<std::uint32_t>(chosen.size()));
        const std::int32_t from = chosen[which];
        const std::uint32_t target = orbits.first(uncovered);
        const std::int32_t to = random.below(2) == 0
                                    ? orbits.orbitOf(nearby(target, universe, radius, random))
                                    : search.proposal(from, target, random);
        const std::int32_t before = search.counts().uncoveredCount();
        search.remove(from);
        search.add(to);
        const std::int32_t worse = search.counts().uncoveredCount() - before;
        if (worse <= 0 || random.accept(acceptance.chanceOf(worse))) {
            chosen[which] = to;
        } else {
            search.remove(to);
            search.add(from);
        }
    }

    return best;
}

// Orbits chosen by the weighted search: each orbit is a candidate covering
// the orbits its first member covers, at the price of its columns.
std::vector<std::int32_t> weightedOrbits(const Orbits& orbits, const CoverSearchLimits& limits,
                                         CoverSearchControl control) {
    SetCoverInstance instance;
    instance.elements = static_cast<std::int32_t>(orbits.count());
    std::vector<std::int32_t> covered;
    for (std::size_t o = 0; o < orbits.count(); ++o) {
        const auto orbit = static_cast<std::int32_t>(o);
        covered.clear();
        orbits.forEachShare(orbit, [&](Orbits::Share s) { covered.push_back(s.orbit); });
        instance.addCandidate(covered, orbits.size(orbit));
    }
    return weightedSetCover(instance, {}, limits, control);
}

// Every member of the chosen orbits, ascending.
std::vector<std::uint32_t> columnsOf(const Orbits& orbits, std::vector<std::int32_t> best) {
    std::vector<std::uint32_t> columns;
    std::sort(best.begin(), best.end());
    best.erase(std::unique(best.begin(), best.end()), best.end());
    for (const std::int32_t orbit : best) {
        for (int by = 0; by < orbits.cycle(); ++by) {
            columns.push_back(orbits.rotate(orbits.first(orbit), by));
        }
    }
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

} // namespace

std::vector<std::uint32_t> cyclicCover(int v, int size, int radius, const CycleLengths& cycles,
                                       const CoverSearchLimits& limits,
                                       CoverSearchControl control) {
    int order = 1;
    for (const int length : cycles) {
        order = std::lcm(order, std::max(length, 1));
    }
    if (v < 2 || v > 20 || size < 1 || size >= v || radius < 1 || order > kMaxOrder) {
        return {};
    }
    const Orbits orbits(v, size, radius, cycles);
    const auto best = limits.method == CoverMethod::Weighted
                          ? weightedOrbits(orbits, limits, control)
                          : annealedOrbits(orbits, v, size, radius, limits, control);
    return columnsOf(orbits, best);
}

} // namespace dvx
