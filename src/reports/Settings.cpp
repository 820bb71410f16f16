#include "Settings.h"
#include "ProgramPaths.h"

#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Platform.h"

#include <optional>

namespace dvx {

namespace {

// Reads one line ended by CR LF, CR, LF or the end of the text; nullopt at
// the end of the text, as reading past the end fails.
std::optional<std::string_view> nextLine(std::string_view text, std::size_t& at) {
    if (at >= text.size()) {
        return std::nullopt;
    }
    const auto end = text.find_first_of("\r\n", at);
    const auto line = text.substr(at, end == std::string_view::npos ? text.size() - at : end - at);
    at = end == std::string_view::npos ? text.size() : end + 1;
    if (end != std::string_view::npos && text[end] == '\r' && at < text.size() &&
        text[at] == '\n') {
        ++at;
    }
    return line;
}

std::string oneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

} // namespace

std::string settingsPath(std::string_view programFolder) {
    return ProgramPaths(programFolder).settingsFile();
}

bool ReadConfiguration(Settings& settings, std::string_view programFolder, Platform& platform) {
    constexpr std::string_view where = "ReadConfiguration of Modulo corpo";
    const auto path = settingsPath(programFolder);
    std::string text;
    if (const auto error = readWholeFile(path, text, kSettingsMaxSize)) {
        platform.message(errorMessage(classicErrorOf(error, path), where));
        return false;
    }
    if (parseSettingsText(text, settings) < 2) {
        platform.message(errorMessage(classicError(kErrInputPastEnd), where));
        return false;
    }
    return true;
}

int parseSettingsText(std::string_view text, Settings& settings) {
    std::size_t at = 0;
    int read = 0;
    for (auto* target : {&settings.intestazione, &settings.stampanteTabulato}) {
        const auto line = nextLine(text, at);
        if (!line) {
            break;
        }
        *target = cp1252ToUtf8(*line);
        ++read;
    }
    return read;
}

std::string settingsText(std::string_view header, std::string_view printer) {
    return utf8ToCp1252(oneLine(header)) + "\r\n" + utf8ToCp1252(oneLine(printer)) + "\r\n";
}

bool saveSettings(std::string_view programFolder, std::string_view header, std::string_view printer,
                  Platform& platform) {
    const auto path = settingsPath(programFolder);
    if (const auto error = replaceFile(path, settingsText(header, printer))) {
        platform.message(
            errorMessage(classicErrorOf(error, path), "cmdSalva_Click of Form frmImpostazioni"));
        return false;
    }
    return true;
}

} // namespace dvx
