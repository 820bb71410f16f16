#include "CliFiles.h"

#include "Cp1252.h"
#include "ErrorCodes.h"
#include "Format.h"
#include "NumberSet.h"
#include "SystemFileIO.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace dvx::cli {

namespace {

std::string_view faultText(SystemFileFault fault) {
    switch (fault) {
    case SystemFileFault::None:
        return "";
    case SystemFileFault::UnknownTag:
        return "not a system file of a known version";
    case SystemFileFault::Truncated:
        return "the file ends too early";
    case SystemFileFault::TooManyNumbers:
        return "more than 20 numbers in play";
    case SystemFileFault::BadNumberInPlay:
        return "a number in play outside 1..20 or given twice";
    case SystemFileFault::BadConditions:
        return "a fixed number or the reduction level out of range";
    case SystemFileFault::TooManyColumns:
        return "column count outside 0..185000";
    case SystemFileFault::ColumnsPastEnd:
        return "fewer columns than the file promises";
    case SystemFileFault::BadColumnNumber:
        return "a column number outside 1..20 or repeated within a column";
    case SystemFileFault::TooManyFilters:
        return "more than 100 filter columns";
    }
    return "";
}

bool isTextFile(const std::string& path) {
    return toLower(std::filesystem::path(path).extension().string()) == ".txt";
}

// The columns of a text file, as the import makes them into a system.
void loadColumnText(const std::string& path, SystemState& state) {
    const auto read = readColumnTextFile(path);
    if (!read.ok) {
        throw UsageError("cannot read " + path + ": " +
                         errorMessage(read.error, "ImportaColonneTxt") + ", line [" +
                         cp1252ToUtf8(read.line) + "]");
    }
    applyColumnImport(read.columns, state);
}

void loadSystem(const std::string& path, SystemState& state) {
    std::error_code error;
    const auto read = readSystemFile(path, error);
    if (error) {
        throw UsageError("cannot read " + path + ": " + classicErrorOf(error, path).description);
    }
    if (!read.ok()) {
        throw UsageError("cannot read " + path + ": Questo file non puo' essere letto (" +
                         std::string(faultText(read.fault)) + ")");
    }
    for (const auto id : read.unknownIds) {
        std::cerr << "Condizione non riconosciuta, ID : " << id << "\n";
    }
    applySystemFile(read.content, state);
}

std::string onOff(VBool on) {
    return on != 0 ? "ON" : "OFF";
}

std::string twoDigits(int n) {
    return formatPicture(n, "00");
}

std::string listOfSet(NumberSet set) {
    std::string text;
    for (int n = 1; n <= kNumbers; ++n) {
        if (contains(set, n)) {
            text += (text.empty() ? "" : " ") + twoDigits(n);
        }
    }
    return text;
}

void printConditions(const SystemState& s) {
    const auto& c = s.condizioni;
    std::string even;
    for (std::size_t e = 0; e < c.pariDispari.size(); ++e) {
        if (c.pariDispari[e] != 0) {
            even += " " + twoDigits(static_cast<int>(e));
        }
    }
    std::string fixed;
    for (int k = 1; k <= c.fisseCount; ++k) {
        fixed += " " + twoDigits(c.fisse[static_cast<std::size_t>(k)]);
    }
    std::cout << "Condizioni:\n"
              << "  Pari e Dispari: " << onOff(c.pariDispariOn) << " (pari:" << even << ")\n"
              << "  Somma: " << onOff(c.sommaOn) << " (" << c.somma[0] << "-" << c.somma[1] << ")\n"
              << "  Fisse: " << onOff(c.fisseOn) << " (" << fixed.substr(fixed.empty() ? 0 : 1)
              << ")\n"
              << "  Consecutivi: " << onOff(s.consecutivi.on) << " ("
              << bitListText(s.consecutivi.runsMask) << ")\n"
              << "  Ridotto: " << onOff(c.ridottoOn) << " (N-" << int{c.ridottoLevel} << ")\n"
              << "  Colonne filtro: " << s.filtri.count << "\n";
    for (int i = 1; i <= s.filtri.count; ++i) {
        const auto& f = s.filtri.entries[static_cast<std::size_t>(i)];
        std::cout << "    " << i << ": " << listOfSet(f.column) << " presenze "
                  << bitListText(f.presences) << (f.active != 0 ? "" : " (non attiva)") << "\n";
    }
}

} // namespace

int runShow(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a FILE.dvx or FILE.txt is required");
    }
    args.finish();
    auto state = std::make_unique<SystemState>();
    if (isTextFile(*path)) {
        loadColumnText(*path, *state);
    } else {
        loadSystem(*path, *state);
    }
    const auto& s = state->sistema;
    std::string numbers;
    for (int i = 0; i < s.countInPlay; ++i) {
        numbers += (i == 0 ? "" : " ") + twoDigits(s.numbers[static_cast<std::size_t>(i)]);
    }
    std::cout << "Sistema: " << std::filesystem::path(*path).filename().string() << "\n"
              << "Tipo: " << s.typeText << "\n"
              << "Numeri in gioco [" << twoDigits(s.countInPlay) << "]: " << numbers << "\n"
              << "Colonne: " << s.columnCount << "\n";
    printConditions(*state);
    std::cout << "Colonne:\n" << columnText(state->colonne, s.columnCount);
    return 0;
}

int runImport(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a FILE.txt is required");
    }
    const auto savePath = args.takeRequired("--save");
    args.finish();
    auto state = std::make_unique<SystemState>();
    loadColumnText(*path, *state);
    if (const auto error = saveSystemFile(savePath, *state)) {
        throw UsageError("--save: cannot write " + savePath + ": " +
                         classicErrorOf(error, savePath).description);
    }
    std::cout << state->sistema.columnCount << " colonne, " << state->sistema.typeText << "\n";
    return 0;
}

} // namespace dvx::cli
