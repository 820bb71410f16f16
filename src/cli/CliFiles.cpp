#include "CliFiles.h"

#include "CliInputs.h"
#include "CliOutputs.h"

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
    loadSystemOrColumns(*path, *state);
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
    refuseOverInput("--save", savePath, {*path});
    auto state = std::make_unique<SystemState>();
    loadColumnTextInto(*path, *state);
    writeOutputs({systemOutput(savePath, *state)});
    std::cout << state->sistema.columnCount << " colonne, " << state->sistema.typeText << "\n";
    return 0;
}

} // namespace dvx::cli
