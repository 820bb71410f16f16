#include "WeightedCover.h"

#include "AnnealSupport.h"
#include "SearchRandom.h"

#include <algorithm>
#include <cstddef>

namespace dvx {

void SetCoverInstance::addCandidate(const std::vector<std::int32_t>& covered, std::int32_t cost) {
    items.insert(items.end(), covered.begin(), covered.end());
    first.push_back(static_cast<std::int64_t>(items.size()));
    price.push_back(cost);
}

namespace {

using Candidate = std::int32_t;
using Element = std::int32_t;

std::size_t at(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

// The candidates that cover each element: the instance read the other way.
struct Coverers {
    explicit Coverers(const SetCoverInstance& instance) : first(at(instance.elements) + 1, 0) {
        for (const Element e : instance.items) {
            ++first[at(e) + 1];
        }
        for (std::size_t e = 0; e < at(instance.elements); ++e) {
            first[e + 1] += first[e];
        }
        list.resize(instance.items.size());
        std::vector<std::int64_t> next(first.begin(), first.end() - 1);
        for (Candidate c = 0; c < instance.candidates(); ++c) {
            for (auto i = instance.first[at(c)]; i < instance.first[at(c) + 1]; ++i) {
                list[static_cast<std::size_t>(
                    next[at(instance.items[static_cast<std::size_t>(i)])]++)] = c;
            }
        }
    }

    std::vector<std::int64_t> first;
    std::vector<Candidate> list;
};

// The search state. A candidate's score is what choosing it changes: out of
// the cover, the weight of the uncovered elements it would cover; in the
// cover, minus the weight of the elements only it covers. Scores are
// compared per unit of price.
class WeightedSearch final {
public:
    WeightedSearch(const SetCoverInstance& instance, std::uint64_t seed)
        : instance_(instance), coverers_(instance), counts_(at(instance.elements)), random_(seed),
          owners_(at(instance.elements), 0), weight_(at(instance.elements), 1),
          score_(at(instance.candidates()), 0), changedAt_(at(instance.candidates()), 0),
          placeInCover_(at(instance.candidates()), -1), free_(at(instance.candidates()), 1) {
        for (Candidate c = 0; c < instance.candidates(); ++c) {
            score_[at(c)] = instance.first[at(c) + 1] - instance.first[at(c)];
        }
    }

    bool complete() const { return counts_.uncoveredCount() == 0; }
    std::size_t size() const { return cover_.size(); }
    std::int64_t price() const { return price_; }
    bool chosen(Candidate c) const { return placeInCover_[at(c)] >= 0; }

    std::vector<Candidate> cover() const {
        std::vector<Candidate> sorted = cover_;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

    void add(Candidate candidate) {
        placeInCover_[at(candidate)] = static_cast<std::int32_t>(cover_.size());
        cover_.push_back(candidate);
        price_ += instance_.price[at(candidate)];
        std::int64_t alone = 0;
        forEachItem(candidate, [&](Element e) {
            const std::int32_t before = counts_.of(e);
            const std::int64_t w = weight_[at(e)];
            if (before == 0) {
                forEachCoverer(e, [&](Candidate other) {
                    score_[at(other)] -= w;
                    free_[at(other)] = 1;
                });
                alone += w;
            } else if (before == 1) {
                score_[static_cast<std::size_t>(owners_[at(e)])] += w;
            }
            counts_.raise(e);
            owners_[at(e)] += candidate;
        });
        score_[at(candidate)] = -alone;
        changedAt_[at(candidate)] = now_;
    }

    void remove(Candidate candidate) {
        const std::int32_t place = placeInCover_[at(candidate)];
        cover_[at(place)] = cover_.back();
        placeInCover_[at(cover_.back())] = place;
        cover_.pop_back();
        placeInCover_[at(candidate)] = -1;
        price_ -= instance_.price[at(candidate)];
        std::int64_t gain = 0;
        forEachItem(candidate, [&](Element e) {
            counts_.lower(e);
            owners_[at(e)] -= candidate;
            const std::int32_t after = counts_.of(e);
            const std::int64_t w = weight_[at(e)];
            if (after == 0) {
                forEachCoverer(e, [&](Candidate other) {
                    score_[at(other)] += w;
                    free_[at(other)] = 1;
                });
                gain += w;
            } else if (after == 1) {
                score_[static_cast<std::size_t>(owners_[at(e)])] -= w;
            }
        });
        score_[at(candidate)] = gain;
        changedAt_[at(candidate)] = now_;
        free_[at(candidate)] = 0;
    }

    // Drops the candidate whose leaving costs least per unit of price.
    void dropCheapest() { remove(cheapestInCover(-1)); }

    // One step at about a fixed price: the cheapest candidate leaves, one
    // that covers a random uncovered element enters, uncovered elements gain
    // weight.
    void step() {
        const Candidate leaving = cheapestInCover(lastAdded_);
        remove(leaving);
        const Element target =
            counts_.uncovered(random_.below(static_cast<std::uint32_t>(counts_.uncoveredCount())));
        const Candidate entering = bestEntering(target, leaving);
        add(entering);
        lastAdded_ = entering;
        ++now_;
        for (std::int32_t k = 0; k < counts_.uncoveredCount(); ++k) {
            const Element e = counts_.uncovered(static_cast<std::uint32_t>(k));
            ++weight_[at(e)];
            forEachCoverer(e, [&](Candidate c) { ++score_[at(c)]; });
        }
    }

private:
    template <class Visit> void forEachItem(Candidate c, Visit&& visit) const {
        for (auto i = instance_.first[at(c)]; i < instance_.first[at(c) + 1]; ++i) {
            visit(instance_.items[static_cast<std::size_t>(i)]);
        }
    }

    template <class Visit> void forEachCoverer(Element e, Visit&& visit) const {
        for (auto i = coverers_.first[at(e)]; i < coverers_.first[at(e) + 1]; ++i) {
            visit(coverers_.list[static_cast<std::size_t>(i)]);
        }
    }

    // Higher score per unit of price; ties go to the candidate that has
    // waited longest.
    bool better(Candidate a, Candidate b) const {
        const std::int64_t left = score_[at(a)] * instance_.price[at(b)];
        const std::int64_t right = score_[at(b)] * instance_.price[at(a)];
        return left != right ? left > right : changedAt_[at(a)] < changedAt_[at(b)];
    }

    Candidate cheapestInCover(Candidate keep) const {
        Candidate best = -1;
        for (const Candidate c : cover_) {
            if ((c != keep || cover_.size() == 1) && (best < 0 || better(c, best))) {
                best = c;
            }
        }
        return best;
    }

    // A candidate whose surroundings have not changed since it left would
    // only undo that step: it enters again only when no other one can.
    Candidate bestEntering(Element target, Candidate justLeft) const {
        Candidate best = -1;
        bool bestFree = false;
        forEachCoverer(target, [&](Candidate c) {
            const bool isFree = free_[at(c)] != 0 && c != justLeft;
            if (best < 0 || (isFree && !bestFree) || (isFree == bestFree && better(c, best))) {
                best = c;
                bestFree = isFree;
            }
        });
        return best;
    }

    const SetCoverInstance& instance_;
    Coverers coverers_;
    CoverCounts counts_;
    SearchRandom random_;
    std::vector<std::int64_t> owners_; // sum of the covering candidates: the one, when one
    std::vector<std::int64_t> weight_;
    std::vector<std::int64_t> score_;
    std::vector<std::int64_t> changedAt_;
    std::vector<std::int32_t> placeInCover_;
    std::vector<std::uint8_t> free_;
    std::vector<Candidate> cover_;
    std::int64_t price_ = 0;
    Candidate lastAdded_ = -1;
    std::int64_t now_ = 0;
};

} // namespace

std::vector<std::int32_t> weightedSetCover(const SetCoverInstance& instance,
                                           std::vector<std::int32_t> start,
                                           const CoverSearchLimits& limits,
                                           CoverSearchControl control) {
    if (instance.candidates() == 0) {
        return {};
    }
    WeightedSearch search(instance, limits.seed);
    if (start.empty()) {
        for (Candidate c = 0; c < instance.candidates(); ++c) {
            start.push_back(c);
        }
    }
    for (const Candidate c : start) {
        if (c >= 0 && c < instance.candidates() && !search.chosen(c)) {
            search.add(c);
        }
    }
    if (!search.complete()) {
        return {};
    }
    std::vector<Candidate> best = search.cover();
    std::int64_t bestPrice = search.price();
    WorkMeter meter(control.progress, control.cancel, limits.moves);
    for (std::int64_t steps = 0; steps < limits.moves && search.size() > 1; ++steps) {
        if (search.complete()) {
            if (search.price() < bestPrice) {
                best = search.cover();
                bestPrice = search.price();
            }
            search.dropCheapest();
            continue;
        }
        if (!meter.spend(1)) {
            break;
        }
        search.step();
    }
    if (search.complete() && search.price() < bestPrice) {
        best = search.cover();
    }
    return best;
}

} // namespace dvx
