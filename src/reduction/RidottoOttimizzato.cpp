#include "RidottoOttimizzato.h"

#include "Binomial.h"
#include "CoverSearch.h"
#include "NumberSet.h"
#include "Progress.h"
#include "Ridotto.h"

#include <algorithm>
#include <bit>
#include <unordered_set>

namespace dvx {

namespace {

double choice(int n, int k) {
    return static_cast<double>(binomial(n, k));
}

constexpr std::uint32_t kAllNumbers = (std::uint32_t{1} << kNumbers) - 1;
constexpr std::uint64_t kSearchSeed = 20260;

// The search's work bound, in border pairs visited (about 1e8 a second):
// every move of a column visits the border pairs of its neighbourhood.
// Small systems get many moves per column, large ones a few seconds.
constexpr double kBorderPairBudget = 3e8;
constexpr std::int64_t kMovesPerCandidate = 2000;
constexpr std::int64_t kFewestMoves = 20000;
constexpr std::int64_t kTabuMovesPerCandidate = 15;
constexpr std::int64_t kFewestTabuMoves = 10000;
constexpr std::int64_t kMostTabuMoves = 60000;
// The weighted search's steps each scan the cover, whose size follows the
// developed columns: about a second for a few thousand of them, a few
// seconds for every column of 20 numbers.
constexpr double kWeightedWork = 4e9; // steps times developed columns
constexpr std::int64_t kMostWeightedMoves = 1'000'000;

std::int64_t moveBudget(std::size_t points, int playCount, int level) {
    const int radius = std::clamp(level, 0, kColumnSize);
    const double pairsPerMove = std::max(1.0, choice(kColumnSize - 1, radius) *
                                                  choice(playCount - kColumnSize - 1, radius));
    const auto byWork = static_cast<std::int64_t>(kBorderPairBudget / pairsPerMove);
    const auto byCount = static_cast<std::int64_t>(points) * kMovesPerCandidate;
    return std::max(kFewestMoves, std::min(byWork, byCount));
}

} // namespace

std::int32_t ridottoOttimizzato(ColumnTable& colonne, NumberSet* candidates, std::int32_t n,
                                int level, const bool& cancel, Progress& progress) {
    n = std::clamp(n, 0, kColumnCapacity);
    progress.setPercent(0);
    progress.setCaption("Riduzione in corso....");

    // The developed columns, each once, in development order.
    CoverProblem problem;
    problem.radius = std::clamp(level, 0, kColumnSize);
    std::unordered_set<std::uint32_t> seen;
    std::uint32_t inPlay = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        const auto mask = static_cast<std::uint32_t>(candidates[i]);
        if ((mask & ~kAllNumbers) == 0 && std::popcount(mask) == kColumnSize &&
            seen.insert(mask).second) {
            problem.points.push_back(mask);
            inPlay |= mask;
        }
    }

    // The greedy of the plain reduction is a start too, when it is the smaller.
    std::vector<NumberSet> plain(candidates + 1, candidates + 1 + n);
    plain.insert(plain.begin(), 0);
    const bool never = false;
    Progress quiet;
    const std::int32_t plainCount = ridotto(colonne, plain.data(), n, level, never, quiet);
    std::vector<std::uint32_t> start;
    for (int r = 1; r <= plainCount; ++r) {
        start.push_back(static_cast<std::uint32_t>(setOfRow(colonne.row(r))));
    }

    const CoverSearchControl control{&progress, &cancel};
    auto greedy = greedyCover(problem, kSearchSeed, control);
    if (!cancel && !greedy.empty() && greedy.size() < start.size()) {
        start = std::move(greedy);
    }
    auto kept = cancel ? std::vector<std::uint32_t>{}
                       : improveCover(problem, start,
                                      {moveBudget(problem.points.size(), std::popcount(inPlay),
                                                  problem.radius),
                                       kSearchSeed},
                                      control);
    // At N-1 the annealed cover still gives way to a short tabu search,
    // whose moves weigh every way of covering one point, and then to the
    // weighted search, whose weights pull towards the points that stay
    // uncovered.
    if (!cancel && problem.radius == 1) {
        const auto tabuMoves = std::clamp<std::int64_t>(
            static_cast<std::int64_t>(problem.points.size()) * kTabuMovesPerCandidate,
            kFewestTabuMoves, kMostTabuMoves);
        kept =
            improveCover(problem, kept, {tabuMoves, kSearchSeed + 1, CoverMethod::Tabu}, control);
        const auto weightedMoves = std::min(
            kMostWeightedMoves,
            static_cast<std::int64_t>(kWeightedWork / static_cast<double>(problem.points.size())));
        kept = improveCover(problem, kept, {weightedMoves, kSearchSeed + 2, CoverMethod::Weighted},
                            control);
    }

    colonne.clearRows(1, n);
    std::fill(candidates + 1, candidates + 1 + n, 0);
    if (cancel) {
        return 0;
    }
    std::int32_t r = 0;
    for (const std::uint32_t column : kept) {
        writeRow(colonne, static_cast<NumberSet>(column), ++r);
    }
    progress.setPercent(100);
    return r;
}

Reducer chosenReducer(const Condizioni& condizioni) {
    return condizioni.ridottoOttimizzato != 0 ? &ridottoOttimizzato : &ridotto;
}

} // namespace dvx
