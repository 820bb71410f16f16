#pragma once
// Texts are UTF-8 in memory and Windows-1252 on disk.

#include <string>
#include <string_view>

namespace dvx {

// Characters with no Windows-1252 code become '?'.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace dvx
