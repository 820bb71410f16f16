#pragma once
// The program's name, version and edition as its windows show them.

#include "VersionNumbers.h"

#include <string>
#include <string_view>

namespace dvx {

inline constexpr std::string_view kProgramTitle = "Decaventrix";
inline constexpr std::string_view kEdition = "Freeware";
inline constexpr std::string_view kCompany = "by Quorvel";

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
inline constexpr ProgramVersion kProgramVersion{kVersionMajor, kVersionMinor, kVersionRevision};

// "1.0.0"
std::string versionText(const ProgramVersion& version = kProgramVersion);
// "Decaventrix - Ver. 1.0.0 - Freeware"
std::string mainWindowCaption(const ProgramVersion& version = kProgramVersion);
// "Versione 1.0.0"
std::string splashVersionText(const ProgramVersion& version = kProgramVersion);

} // namespace dvx
