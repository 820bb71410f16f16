#pragma once
// Searching for few columns that cover many: the points to cover are number
// sets of one size w, and a column (itself one of the points) covers every
// point sharing at least w - radius numbers with it. A greedy gives a first
// cover; annealing then moves columns to neighbouring points at a fixed
// count, and lowers the count after each success.

#include <cstdint>
#include <vector>

namespace dvx {

class Progress;

struct CoverProblem {
    std::vector<std::uint32_t> points; // distinct, all of the same size, numbers 1..20
    int radius = 1;                    // the reduction level: 1..3
};

enum class CoverMethod {
    Anneal, // simulated annealing over single moves
    Tabu,   // best move that covers a given point, with recent sets forbidden
    // One column out and one in per step, led by the weights of points left
    // uncovered (see WeightedCover.h); annealing where the neighbourhoods
    // are too large or too many to write out, or the cover a handful of
    // columns.
    Weighted,
    // Tabu search led by the weights of points left uncovered, which grow
    // heavier at every step: for covers with large neighbourhoods.
    WeightedTabu,
};

struct CoverSearchLimits {
    std::int64_t moves = 0; // work bound: moves tried in the whole search
    std::uint64_t seed = 1;
    CoverMethod method = CoverMethod::Anneal;
    // The annealing's hottest chance of accepting a move that uncovers one
    // more point, in 2^-32 units; 0 chooses by the count of columns.
    std::uint32_t hotChance = 0;
    // The weighted tabu search only: when every point holds half the numbers
    // and all of them are points, columns come in complementary pairs, moved
    // and dropped together. With all the half-sets as points the problem is
    // its own mirror under complements (a point shares as many numbers with
    // a column as its complement with the column's complement), and
    // searching among mirrored covers finds far smaller ones.
    bool complementPairs = false;
};

// Optional reporting and cancelling for long searches; cancel is polled
// after each yield.
struct CoverSearchControl {
    Progress* progress = nullptr;
    const bool* cancel = nullptr;
    bool cancelled() const { return cancel != nullptr && *cancel; }
};

// Takes, again and again, the point that covers the most points not yet
// covered (the first in point order on ties). When evaluating every point
// would cost too much, only a fixed random sample of points is weighed at
// each step. Empty when cancelled.
std::vector<std::uint32_t> greedyCover(const CoverProblem& problem, std::uint64_t seed = 1,
                                       CoverSearchControl control = {});

// Improves a complete cover at a fixed column count, dropping the column
// that covers the fewest points alone after each success, and returns the
// smallest complete cover it met (start itself when none smaller was found,
// and when cancelled the best so far). The same problem, start and limits
// give the same columns on any machine.
std::vector<std::uint32_t> improveCover(const CoverProblem& problem,
                                        std::vector<std::uint32_t> start,
                                        const CoverSearchLimits& limits,
                                        CoverSearchControl control = {});

// The size of a column's neighbourhood among all w-sets of a universe of v
// numbers: the points a column covers when every set is a point.
double coverBallSize(int v, int w, int radius);

} // namespace dvx
