#include "SystemFileIO.h"

#include "FileReplace.h"
#include "SystemOps.h"

#include <algorithm>

namespace dvx {

inline constexpr std::string_view kImportedType = "FILE TXT";

std::error_code saveSystemFile(const std::filesystem::path& path, SystemState& state) {
    rebuildNumbersInPlay(state);
    return replaceFile(path, systemFileBytes(state));
}

SystemFileRead readSystemFile(const std::filesystem::path& path, std::error_code& error) {
    std::string bytes;
    error = readWholeFile(path, bytes, kSystemFileMaxSize);
    if (error) {
        return {};
    }
    return parseSystemFile(bytes);
}

void applyColumnImport(const std::vector<ColumnRow>& columns, SystemState& state) {
    resetSystem(state, false);
    NumberSet seen = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::copy(columns[i].begin(), columns[i].end(), state.colonne.row(static_cast<int>(i) + 1));
        for (const auto n : columns[i]) {
            seen |= NumberSet{1} << (n - 1);
        }
    }
    for (int n = 1; n <= kNumbers; ++n) {
        state.selected[static_cast<std::size_t>(n - 1)] = (seen & (NumberSet{1} << (n - 1))) != 0;
    }
    rebuildNumbersInPlay(state);
    state.sistema.typeText = kImportedType;
    state.sistema.columnCount = static_cast<std::int32_t>(columns.size());
    state.developedMark = columns.empty() ? 0 : kDeveloped;
}

ColumnTextRead readColumnTextFile(const std::filesystem::path& path) {
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes, kColumnTextMaxSize)) {
        ColumnTextRead result;
        result.fileError = error;
        result.error = classicErrorOf(error, path);
        return result;
    }
    return parseColumnText(bytes);
}

} // namespace dvx
