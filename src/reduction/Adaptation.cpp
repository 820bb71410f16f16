#include "Adaptation.h"
#include "BusyGuard.h"

#include "ColumnOps.h"
#include "MatrixFile.h"
#include "Platform.h"
#include "Progress.h"
#include "SystemOps.h"

#include <algorithm>
#include <utility>

namespace dvx {

namespace {

constexpr std::string_view kErrorTitle = "E R R O R E";
constexpr std::string_view kUnexpected = "Errore imprevisto\rImpossibile Adattare la Matrice";

// A whole number written with digits only, blanks around allowed; 0 otherwise.
int wholeNumber(std::string_view answer) {
    const auto text = trim(answer);
    if (text.empty() || text.size() > 3) {
        return 0;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

void showMatrixFileProblem(MatrixFileStatus status, const std::string& path, Platform& platform) {
    switch (status) {
    case MatrixFileStatus::Missing:
        platform.message(path + "\rFile non di Matrice o rovinato o inesistente", kErrorTitle,
                         Icon::Critical);
        break;
    case MatrixFileStatus::BadSignature:
        platform.message(path + "\rFile non di Matrice o rovinato", kErrorTitle, Icon::Critical);
        break;
    case MatrixFileStatus::TooManyColumns:
        platform.message("Numero colonne della matrice superiori alla capacita' di memoria "
                         "fissata\rscegliere un'altra matrice o contattare l'autore per un "
                         "aggiornamento",
                         "A T T E N Z I O N E", Icon::Information);
        break;
    case MatrixFileStatus::Damaged:
    case MatrixFileStatus::Ok:
        platform.message(kUnexpected, kErrorTitle, Icon::Critical);
        break;
    }
}

// A record whose numbers or fixed positions cannot fit the numbers in play
// would read outside the arranged list or the fixed-number slots.
bool recordFits(const MatrixRecord& record, const Sistema& sistema) {
    return record.numbers == sistema.countInPlay && record.numbers <= kNumbers &&
           record.fixed <= kMaxFixed && record.fixed <= record.numbers;
}

void buildColumns(SystemState& state, const std::vector<std::uint8_t>& positions,
                  std::int32_t count, Progress& progress) {
    const auto& arranged = state.sistema.numbers;
    for (int c = 1; c <= count; ++c) {
        progress.yield();
        auto* row = state.colonne.row(c);
        const auto first = static_cast<std::size_t>(c - 1) * kColumnSize;
        for (std::size_t i = 0; i < kColumnSize; ++i) {
            row[i] = arranged[static_cast<std::size_t>(positions[first + i] - 1)];
        }
        std::sort(row, row + kColumnSize);
    }
}

} // namespace

std::vector<MatrixRecord> loadMatchingMatrices(std::string_view programFolder, int countInPlay,
                                               Platform& platform) {
    const auto all = readMatricesIndex(matricesIndexPath(programFolder));
    auto matching = all ? matchingRecords(*all, countInPlay) : std::vector<MatrixRecord>{};
    if (matching.empty()) {
        platform.message(noMatrixMessage(countInPlay), kNoMatrixTitle, Icon::Information);
    }
    return matching;
}

int controlla(std::string_view answer, int k, Sistema& sistema) {
    const int v = wholeNumber(answer);
    if (v == 0) {
        return 0;
    }
    // Entries before k hold the numbers already named: naming one again
    // would take it away from its fixed position.
    for (int j = k; j < sistema.countInPlay; ++j) {
        if (sistema.numbers[static_cast<std::size_t>(j)] == v) {
            std::swap(sistema.numbers[static_cast<std::size_t>(j)],
                      sistema.numbers[static_cast<std::size_t>(k)]);
            return v;
        }
    }
    return 0;
}

std::string fixedNumberPrompt(int k) {
    return "Valore Fissa N." + signedText(k + 1) + " ?";
}

std::optional<FixedNumbersAnswer> askFixedNumbers(Sistema& sistema, int fixedCount,
                                                  Platform& platform) {
    FixedNumbersAnswer answer;
    int k = 0;
    while (k < fixedCount) {
        const auto reply =
            platform.input(fixedNumberPrompt(k), kFixedNumberTitle,
                           std::to_string(sistema.numbers[static_cast<std::size_t>(k)]));
        if (!reply) {
            return std::nullopt;
        }
        const int v = controlla(*reply, k, sistema);
        if (v == 0) {
            continue;
        }
        answer.text += formatPicture(v, "00   ");
        answer.numbers.push_back(static_cast<std::uint8_t>(v));
        ++k;
    }
    return answer;
}

std::string fixedNumbersConfirmation(std::string_view fixedText) {
    return "Le Fisse del sistema sono\r\r" + std::string(fixedText) + "\r\r";
}

AdaptationResult adaptMatrix(SystemState& state, std::string_view programFolder,
                             const MatrixRecord& record, Platform& platform, Progress& progress,
                             const Separators& sep) {
    return adaptMatrixFile(state, matrixFilePath(programFolder, record), record, platform, progress,
                           sep);
}

AdaptationResult adaptMatrixFile(SystemState& state, const std::string& path,
                                 const MatrixRecord& record, Platform& platform, Progress& progress,
                                 const Separators& sep) {
    AdaptationResult result;
    if (!recordFits(record, state.sistema)) {
        platform.message(kUnexpected, kErrorTitle, Icon::Critical);
        return result;
    }
    const BusyGuard busy(platform);
    const auto fixed = askFixedNumbers(state.sistema, record.fixed, platform);
    if (!fixed) {
        return result;
    }
    const bool fixedGiven = record.fixed > 0;
    if (fixedGiven && platform.message(fixedNumbersConfirmation(fixed->text), "A V V I S O",
                                       Icon::Question, Buttons::OkCancel) == Answer::Cancel) {
        return result;
    }

    const auto content = readMatrixFile(path, record.columns, record.numbers);
    if (content.status != MatrixFileStatus::Ok) {
        showMatrixFileProblem(content.status, path, platform);
        return result;
    }

    const auto count = record.columns;
    resetSystem(state, true);
    buildColumns(state, content.positions, count, progress);
    result.adapted = true;
    if (count > 0) {
        state.developedMark = kDeveloped;
        result.developed = true;
    }
    if (fixedGiven) {
        auto& c = state.condizioni;
        for (std::size_t i = 0; i < fixed->numbers.size(); ++i) {
            c.fisse[i + 1] = fixed->numbers[i];
        }
        c.fisseCount = record.fixed;
        c.fisseOn = kTrue;
        result.menuFisseChecked = true;
    }
    const int level = matrixReductionLevel(record);
    state.condizioni.ridottoOn = toVBool(level > 0);
    state.condizioni.ridottoLevel = static_cast<std::uint8_t>(level);
    result.menuRidottoChecked = level > 0;

    state.sistema.columnCount = count;
    shuffleColumns(state, platform);
    state.sistema.typeText = matrixTypeText(record);
    result.status = statusPanels(state, sep);
    return result;
}

} // namespace dvx
