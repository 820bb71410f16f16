#include "AboutBox.h"

#include "ServerAddress.h"

#include <array>
#include <unistd.h>

namespace dvx {

namespace {

struct KnownTool {
    std::string_view program;
    std::vector<std::string> arguments;
};

// In order of preference: tools that show the whole system first.
const std::array<KnownTool, 6> kKnownTools = {{
    {"kinfocenter", {}},
    {"hardinfo2", {}},
    {"hardinfo", {}},
    {"gnome-control-center", {"info-overview"}},
    {"lshw-gtk", {}},
    {"mate-system-monitor", {}},
}};

std::vector<std::filesystem::path> foldersOf(std::string_view pathVariable) {
    std::vector<std::filesystem::path> folders;
    while (!pathVariable.empty()) {
        const auto colon = pathVariable.find(':');
        const auto folder = pathVariable.substr(0, colon);
        if (!folder.empty()) {
            folders.emplace_back(folder);
        }
        if (colon == std::string_view::npos) {
            break;
        }
        pathVariable.remove_prefix(colon + 1);
    }
    return folders;
}

} // namespace

AboutTexts aboutTexts(std::string_view programTitle, std::string_view versionText,
                      std::string_view edition, std::string_view serverAddress) {
    AboutTexts texts;
    texts.caption = "Informazioni su " + std::string(programTitle);
    texts.title = programTitle;
    texts.version = "Versione " + std::string(versionText);
    texts.description = "Versione " + std::string(edition);
    texts.url = serverUrl(serverAddress, "/");
    return texts;
}

std::optional<SystemInfoTool> findSystemInfoTool(std::string_view pathVariable,
                                                 const ExecutableCheck& isExecutable) {
    const auto folders = foldersOf(pathVariable);
    for (const auto& tool : kKnownTools) {
        for (const auto& folder : folders) {
            const auto candidate = folder / tool.program;
            if (isExecutable(candidate)) {
                return SystemInfoTool{candidate.string(), tool.arguments};
            }
        }
    }
    return std::nullopt;
}

std::optional<SystemInfoTool> findSystemInfoTool(std::string_view pathVariable) {
    return findSystemInfoTool(pathVariable, [](const std::filesystem::path& file) {
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
    });
}

} // namespace dvx
