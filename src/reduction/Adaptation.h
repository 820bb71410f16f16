#pragma once
// Adapting a ready-made matrix to the numbers in play: the fixed numbers go
// to the first positions, then every position p becomes the p-th number.

#include "Format.h"
#include "MatricesIndex.h"
#include "Model.h"
#include "StatusPanels.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

class Platform;
class Progress;

// The records the adaptation window lists for count numbers in play. When
// none matches, or the index is missing or unreadable, shows "Nessuna
// matrice con ..." (title " ATTENZIONE") and returns an empty list.
std::vector<MatrixRecord> loadMatchingMatrices(std::string_view programFolder, int countInPlay,
                                               Platform& platform);

// Checks one answer to the fixed-number prompt: when it is a whole number in
// play not named before (entries k onward), moves it to entry k of the
// arranged list, exchanging it with whatever stood there, and returns it;
// 0 otherwise.
int controlla(std::string_view answer, int k, Sistema& sistema);

struct FixedNumbersAnswer {
    std::vector<std::uint8_t> numbers; // in the order named
    std::string text;                  // "13   05   ", as the confirmation shows it
};

// "Valore Fissa N. 1 ?"
std::string fixedNumberPrompt(int k);
inline constexpr std::string_view kFixedNumberTitle = "Numero fisse";

// Asks for fixedCount numbers, re-asking until each answer is a number in
// play, and arranges the list as it goes. nullopt when the user cancels.
std::optional<FixedNumbersAnswer> askFixedNumbers(Sistema& sistema, int fixedCount,
                                                  Platform& platform);

// "Le Fisse del sistema sono\r\r13   \r\r"
std::string fixedNumbersConfirmation(std::string_view fixedText);

// What the main window applies after an adaptation. When adapted, the
// keep-numbers reset has run (editing state, check marks off) and then the
// fields below say what to show.
struct AdaptationResult {
    bool adapted = false;   // a new system was built: close the adaptation window
    bool developed = false; // enter the developed state
    bool menuFisseChecked = false;
    bool menuRidottoChecked = false;
    StatusPanels status;
};

// The whole adaptation of the selected record: fixed numbers, confirmation,
// reading and checking the matrix file, the new system and the offer to
// shuffle it. Every refusal is shown through platform and leaves the system
// as it was, but for the arranged order of the numbers in play.
AdaptationResult adaptMatrix(SystemState& state, std::string_view programFolder,
                             const MatrixRecord& record, Platform& platform, Progress& progress,
                             const Separators& sep = {});

// The same with the matrix file named by its whole path.
AdaptationResult adaptMatrixFile(SystemState& state, const std::string& matrixPath,
                                 const MatrixRecord& record, Platform& platform, Progress& progress,
                                 const Separators& sep = {});

} // namespace dvx
