#pragma once
// The about box's texts, and the desktop tool its "System Info" button
// starts.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr std::string_view kNoSystemInfoText =
    "Le informazioni sul sistema non sono disponibili in questa fase";
inline constexpr std::string_view kAboutOkCaption = "OK";
inline constexpr std::string_view kSystemInfoCaption = "&Info di Sistema...";

struct AboutTexts {
    std::string caption;     // "Informazioni su Decaventrix"
    std::string title;       // "Decaventrix"
    std::string version;     // "Versione 1.0.0"
    std::string description; // "Versione Freeware"
    std::string url;         // the vendor's web page
};

AboutTexts aboutTexts(std::string_view programTitle, std::string_view versionText,
                      std::string_view edition, std::string_view serverAddress);

struct SystemInfoTool {
    std::string program; // full path
    std::vector<std::string> arguments;
    friend bool operator==(const SystemInfoTool&, const SystemInfoTool&) = default;
};

using ExecutableCheck = std::function<bool(const std::filesystem::path&)>;

// The first of the desktops' system-information tools (KDE's, GNOME's,
// HardInfo, ...) found in the folders of pathVariable (':'-separated);
// nullopt when none is installed.
std::optional<SystemInfoTool> findSystemInfoTool(std::string_view pathVariable,
                                                 const ExecutableCheck& isExecutable);
// Looks at the files themselves: regular files the user may run.
std::optional<SystemInfoTool> findSystemInfoTool(std::string_view pathVariable);

} // namespace dvx
