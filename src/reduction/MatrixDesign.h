#pragma once
// Designing a ready-made matrix: the fewest columns of positions 1..N we can
// find such that every ten positions (holding the fixed positions 1..F)
// share at least 10 - level positions with one of them.

#include "CyclicCover.h"
#include "Model.h"

#include <cstdint>
#include <vector>

namespace dvx {

struct MatrixPlan {
    int numbers = 0; // N
    int level = 1;   // k: guarantee 10 - k
    int fixed = 0;   // F: positions 1..F in every column
};

struct MatrixEffort {
    std::int64_t annealMoves = 0;       // annealing from the greedy
    std::int64_t weightedMoves = 0;     // the weighted search from the greedy
    int weightedRuns = 1;               // each with its own seed
    std::int64_t weightedTabuMoves = 0; // the weighted tabu search from the greedy
    int weightedTabuRuns = 1;           // each with its own seed
    bool complementPairs = false;       // the weighted tabu search's, see CoverSearchLimits
    std::vector<CycleLengths> shifts;   // orbit searches to try as seeds
    int orbitRuns = 1;                  // runs per shift, each with its own seed
    std::int64_t orbitMoves = 0;        // each orbit search
    std::int64_t polishMoves = 0;       // annealing from the best cover of each shift
    int polishRuns = 1;                 // polishes of each shift's best, each with its own seed
    std::uint64_t seed = 1;
};

struct MatrixDesign {
    std::vector<NumberSet> columns; // ascending, each holding 1..F
    std::int32_t greedyColumns = 0; // what the max-coverage greedy alone gave
};

// Every search of the effort is run, and the smallest cover is kept.
MatrixDesign designMatrix(const MatrixPlan& plan, const MatrixEffort& effort);

} // namespace dvx
