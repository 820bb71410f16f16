#include "Development.h"

#include "Format.h"
#include "NumberSet.h"
#include "Platform.h"
#include "Progress.h"
#include "SystemOps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>

namespace dvx {

std::string developmentTypeText(const SystemState& state) {
    const bool conditioned = anyConditionActive(state);
    if (state.condizioni.ridottoOn == kFalse) {
        return conditioned ? "Condizionato" : "Integrale";
    }
    std::string text = "Ridotto N-" + std::to_string(state.condizioni.ridottoLevel);
    if (conditioned) {
        text += " Condizionato";
    }
    return text;
}

namespace {

// The conditions of one run, read once from the state into the shape the
// per-combination test wants.
struct Conditions {
    bool fixedOn = false;
    NumberSet fixedMask = 0;
    bool sumOn = false;
    int sumLow = 0;
    int sumHigh = 0;
    bool evenOn = false;
    std::array<bool, kColumnSize + 1> evenAllowed{};
    int filterCount = 0;
    std::array<NumberSet, kMaxFilters> filterColumn{};
    std::array<std::uint32_t, kMaxFilters> filterPresences{};
    bool runOn = false;
    std::array<bool, kColumnSize + 1> runAllowed{};
    bool any = false;

    explicit Conditions(const SystemState& state) {
        const auto& c = state.condizioni;
        fixedOn = c.fisseOn != kFalse;
        // A count larger than the slots (a damaged record) reads only the slots.
        const int fixedSlots = std::min<int>(c.fisseCount, kMaxFixed);
        for (int s = 1; s <= fixedSlots; ++s) {
            const int x = c.fisse[static_cast<std::size_t>(s)];
            if (x >= 1 && x <= kNumbers) {
                fixedMask |= maskOf(x);
            }
        }
        sumOn = c.sommaOn != kFalse;
        sumLow = c.somma[0];
        sumHigh = c.somma[1];
        evenOn = c.pariDispariOn != kFalse;
        for (std::size_t e = 0; e <= kColumnSize; ++e) {
            evenAllowed[e] = c.pariDispari[e] != kFalse;
        }
        const int entries = std::clamp<int>(state.filtri.count, 0, kMaxFilters);
        for (int j = 1; j <= entries; ++j) {
            const auto& f = state.filtri.entries[static_cast<std::size_t>(j)];
            if (f.active == kFalse) {
                break;
            }
            filterColumn[static_cast<std::size_t>(filterCount)] = f.column;
            filterPresences[static_cast<std::size_t>(filterCount)] =
                static_cast<std::uint32_t>(f.presences);
            ++filterCount;
        }
        runOn = state.consecutivi.on != kFalse;
        for (std::size_t r = 1; r <= kColumnSize; ++r) {
            runAllowed[r] = ((state.consecutivi.runsMask >> r) & 1) != 0;
        }
        any = fixedOn || sumOn || evenOn || filterCount > 0 || runOn;
    }

    bool pass(NumberSet mask, int sum, int even, int longest) const {
        if (!any) {
            return true;
        }
        if (fixedOn && (mask & fixedMask) != fixedMask) {
            return false;
        }
        if (sumOn && (sum < sumLow || sum > sumHigh)) {
            return false;
        }
        if (evenOn && !evenAllowed[static_cast<std::size_t>(even)]) {
            return false;
        }
        for (int j = 0; j < filterCount; ++j) {
            const auto p = std::popcount(
                static_cast<std::uint32_t>(mask & filterColumn[static_cast<std::size_t>(j)]));
            if (((filterPresences[static_cast<std::size_t>(j)] >> p) & 1U) == 0) {
                return false;
            }
        }
        return !runOn || runAllowed[static_cast<std::size_t>(longest)];
    }
};

// What positions 0..p of the current column add up to, so that each new
// combination costs one step from the position before it.
struct Prefix {
    NumberSet mask = 0;
    int sum = 0;
    int even = 0;
    int run = 0; // length of the run of consecutive numbers ending at p
    int longest = 0;
};

constexpr Prefix extend(const Prefix& before, int previousNumber, int number, NumberSet mask) {
    Prefix next;
    next.mask = before.mask | mask;
    next.sum = before.sum + number;
    next.even = before.even + (number % 2 == 0 ? 1 : 0);
    next.run = previousNumber + 1 == number ? before.run + 1 : 1;
    next.longest = std::max(before.longest, next.run);
    return next;
}

constexpr int kLastPosition = kColumnSize - 1;
constexpr int kYieldPosition = 4; // the event loop runs once per new number at position 4

class Enumeration {
public:
    Enumeration(SystemState& state, Platform& platform, Progress& progress, std::int32_t capacity)
        : state_(state), platform_(platform), progress_(progress), conditions_(state),
          capacity_(capacity) {
        n_ = std::min<int>(state.sistema.countInPlay, kNumbers);
        for (int s = 0; s < n_; ++s) {
            const int x = state.sistema.numbers[static_cast<std::size_t>(s)];
            numbers_[static_cast<std::size_t>(s)] = static_cast<std::uint8_t>(x);
            masks_[static_cast<std::size_t>(s)] = x >= 1 && x <= kNumbers ? maskOf(x) : 0;
        }
        total_ = static_cast<std::int32_t>(binomial(n_, kColumnSize));
    }

