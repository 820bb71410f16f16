#include "ProgramInfo.h"

namespace dvx {

std::string versionText(const ProgramVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

std::string mainWindowCaption(const ProgramVersion& version) {
    return std::string(kProgramTitle) + " - Ver. " + versionText(version) + " - " +
           std::string(kEdition);
}

std::string splashVersionText(const ProgramVersion& version) {
    return "Versione " + versionText(version);
}

} // namespace dvx
