#pragma once
// The core speaks UTF-8 std::string; Qt speaks QString. One conversion each way.

#include <QString>

#include <string>
#include <string_view>

namespace dvx {

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string stdText(const QString& text) {
    return text.toStdString();
}

} // namespace dvx