    // Runs the whole enumeration; false when it stopped on the cancel flag.
    bool run() {
        if (n_ < kColumnSize) {
            return true;
        }
        for (int p = 0; p < kLastPosition; ++p) {
            place(p, p);
        }
        int changed = 0;
        for (;;) {
            if (changed <= kYieldPosition) {
                progress_.yield();
            }
            if (!runLastPosition()) {
                return false;
            }
            int q = kLastPosition - 1;
            while (q >= 0 && slot_[static_cast<std::size_t>(q)] == n_ - kColumnSize + q) {
                --q;
            }
            if (q < 0) {
                return true;
            }
            place(q, slot_[static_cast<std::size_t>(q)] + 1);
            for (int p = q + 1; p < kLastPosition; ++p) {
                place(p, slot_[static_cast<std::size_t>(p - 1)] + 1);
            }
            changed = q;
        }
    }

    std::int32_t accepted() const { return accepted_; }

private:
    void place(int p, int s) {
        const auto pi = static_cast<std::size_t>(p);
        const auto si = static_cast<std::size_t>(s);
        slot_[pi] = s;
        column_[pi] = numbers_[si];
        prefix_[pi] = p == 0 ? extend(Prefix{}, -1, numbers_[si], masks_[si])
                             : extend(prefix_[pi - 1], column_[pi - 1], numbers_[si], masks_[si]);
    }

    // Every combination that shares positions 0..8 with the current one.
    bool runLastPosition() {
        const Prefix& before = prefix_[kLastPosition - 1];
        const int previous = column_[kLastPosition - 1];
        for (int s = slot_[kLastPosition - 1] + 1; s < n_; ++s) {
            if (state_.cancel) {
                return false;
            }
            const auto si = static_cast<std::size_t>(s);
            if (accepted_ >= capacity_) {
                stopAtCapacity();
            } else {
                const Prefix full = extend(before, previous, numbers_[si], masks_[si]);
                if (conditions_.pass(full.mask, full.sum, full.even, full.longest)) {
                    column_[kLastPosition] = numbers_[si];
                    store(full.mask);
                }
            }
            countProcessed();
        }
        return true;
    }

    void store(NumberSet mask) {
        ++accepted_;
        state_.candidates[static_cast<std::size_t>(accepted_)] = mask;
        std::memcpy(state_.colonne.row(accepted_), column_.data(), kColumnSize);
    }

    void stopAtCapacity() {
        progress_.setAlarm("ATTENZIONE !!! Sviluppo superiore alla capienza della memoria");
        platform_.message("!!! Sviluppo superiore alla capienza della memoria\rpuoi generare al "
                          "massimo" +
                              signedText(kColumnCapacity) + " colonne",
                          "ATTENZIONE", Icon::Critical, Buttons::Ok);
        state_.cancel = true;
    }

    // The bar moves only when a new tenth is reached, so the percentage is
    // worked out only at the next combination that can reach one.
    void countProcessed() {
        ++processed_;
        progress_.processed = processed_;
        if (processed_ < nextTenthAt_) {
            return;
        }
        const std::int32_t pct = processed_ * 100 / total_;
        const std::int32_t tenth = pct / 10;
        if (tenth != lastTenth_) {
            lastTenth_ = tenth;
            progress_.setPercent(pct);
        }
        const std::int64_t needed = std::int64_t{lastTenth_ + 1} * total_;
        nextTenthAt_ =
            static_cast<std::int32_t>(std::min<std::int64_t>((needed + 9) / 10, INT32_MAX));
    }

    SystemState& state_;
    Platform& platform_;
    Progress& progress_;
    const Conditions conditions_;
    const std::int32_t capacity_;
    int n_ = 0;
    std::array<std::uint8_t, kNumbers> numbers_{};
    std::array<NumberSet, kNumbers> masks_{};
    std::array<int, kColumnSize> slot_{};
    std::array<std::uint8_t, kColumnSize> column_{};
    std::array<Prefix, kColumnSize> prefix_{};
    std::int32_t total_ = 0;
    std::int32_t accepted_ = 0;
    std::int32_t processed_ = 0;
    std::int32_t lastTenth_ = 0;
    std::int32_t nextTenthAt_ = 0;
};

} // namespace

void developSystem(SystemState& state, Platform& platform, Progress& progress, Reducer reduce,
                   std::int32_t capacity) {
    // The flag is cleared where the progress dialog opens, not here: a cancel
    // confirmed before the first combination must still stop the run.
    progress.processed = 0;
    Enumeration enumeration(state, platform, progress, capacity);
    // A stop at capacity on the very last combination ends as a cancel too,
    // so a cut-short run never passes for a complete one.
    if (!enumeration.run() || state.cancel) {
        return;
    }
    state.sistema.typeText = developmentTypeText(state);
    std::int32_t accepted = enumeration.accepted();
    if (state.condizioni.ridottoOn != kFalse && reduce != nullptr) {
        accepted = reduce(state.colonne, state.candidates.data(), accepted,
                          state.condizioni.ridottoLevel, state.cancel, progress);
    }
    state.sistema.columnCount = accepted;
}

bool runDevelopCommand(SystemState& state, Platform& platform, Progress& progress, Reducer reduce) {
    rebuildNumbersInPlay(state);
    auto& c = state.condizioni;
    for (std::size_t s = 1; s <= kMaxFixed; ++s) {
        const int x = c.fisse[s];
        if (x == 0) {
            continue;
        }
        if (x > kNumbers || !state.selected[static_cast<std::size_t>(x - 1)]) {
            c.fisse[s] = 0;
            if (c.fisseCount > 0) {
                --c.fisseCount;
            }
        }
    }
    std::sort(c.fisse.begin() + 1, c.fisse.end(), std::greater<>());
    developSystem(state, platform, progress, reduce);
    if (state.cancel || state.sistema.columnCount < 1) {
        return false;
    }
    state.developedMark = kDeveloped;
    return true;
}

} // namespace dvx
