#pragma once
// The development written the plain way, one step per line of the rule it
// follows: ten nested loops, every test recomputed from the ten numbers of
// the combination. Tests compare the fast development with it; the
// benchmark measures against it.

#include "Development.h"
#include "Format.h"
#include "Platform.h"
#include "Progress.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace dvx::test {

inline std::int32_t literalBinomial(int n, int k) {
    double numerator = 1.0;
    for (int i = n; i >= n - k + 1; --i) {
        numerator *= i;
    }
    double factorial = 1.0;
    for (int i = 1; i <= k; ++i) {
        factorial *= i;
    }
    return static_cast<std::int32_t>(std::nearbyint(numerator / factorial));
}

class LiteralDevelopment {
public:
    LiteralDevelopment(SystemState& state, Platform& platform, Progress& progress, Reducer reduce)
        : s_(state), platform_(platform), progress_(progress), reduce_(reduce) {}

    void run() {
        s_.cancel = false;
        accepted_ = 0;
        processed_ = 0;
        progress_.processed = 0;
        const int n = s_.sistema.countInPlay;
        for (int slot = 0; slot < n; ++slot) {
            masks_[slot] = NumberSet{1} << (s_.sistema.numbers[slot] - 1);
        }
        fixedMask_ = 0;
        for (int k = 1; k <= s_.condizioni.fisseCount; ++k) {
            fixedMask_ += NumberSet{1} << (s_.condizioni.fisse[k] - 1);
        }
        for (int r = 1; r <= 10; ++r) {
            consecutiveAllowed_[r] = (s_.consecutivi.runsMask & (1 << r)) != 0;
        }
        total_ = literalBinomial(n, 10);
        lastTenth_ = 0;

        int i[10];
        for (i[0] = 0; i[0] <= n - 10; ++i[0]) {
            for (i[1] = i[0] + 1; i[1] <= n - 9; ++i[1]) {
                for (i[2] = i[1] + 1; i[2] <= n - 8; ++i[2]) {
                    for (i[3] = i[2] + 1; i[3] <= n - 7; ++i[3]) {
                        for (i[4] = i[3] + 1; i[4] <= n - 6; ++i[4]) {
                            progress_.yield();
                            for (i[5] = i[4] + 1; i[5] <= n - 5; ++i[5]) {
                                for (i[6] = i[5] + 1; i[6] <= n - 4; ++i[6]) {
                                    for (i[7] = i[6] + 1; i[7] <= n - 3; ++i[7]) {
                                        for (i[8] = i[7] + 1; i[8] <= n - 2; ++i[8]) {
                                            for (i[9] = i[8] + 1; i[9] <= n - 1; ++i[9]) {
                                                if (!combination(i)) {
                                                    return; // cancelled
                                                }
                                            }
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }

        const auto& c = s_.condizioni;
        const bool anyCondition = s_.filtri.count > 0 || s_.consecutivi.on != 0 || c.fisseOn != 0 ||
                                  c.pariDispariOn != 0 || c.sommaOn != 0;
        if (c.ridottoOn == 0) {
            s_.sistema.typeText = anyCondition ? "Condizionato" : "Integrale";
        } else {
            s_.sistema.typeText = "Ridotto N-" + std::to_string(c.ridottoLevel) +
                                  (anyCondition ? " Condizionato" : "");
        }
        if (c.ridottoOn != 0) {
            accepted_ = reduce_(s_.colonne, s_.candidates.data(), accepted_, c.ridottoLevel,
                                s_.cancel, progress_);
        }
        s_.sistema.columnCount = accepted_;
    }

private:
    bool combination(const int* i) {
        if (s_.cancel) {
            return false;
        }
        for (int p = 0; p < 10; ++p) {
            column_[p] = s_.sistema.numbers[i[p]];
            columnMasks_[p] = masks_[i[p]];
        }
        if (accepted_ == kColumnCapacity) {
            progress_.setAlarm("ATTENZIONE !!! Sviluppo superiore alla capienza della memoria");
            platform_.message("!!! Sviluppo superiore alla capienza della memoria\r"
                              "puoi generare al massimo" +
                                  signedText(kColumnCapacity) + " colonne",
                              "ATTENZIONE", Icon::Critical, Buttons::Ok);
            s_.cancel = true;
        } else if (passes()) {
            accepted_ += 1;
            NumberSet set = 0;
            for (int p = 0; p < 10; ++p) {
                set += columnMasks_[p];
            }
            s_.candidates[accepted_] = set;
            for (int p = 0; p < 10; ++p) {
                s_.colonne.row(accepted_)[p] = column_[p];
            }
        }
        processed_ += 1;
        progress_.processed = processed_;
        const auto pct = static_cast<std::uint8_t>((processed_ * 100) / total_);
        const int tenth = pct / 10;
        if (tenth != lastTenth_) {
            lastTenth_ = tenth;
            progress_.setPercent(pct);
        }
        return true;
    }

    bool passes() const {
        NumberSet set = 0;
        for (int p = 0; p < 10; ++p) {
            set += columnMasks_[p];
        }
        const auto& c = s_.condizioni;
        if (c.fisseOn != 0 && (set & fixedMask_) != fixedMask_) {
            return false;
        }
        if (c.sommaOn != 0) {
            int sum = 0;
            for (int p = 0; p < 10; ++p) {
                sum += column_[p];
            }
            if (!(c.somma[0] <= sum && sum <= c.somma[1])) {
                return false;
            }
        }
        if (c.pariDispariOn != 0) {
            int even = 0;
            for (int p = 0; p < 10; ++p) {
                if (column_[p] % 2 == 0) {
                    even += 1;
                }
            }
            if (c.pariDispari[even] == 0) {
                return false;
            }
        }
        for (int j = 1; j <= s_.filtri.count; ++j) {
            const auto& f = s_.filtri.entries[j];
            if (f.active == 0) {
                break;
            }
            int presences = 0;
            for (int p = 0; p < 10; ++p) {
                if ((columnMasks_[p] & f.column) != 0) {
                    presences += 1;
                }
            }
            if ((f.presences & (1 << presences)) == 0) {
                return false;
            }
        }
        if (s_.consecutivi.on != 0) {
            int run = 1;
            int longest = 1;
            for (int p = 0; p <= 8; ++p) {
                if (column_[p] + 1 == column_[p + 1]) {
                    run += 1;
                    if (run >= longest) {
                        longest = run;
                    }
                } else {
                    run = 1;
                }
            }
            if (!consecutiveAllowed_[longest]) {
                return false;
            }
        }
        return true;
    }

    SystemState& s_;
    Platform& platform_;
    Progress& progress_;
    Reducer reduce_;
    std::array<NumberSet, 20> masks_{};
    NumberSet fixedMask_ = 0;
    std::array<bool, 11> consecutiveAllowed_{};
    std::int32_t total_ = 0;
    std::int32_t accepted_ = 0;
    std::int32_t processed_ = 0;
    int lastTenth_ = 0;
    std::array<std::uint8_t, 10> column_{};
    std::array<NumberSet, 10> columnMasks_{};
};

inline void literalDevelopSystem(SystemState& state, Platform& platform, Progress& progress,
                                 Reducer reduce) {
    LiteralDevelopment(state, platform, progress, reduce).run();
}

} // namespace dvx::test
