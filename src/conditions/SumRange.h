#pragma once
// The sum range dialog's rules: the limits the numbers in play allow, the
// values it proposes, how a masked field reads and what closing checks.

#include "Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

struct SumLimits {
    int minimum = 0; // sum of the 10 lowest numbers in play
    int maximum = 0; // sum of the 10 highest
};

// nullopt with fewer than 10 numbers in the numbers-in-play list: there is
// no column, so there are no limits to offer.
std::optional<SumLimits> sumLimits(const Sistema& sistema);

struct SumFields {
    int da = 0;
    int a = 0;
};

// A stored bound is proposed unless it is unset (0) or outside the limits;
// then the limit itself is proposed.
SumFields proposedSumFields(const Condizioni& condizioni, SumLimits limits);

// The digits of a masked field ("1_2" reads as 12); nullopt when it holds none.
std::optional<int> maskedFieldValue(std::string_view text);

enum class SumField { Da, A };

struct SumProblem {
    std::string text;
    std::string title;
    SumField focus;
};

struct SumCloseOutcome {
    std::vector<SumProblem> problems; // in the order they are shown
    bool canClose() const { return problems.empty(); }
};

// Closing the dialog: while developed nothing is checked or stored.
// Otherwise every failing check is reported, and the fields that hold digits
// are stored whether or not a check failed.
SumCloseOutcome closeSumRange(SystemState& state, std::string_view daText, std::string_view aText,
                              SumLimits limits);

} // namespace dvx
