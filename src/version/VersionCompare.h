#pragma once
// Deciding whether the server offers a newer program version.

#include <string>
#include <string_view>

namespace dvx {

enum class VersionVerdict {
    ServerNewer, // the first differing part is larger on the server
    NotNewer,    // all parts equal, or the local version is the newer
    MissingPart, // the server's text ends before a part that decides
};

// Compares the dot-separated parts of the local version ("1.2.3") with those
// of the server's, from the first on, up to the local text's part count; the
// first differing part decides. A part's value is that of its leading decimal
// digits (0 when it has none); extra server parts are ignored.
VersionVerdict compareVersions(std::string_view local, std::string_view server);

// The server's version text: the first line of its reply.
std::string firstLine(std::string_view reply);

// The message of a failed comparison (a missing part): "Error 9 (Subscript out
// of range) in procedure NewVersion of Modulo corpo".
std::string missingPartMessage();

} // namespace dvx
