#include "CliCheck.h"

#include "CliInputs.h"
#include "CliOutputs.h"

#include "ArchiveCheck.h"
#include "ArchiveFile.h"
#include "CheckCsv.h"
#include "ConsolePlatform.h"
#include "ErrorCodes.h"
#include "Format.h"
#include "SingleCheck.h"
#include "SystemFileIO.h"
#include "SystemOdds.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace dvx::cli {

namespace {

// The system to check, with the stake the main window would have.
std::unique_ptr<SystemState> loadCheckedSystem(const std::string& path, const Stake& stake) {
    auto state = loadSystemWithStake(path, stake);
    if (!state->developed()) {
        throw UsageError(path + ": the system has no columns to check");
    }
    return state;
}

void printSingleCheck(const SpoglioFields& fields, const SingleCheckResult& result) {
    std::cout << kColonnaVincenteCaption << ":";
    for (int k = 0; k < kColumnSize; ++k) {
        std::cout << " " << fields[static_cast<std::size_t>(k)];
    }
    std::cout << " " << kNumeroneLabel << " " << fields[kNumeroneField] << "\n";
    for (int c = 0; c < kCategoryCount; ++c) {
        const auto& list = result.lists[static_cast<std::size_t>(c)];
        std::cout << kSingleCheckLabels[static_cast<std::size_t>(c)] << ": " << list.size() << "\n";
        if (list.empty()) {
            continue;
        }
        std::cout << " ";
        for (const auto row : list) {
            std::cout << " " << columnRowText(row);
        }
        std::cout << "\n";
    }
    std::cout << maxPuntiCaption(result) << "\n" << minPuntiCaption(result) << "\n";
}

} // namespace

int runCheck(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a SYSTEM file (.dvx or .txt) is required");
    }
    // Out-of-range values reach the check's own messages, as in the dialog.
    const auto win = parseNumberList(args.takeRequired("--win"), 0, 99, "--win");
    if (win.size() != static_cast<std::size_t>(kColumnSize)) {
        throw UsageError("--win needs 10 numbers");
    }
    const int winNumerone =
        singleNumber(args.takeRequired("--win-numerone"), 0, 99, "--win-numerone");
    const auto stake = takeStake(args);
    args.finish();
    const auto state = loadCheckedSystem(*path, stake);

    SpoglioFields fields;
    for (int k = 0; k < kColumnSize; ++k) {
        fields[static_cast<std::size_t>(k)] = formatPicture(win[static_cast<std::size_t>(k)], "00");
    }
    fields[kNumeroneField] = formatPicture(winNumerone, "00");
    ConsolePlatform platform;
    WinningColumn winning;
    Progress progress;
    const auto outcome = Spoglio(fields, winning, *state, platform, progress);
    if (!outcome.result) {
        return 2;
    }
    printSingleCheck(fields, *outcome.result);
    return 0;
}

int runCheckArchive(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a SYSTEM file (.dvx or .txt) is required");
    }
    const auto archivePath = args.takeRequired("--archive");
    const auto csvPath = args.takeRequired("--csv");
    const auto from = args.take("--from");
    const auto to = args.take("--to");
    const auto stake = takeStake(args);
    args.finish();
    refuseOverInput("--csv", csvPath, {*path, archivePath});
    const auto state = loadCheckedSystem(*path, stake);
    const Archivio archivio = loadExistingArchive(archivePath);
    const int upper = archivio.upperBound();
    const int first = from ? singleNumber(*from, 1, upper, "--from") : 1;
    const int last = to ? singleNumber(*to, 1, upper, "--to") : upper;
    if (first > last) {
        throw UsageError("--from " + std::to_string(first) + " comes after --to " +
                         std::to_string(last) + ": no draw to check");
    }
    Progress progress;
    const auto rows = SpoglioArchivioEstrazioni(*state, archivio, first, last, progress);
    writeOutputs({{"--csv", csvPath, archiveCheckCsv(rows)}});
    std::cout << rows.size() << " estrazioni\n";
    return 0;
}

int runOdds(Args& args) {
    // The options first, so that an option's value is never taken for the system.
    const auto stake = takeStake(args);
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a SYSTEM file (.dvx or .txt) is required");
    }
    args.finish();
    const auto state = loadCheckedSystem(*path, stake);
    for (const auto& line : oddsReport(systemOdds(*state))) {
        std::cout << line << "\n";
    }
    return 0;
}

} // namespace dvx::cli
