#include "SingleCheck.h"
#include "BusyGuard.h"

#include "Format.h"
#include "NumberSet.h"
#include "Platform.h"
#include "Progress.h"

#include <utility>

namespace dvx {

namespace {

constexpr std::int32_t kYieldEvery = 10000;

std::string pointsCaption(std::string_view text, int points, bool hit) {
    return std::string(text) + " " + signedText(points) + (hit ? "+1" : "");
}

} // namespace

int fieldValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 999) {
            break; // the fields hold two digits; anything longer is refused anyway
        }
    }
    return value;
}

void showWinningColumn(const WinningColumn& winning, SpoglioFields& fields) {
    for (int p = 1; p <= kWinningPositions; ++p) {
        if (winning.at(p) != 0) {
            fields[static_cast<std::size_t>(p - 1)] = formatPicture(winning.at(p), "00");
        }
    }
}

int focusAfterEnter(int field) {
    return field + 1 < kColumnSize ? field + 1 : kCheckButton;
}

void leaveField(const SpoglioFields& fields, int field, WinningColumn& winning) {
    const int value = fieldValue(fields[static_cast<std::size_t>(field)]);
    if (value != 0 && value <= 255) {
        winning.at(field + 1) = static_cast<std::uint8_t>(value);
    }
}

void clearWinningColumn(WinningColumn& winning, SpoglioFields& fields) {
    winning = WinningColumn{};
    for (auto& text : fields) {
        text.clear();
    }
}

std::optional<FieldRefusal> sortAndValidateFields(SpoglioFields& fields) {
    const auto value = [&](int k) { return fieldValue(fields[static_cast<std::size_t>(k)]); };
    for (int i = 0; i < kColumnSize; ++i) {
        for (int j = i + 1; j < kColumnSize; ++j) {
            if (value(i) > value(j)) {
                std::swap(fields[static_cast<std::size_t>(i)], fields[static_cast<std::size_t>(j)]);
            }
        }
    }
    for (int k = 0; k + 1 < kColumnSize; ++k) {
        if (value(k + 1) == value(k)) {
            return FieldRefusal{std::string(kDuplicateNumbers), k};
        }
    }
    for (int k = 0; k < kSpoglioFields; ++k) {
        if (value(k) == 0 || value(k) > kNumbers) {
            return FieldRefusal{"Valore " + std::to_string(value(k)) + " non ammesso", k};
        }
    }
    return std::nullopt;
}

SingleCheckResult scoreAgainstWinningColumn(const SystemState& system, const WinningColumn& winning,
                                            Progress& progress) {
    SingleCheckResult result;
    const NumberSet drawn = winningSet(winning);
    result.numeroneHit = system.numerone != 0 && winning.at(kNumeronePosition) == system.numerone;
    for (std::int32_t i = 1; i <= system.sistema.columnCount; ++i) {
        const int points = pointsOf(system.colonne.row(i), drawn);
        if (i % kYieldEvery == 0) {
            progress.yield();
        }
        if (pointsWin(points, system.pricePerColumn)) {
            result.lists[static_cast<std::size_t>(singleCheckIndex(points, result.numeroneHit))]
                .push_back(i);
        }
        if (points > result.max) {
            result.max = points;
        }
        if (points < result.min) {
            result.min = points;
        }
    }
    return result;
}

std::string columnRowText(std::int32_t row) {
    return "c." + std::to_string(row);
}

std::string maxPuntiCaption(const SingleCheckResult& result) {
    return pointsCaption(kMaxPuntiCaption, result.max, result.numeroneHit);
}

std::string minPuntiCaption(const SingleCheckResult& result) {
    return pointsCaption(kMinPuntiCaption, result.min, result.numeroneHit);
}

SpoglioOutcome Spoglio(SpoglioFields& fields, WinningColumn& winning, const SystemState& system,
                       Platform& platform, Progress& progress) {
    SpoglioOutcome outcome;
    if (const auto refusal = sortAndValidateFields(fields)) {
        platform.message(refusal->text, kColonnaErrataTitle, Icon::Exclamation, Buttons::Ok);
        outcome.focusField = refusal->field;
        return outcome;
    }
    // The Numerone field too: the check scores what the fields show, even
    // when the focus never left the Numerone field.
    for (int k = 0; k < kSpoglioFields; ++k) {
        winning.at(k + 1) =
            static_cast<std::uint8_t>(fieldValue(fields[static_cast<std::size_t>(k)]));
    }
    const BusyGuard busy(platform);
    outcome.result = scoreAgainstWinningColumn(system, winning, progress);
    return outcome;
}

} // namespace dvx
