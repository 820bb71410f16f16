#include "CyclicCover.h"

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

// Each turn of the shift is tabulated; larger orders are refused.
constexpr int kMaxOrder = 64;

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
    return columnsOf(orbits, weightedOrbits(orbits, limits, control));
}

} // namespace dvx
