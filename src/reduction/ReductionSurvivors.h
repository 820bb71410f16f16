#pragma once
// The candidates a reduction has not eliminated yet, and the step that, for
// each kept column, eliminates its neighbours and chooses the next column.

#include <array>
#include <cstdint>
#include <vector>

namespace dvx {

// Two ways to do a step, and each step takes the cheaper:
// - sweeping every survivor once, counting its numbers in common with the
//   column just kept (eliminating the close ones and choosing among the
//   rest in the same pass);
// - visiting only the number sets that share a given count of numbers with
//   that column, from the most to the fewest in common, and asking a bitmap
//   of survivors about each: few visits while the survivors are many.
// Both give exactly the column the plain two-pass greedy gives.
class ReductionSurvivors final {
public:
    // masks: distinct or not, each a 10-number column of the numbers 1..20,
    // in candidate order.
    explicit ReductionSurvivors(std::vector<std::uint32_t> masks);

    std::uint32_t last() const;

    struct Step {
        std::int32_t eliminated;
        std::uint32_t next; // 0 when no survivor is left
    };

    // Eliminates every survivor sharing at least `needed` numbers with
    // chosen; of the others, returns the one with fewest numbers in common
    // with chosen, the later in candidate order on ties.
    Step step(std::uint32_t chosen, int needed);

private:
    struct Choice {
        std::uint32_t mask = 0;
        int common = 0;
    };

    // Sweeping.
    std::int32_t sweep(std::uint32_t chosen, int needed, Choice& choice);
    void compact();

    // Visiting neighbourhoods.
    bool neighbourhoodPays(int needed) const;
    bool enterNeighbourhoods();
    void enterSweeps();
    void listSubsets(std::uint32_t chosen);
    std::int32_t eliminateAround(int needed);
    bool chooseAround(int needed, double budget, Choice& choice) const;
    bool alive(std::uint32_t mask) const { return (alive_[mask >> 6] >> (mask & 63)) & 1; }

    // Survivors in candidate order; swept entries that were eliminated stay
    // as zeros until a compaction. Current only while sweeping.
    std::vector<std::uint32_t> masks_;
    std::uint32_t size_ = 0;
    std::uint32_t sweptLive_ = 0;

    // A bit per number set, and each survivor's rank in candidate order.
    // Current only while visiting neighbourhoods.
    std::vector<std::uint64_t> alive_;
    std::vector<std::uint32_t> rank_;
    bool visiting_ = false;
    bool distinct_ = true;

    std::uint32_t universe_ = 0; // every number of any candidate
    std::uint32_t live_ = 0;
    // How many number sets of the universe share exactly j numbers with a
    // column of it.
    std::array<double, 11> atDistance_{};
    std::array<int, 2> lastCommon_{};
    // Subsets of the chosen column and of the rest of the universe, by size.
    std::array<std::vector<std::uint32_t>, 11> inside_;
    std::array<std::vector<std::uint32_t>, 11> outside_;
};

} // namespace dvx
