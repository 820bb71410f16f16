#include "NewVersion.h"

#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Platform.h"
#include "TemporaryFolder.h"
#include "VersionCompare.h"

#include <filesystem>

namespace dvx {

std::string versionFilePath() {
    return temporaryFolder() + std::string(kVersionFileName);
}

std::optional<NewVersionOffer> NewVersion(std::string_view localVersion,
                                          const std::string& versionFile, Platform& platform) {
    std::string reply;
    // A version file is one short line; anything past 64 KiB is not one.
    if (const auto ec = readWholeFile(versionFile, reply, 64 * 1024)) {
        platform.message(
            errorMessage(classicErrorOf(ec, versionFile), "NewVersion of Modulo corpo"));
        return std::nullopt;
    }
    auto remote = firstLine(reply);
    switch (compareVersions(localVersion, remote)) {
    case VersionVerdict::ServerNewer:
        return NewVersionOffer{std::string(localVersion), std::move(remote)};
    case VersionVerdict::MissingPart:
        platform.message(missingPartMessage());
        return std::nullopt;
    case VersionVerdict::NotNewer:
        break;
    }
    std::error_code ignored;
    std::filesystem::remove(versionFile, ignored);
    return std::nullopt;
}

} // namespace dvx
