#include "MatrixDesign.h"

#include "CoverSearch.h"
#include "Subsets.h"

#include <algorithm>

namespace dvx {

namespace {

constexpr std::uint32_t kPolishHotChance = 0x40000000; // 1/4

} // namespace

MatrixDesign designMatrix(const MatrixPlan& plan, const MatrixEffort& effort) {
    // The fixed positions are in every column and every draw: what is left
    // is covering the (10 - F)-sets of the other N - F positions.
    const int free = plan.numbers - plan.fixed;
    const int size = kColumnSize - plan.fixed;
    if (plan.fixed < 0 || size < 1 || free < size || plan.numbers > kNumbers) {
        return {};
    }
    CoverProblem problem;
    problem.radius = plan.level;
    forEachSubset((std::uint32_t{1} << free) - 1, size,
                  [&](std::uint32_t set) { problem.points.push_back(set); });
    std::sort(problem.points.begin(), problem.points.end());

    const auto greedy = greedyCover(problem, effort.seed);
    auto best = greedy;
    // Each search starts from the greedy; the weighted searches, which end a
    // column apart from one seed to the next, may run with several seeds.
    const struct {
        CoverMethod method;
        std::int64_t moves;
        int runs;
    } fromGreedy[] = {
        {CoverMethod::Anneal, effort.annealMoves, 1},
        {CoverMethod::Weighted, effort.weightedMoves, effort.weightedRuns},
        {CoverMethod::WeightedTabu, effort.weightedTabuMoves, effort.weightedTabuRuns}};
    for (const auto& search : fromGreedy) {
        for (int run = 0; search.moves > 0 && run < search.runs; ++run) {
            CoverSearchLimits limits{search.moves, effort.seed + static_cast<std::uint64_t>(run),
                                     search.method};
            limits.complementPairs = effort.complementPairs;
            const auto found = improveCover(problem, greedy, limits);
            if (found.size() < best.size()) {
                best = found;
            }
        }
    }
    // Orbit searches end far apart from one seed to the next: several runs
    // per shift, and the smallest cover of each shift is polished, hot, since
    // leaving the orbits' symmetry takes many worsening moves.
    std::uint64_t seed = effort.seed;
    for (const auto& shift : effort.shifts) {
        std::vector<std::uint32_t> bestOrbits;
        for (int run = 0; run < effort.orbitRuns; ++run) {
            const auto orbits =
                cyclicCover(free, size, plan.level, shift, {effort.orbitMoves, ++seed});
            if (!orbits.empty() && (bestOrbits.empty() || orbits.size() < bestOrbits.size())) {
                bestOrbits = orbits;
            }
        }
        if (bestOrbits.empty()) {
            continue;
        }
        if (bestOrbits.size() < best.size()) {
            best = bestOrbits;
        }
        for (int run = 0; effort.polishMoves > 0 && run < effort.polishRuns; ++run) {
            CoverSearchLimits polish{effort.polishMoves, ++seed};
            polish.hotChance = kPolishHotChance;
            const auto polished = improveCover(problem, bestOrbits, polish);
            if (polished.size() < best.size()) {
                best = polished;
            }
        }
    }

    MatrixDesign design;
    design.greedyColumns = static_cast<std::int32_t>(greedy.size());
    const auto fixedPositions = static_cast<NumberSet>((std::uint32_t{1} << plan.fixed) - 1);
    for (const std::uint32_t set : best) {
        design.columns.push_back(static_cast<NumberSet>(set << plan.fixed) | fixedPositions);
    }
    std::sort(design.columns.begin(), design.columns.end());
    return design;
}

} // namespace dvx
