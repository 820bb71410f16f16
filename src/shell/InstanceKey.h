#pragma once
// The name under which a running program answers a second start. One name
// per user and program folder, so copies kept in different folders, whose
// data files differ, run side by side.

#include <string>
#include <string_view>

namespace dvx {

std::string instanceKey(std::string_view programFolder, std::string_view userName);

// What a second start sends to the first, and what the first answers once
// its main window is in front.
inline constexpr std::string_view kRaiseRequest = "raise\n";
inline constexpr std::string_view kRaisedReply = "raised\n";

} // namespace dvx
