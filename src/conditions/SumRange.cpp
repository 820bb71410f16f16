#include "SumRange.h"

#include <limits>

namespace dvx {

std::optional<SumLimits> sumLimits(const Sistema& sistema) {
    const int count = sistema.countInPlay;
    if (count < kColumnSize || count > kNumbers) {
        return std::nullopt;
    }
    SumLimits limits;
    for (int i = 0; i < kColumnSize; ++i) {
        limits.minimum += sistema.numbers[static_cast<std::size_t>(i)];
        limits.maximum += sistema.numbers[static_cast<std::size_t>(count - kColumnSize + i)];
    }
    return limits;
}

SumFields proposedSumFields(const Condizioni& condizioni, SumLimits limits) {
    const auto within = [&](int value) {
        return value != 0 && value >= limits.minimum && value <= limits.maximum;
    };
    const int da = condizioni.somma[0];
    const int a = condizioni.somma[1];
    return {within(da) ? da : limits.minimum, within(a) ? a : limits.maximum};
}

std::optional<int> maskedFieldValue(std::string_view text) {
    std::optional<int> value;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            continue;
        }
        const int next = value.value_or(0) * 10 + (c - '0');
        // The mask holds three digits; anything longer is clamped, not wrapped.
        value = next > std::numeric_limits<std::int16_t>::max()
                    ? std::numeric_limits<std::int16_t>::max()
                    : next;
    }
    return value;
}

SumCloseOutcome closeSumRange(SystemState& state, std::string_view daText, std::string_view aText,
                              SumLimits limits) {
    SumCloseOutcome outcome;
    if (state.developed()) {
        return outcome;
    }
    const auto da = maskedFieldValue(daText);
    const auto a = maskedFieldValue(aText);
    const int lower = da.value_or(0);
    const int upper = a.value_or(0);
    if (lower > upper) {
        outcome.problems.push_back(
            {"'DA' è maggiore di 'A'", " !!! E R R O R E !!! ", SumField::A});
    }
    if (da && lower < limits.minimum) {
        outcome.problems.push_back(
            {"'DA' è minore del minimo", "!!! E R R O R E !!!", SumField::Da});
    }
    if (a && upper > limits.maximum) {
        outcome.problems.push_back(
            {"'A' è maggiore del massimo", "!!! E R R O R E !!!", SumField::A});
    }
    auto& somma = state.condizioni.somma;
    if (da) {
        somma[0] = static_cast<std::int16_t>(lower);
    }
    if (a) {
        somma[1] = static_cast<std::int16_t>(upper);
    }
    return outcome;
}

} // namespace dvx
