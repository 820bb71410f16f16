#pragma once
// The single check (`Spoglio`): every column of the system scored against
// one winning column, listed per prize category. The dialog frmSpoglio
// shows what these functions compute.

#include "Model.h"
#include "PrizeCategories.h"
#include "WinningColumn.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

class Platform;
class Progress;

inline constexpr int kSpoglioFields = 11; // meSpoglio(0..10)
inline constexpr int kNumeroneField = 10;

inline constexpr std::string_view kSpoglioCaption = "Spoglio";
inline constexpr std::string_view kColonnaVincenteCaption = "Colonna vincente";
inline constexpr std::string_view kNumeroneLabel = "Numerone";
inline constexpr std::string_view kMaxPuntiCaption = "Massimo punteggio raggiunto";
inline constexpr std::string_view kMinPuntiCaption = "Minimo punteggio raggiunto";
inline constexpr std::string_view kColonnaErrataTitle = "Colonna Errata";
inline constexpr std::string_view kDuplicateNumbers = "Duplicazione di numeri";

// The texts of the entry fields meSpoglio(0..10); an empty field is "".
using SpoglioFields = std::array<std::string, kSpoglioFields>;

// The numeric value of a field's text: its leading digits after any blanks,
// 0 for an empty field or one that starts with anything else.
int fieldValue(std::string_view text);

// init: each non-zero position p of the winning column shown, as "05", in
// field p-1; the other fields keep their text.
void showWinningColumn(const WinningColumn& winning, SpoglioFields& fields);

// Where Enter in a field sends the focus: the next field, and from the last
// number field (9) or the Numerone field the check button, kCheckButton.
inline constexpr int kCheckButton = -1;
int focusAfterEnter(int field);

// Leaving field `field`: a non-zero value is stored at position field+1.
void leaveField(const SpoglioFields& fields, int field, WinningColumn& winning);

// cmdCancella: the winning column and every field emptied.
void clearWinningColumn(WinningColumn& winning, SpoglioFields& fields);

// Why a check was refused: the message and the field that gets the focus.
struct FieldRefusal {
    std::string text;
    int field = 0;
};

// Sorts fields 0..9 by value (the Numerone field stays), then refuses a
// repeated number ("Duplicazione di numeri") or a value outside 1..20 in
// any field ("Valore 21 non ammesso"), the first found.
std::optional<FieldRefusal> sortAndValidateFields(SpoglioFields& fields);

struct SingleCheckResult {
    // Per single-check index, the winning columns' rows in ascending order.
    std::array<std::vector<std::int32_t>, kCategoryCount> lists;
    int max = 0;
    int min = kMaxPoints;
    bool numeroneHit = false;
};

// Scores rows 1..column count against positions 1..10 of the winning
// column; the Numerone is hit when position 11 equals the system's. Yields
// after every 10000th column.
SingleCheckResult scoreAgainstWinningColumn(const SystemState& system, const WinningColumn& winning,
                                            Progress& progress);

// A list row: "c.17" for column 17.
std::string columnRowText(std::int32_t row);
// "Massimo punteggio raggiunto  9", "+1" appended when the Numerone was hit.
std::string maxPuntiCaption(const SingleCheckResult& result);
std::string minPuntiCaption(const SingleCheckResult& result);

struct SpoglioOutcome {
    std::optional<SingleCheckResult> result; // none when the fields were refused
    int focusField = -1;                     // where the focus goes after a refusal
};

// cmdSpoglio: sort and check the fields (a refusal is shown as an
// exclamation message titled "Colonna Errata" and scores nothing), store
// the sorted numbers in the winning column and score the system under the
// busy cursor.
SpoglioOutcome Spoglio(SpoglioFields& fields, WinningColumn& winning, const SystemState& system,
                       Platform& platform, Progress& progress);

} // namespace dvx
