#include "CliDevelop.h"

#include "CliOutputs.h"

#include "ColumnText.h"
#include "ConsolePlatform.h"
#include "Development.h"
#include "NumberSet.h"
#include "Ridotto.h"
#include "SystemFileIO.h"
#include "SystemOps.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace dvx::cli {

namespace {

constexpr int kLowestSum = 55;   // 1..10
constexpr int kHighestSum = 155; // 11..20

std::vector<int> distinctList(std::string_view text, int lo, int hi, std::string_view what) {
    auto values = parseNumberList(text, lo, hi, what);
    auto sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
    if (twice != sorted.end()) {
        throw UsageError(std::string(what) + ": " + std::to_string(*twice) + " is given twice");
    }
    return values;
}

std::int32_t bitsOf(const std::vector<int>& values) {
    std::int32_t bits = 0;
    for (int v : values) {
        bits |= std::int32_t{1} << v;
    }
    return bits;
}

void takeNumbers(Args& args, SystemState& state) {
    const auto numbers = distinctList(args.takeRequired("--numbers"), 1, kNumbers, "--numbers");
    if (numbers.size() < static_cast<std::size_t>(kColumnSize)) {
        throw UsageError("--numbers: at least 10 numbers are needed, got " +
                         std::to_string(numbers.size()));
    }
    for (int n : numbers) {
        selectNumber(state, n, true);
    }
}

void takeSum(Args& args, Condizioni& c) {
    const auto text = args.take("--sum");
    if (!text) {
        return;
    }
    const auto [lo, hi] = parseRange(*text, "--sum");
    if (lo < kLowestSum || hi > kHighestSum || lo > hi) {
        throw UsageError("--sum: expected LO-HI with 55 <= LO <= HI <= 155, got '" + *text + "'");
    }
    c.sommaOn = kTrue;
    c.somma = {static_cast<std::int16_t>(lo), static_cast<std::int16_t>(hi)};
}

void takeEven(Args& args, Condizioni& c) {
    const auto text = args.take("--even");
    if (!text) {
        return;
    }
    c.pariDispariOn = kTrue;
    for (int e : parseNumberList(*text, 0, kColumnSize, "--even")) {
        c.pariDispari[static_cast<std::size_t>(e)] = kTrue;
    }
}

void takeFixed(Args& args, Condizioni& c) {
    const auto text = args.take("--fixed");
    if (!text) {
        return;
    }
    const auto fixed = distinctList(*text, 1, kNumbers, "--fixed");
    if (fixed.size() > static_cast<std::size_t>(kMaxFixed)) {
        throw UsageError("--fixed: at most 9 fixed numbers, got " + std::to_string(fixed.size()));
    }
    c.fisseOn = kTrue;
    for (std::size_t k = 0; k < fixed.size(); ++k) {
        c.fisse[k + 1] = static_cast<std::uint8_t>(fixed[k]);
    }
    c.fisseCount = static_cast<std::uint8_t>(fixed.size());
}

void takeConsecutive(Args& args, Consecutivi& consecutivi) {
    const auto text = args.take("--consecutive");
    if (!text) {
        return;
    }
    consecutivi.on = kTrue;
    consecutivi.runsMask = bitsOf(parseNumberList(*text, 1, kColumnSize, "--consecutive"));
}

void takeFilters(Args& args, FilterTable& filtri) {
    const auto filters = args.takeAll("--filter");
    if (filters.size() > static_cast<std::size_t>(kMaxFilters)) {
        throw UsageError("--filter: at most 100 filter columns, got " +
                         std::to_string(filters.size()));
    }
    for (std::size_t j = 0; j < filters.size(); ++j) {
        const auto& text = filters[j];
        const auto colon = text.find(':');
        if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) {
            throw UsageError("--filter: expected NUMS:PRESENCES, got '" + text + "'");
        }
        auto& entry = filtri.entries[j + 1];
        for (int n : parseNumberList(std::string_view(text).substr(0, colon), 1, kNumbers,
                                     "--filter numbers")) {
            entry.column |= maskOf(n);
        }
        entry.presences = bitsOf(parseNumberList(std::string_view(text).substr(colon + 1), 0,
                                                 kColumnSize, "--filter presences"));
        entry.active = kTrue;
    }
    filtri.count = static_cast<std::int16_t>(filters.size());
}

void takeReduction(Args& args, Condizioni& c) {
    const auto text = args.take("--reduce");
    if (!text) {
        return;
    }
    const int level = parseInt(*text, "--reduce");
    if (level < 0 || level > kMaxReductionLevel) {
        throw UsageError("--reduce: the level is 0..3, got " + *text);
    }
    // Level 0 keeps every column, only reordered farthest-first, as the desktop does
    // when the switch is on and no level was chosen.
    c.ridottoOn = kTrue;
    c.ridottoLevel = static_cast<std::uint8_t>(level);
}

} // namespace

int runDevelop(Args& args) {
    auto state = std::make_unique<SystemState>();
    takeNumbers(args, *state);
    takeSum(args, state->condizioni);
    takeEven(args, state->condizioni);
    takeFixed(args, state->condizioni);
    takeConsecutive(args, state->consecutivi);
    takeFilters(args, state->filtri);
    takeReduction(args, state->condizioni);
    const auto exportPath = args.take("--export");
    const auto savePath = args.take("--save");
    args.finish();

    ConsolePlatform platform;
    TerminalProgress progress;
    runDevelopCommand(*state, platform, progress, ridotto);
    if (state->cancel) {
        return 2; // stopped at capacity; the message is already on stderr
    }
    const auto count = state->sistema.columnCount;
    std::vector<Output> outputs;
    if (exportPath) {
        outputs.push_back({"--export", *exportPath, columnText(state->colonne, count)});
    }
    if (savePath) {
        outputs.push_back(systemOutput(*savePath, *state));
    }
    writeOutputs(std::move(outputs));
    std::cout << count << " colonne, " << state->sistema.typeText << "\n";
    return 0;
}

} // namespace dvx::cli
