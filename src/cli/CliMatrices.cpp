#include "CliMatrices.h"

#include "CliInputs.h"
#include "CliOutputs.h"

#include "Adaptation.h"
#include "ConsolePlatform.h"
#include "Guarantee.h"
#include "MatricesIndex.h"
#include "NumberSet.h"
#include "SystemFileIO.h"
#include "SystemOps.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace dvx::cli {

namespace {

std::vector<int> distinctNumbers(std::string_view text, std::string_view what) {
    auto values = parseNumberList(text, 1, kNumbers, what);
    auto sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
        twice != sorted.end()) {
        throw UsageError(std::string(what) + ": " + std::to_string(*twice) + " is given twice");
    }
    return values;
}

MatrixRecord takeRecord(Args& args, std::string& indexPath, std::string& matrixFolder) {
    indexPath = args.takeRequired("--index");
    const int wanted = parseInt(args.takeRequired("--record"), "--record");
    const auto records = readMatricesIndex(indexPath);
    if (!records) {
        throw UsageError("--index: cannot read " + indexPath);
    }
    if (wanted < 1 || static_cast<std::size_t>(wanted) > records->size()) {
        throw UsageError("--record: " + indexPath + " holds " + std::to_string(records->size()) +
                         " records, got " + std::to_string(wanted));
    }
    const auto parent = std::filesystem::path(indexPath).parent_path();
    matrixFolder = parent.empty() ? std::string() : parent.string() + "/";
    return (*records)[static_cast<std::size_t>(wanted - 1)];
}

std::string numbersText(NumberSet set) {
    std::string text;
    for (int n = 1; n <= kNumbers; ++n) {
        if (contains(set, n)) {
            text += (text.empty() ? "" : " ") + formatPicture(n, "00");
        }
    }
    return text;
}

// The columns of a system file or, for a .txt file, of a column text file.
std::vector<NumberSet> readColumns(const std::string& path) {
    auto state = std::make_unique<SystemState>();
    loadSystemOrColumns(path, *state);
    std::vector<NumberSet> columns;
    for (int r = 1; r <= state->sistema.columnCount; ++r) {
        columns.push_back(setOfRow(state->colonne.row(r)));
    }
    return columns;
}

} // namespace

int runAdapt(Args& args) {
    std::string indexPath;
    std::string matrixFolder;
    const auto record = takeRecord(args, indexPath, matrixFolder);
    const auto numbers = distinctNumbers(args.takeRequired("--numbers"), "--numbers");
    const auto fixedText = args.take("--fixed");
    const auto fixed = fixedText ? distinctNumbers(*fixedText, "--fixed") : std::vector<int>{};
    const bool shuffle = args.flag("--shuffle");
    const auto savePath = args.takeRequired("--save");
    args.finish();
    refuseOverInput("--save", savePath, {indexPath, matrixFolder + record.file});

    if (numbers.size() != record.numbers) {
        throw UsageError("--numbers: the matrix is built for " + std::to_string(record.numbers) +
                         " numbers, got " + std::to_string(numbers.size()));
    }
    if (fixed.size() != record.fixed) {
        throw UsageError("--fixed: the matrix has " + std::to_string(record.fixed) +
                         " fixed positions, got " + std::to_string(fixed.size()) + " numbers");
    }
    for (int f : fixed) {
        if (std::find(numbers.begin(), numbers.end(), f) == numbers.end()) {
            throw UsageError("--fixed: " + std::to_string(f) + " is not in play");
        }
    }

    auto state = std::make_unique<SystemState>();
    state->pricePerColumn = 2.0f;
    for (int n : numbers) {
        selectNumber(*state, n, true);
    }
    rebuildNumbersInPlay(*state);
    ConsolePlatform platform;
    // The fixed-number confirmation is accepted; the shuffle question gets Yes
    // only when asked for.
    platform.questionAnswer = shuffle ? Answer::Yes : Answer::Ok;
    for (int f : fixed) {
        platform.inputReplies.push_back(std::to_string(f));
    }
    TerminalProgress progress;
    const auto result =
        adaptMatrixFile(*state, matrixFolder + record.file, record, platform, progress);
    if (!result.adapted) {
        return 2; // the reason is already on stderr
    }
    writeOutputs({systemOutput(savePath, *state)});
    std::cout << state->sistema.columnCount << " colonne, " << state->sistema.typeText << "\n";
    return 0;
}

int runVerify(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("the system file to verify is missing");
    }
    const auto numbers = distinctNumbers(args.takeRequired("--numbers"), "--numbers");
    const int level = parseInt(args.takeRequired("--level"), "--level");
    args.finish();
    if (numbers.size() < static_cast<std::size_t>(kColumnSize)) {
        throw UsageError("--numbers: at least 10 numbers are needed, got " +
                         std::to_string(numbers.size()));
    }
    if (level < 0 || level > kMaxReductionLevel) {
        throw UsageError("--level: the level is 0..3, got " + std::to_string(level));
    }
    NumberSet inPlay = 0;
    for (int n : numbers) {
        inPlay |= maskOf(n);
    }
    const auto columns = readColumns(*path);
    const auto report = checkGuarantee(columns, inPlay, level);
    if (report.holds) {
        std::cout << "garanzia " << kColumnSize - level << " rispettata: " << columns.size()
                  << " colonne\n";
        return 0;
    }
    std::cout << "garanzia " << kColumnSize - level
              << " non rispettata: " << numbersText(report.firstUncovered) << " ("
              << report.uncoveredCount << " combinazioni scoperte)\n";
    return 1;
}

} // namespace dvx::cli
