#pragma once
// Small draws and byte images shared by the archive tests.

#include "Archivio.h"
#include "Estrazione.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace dvx::test {

inline NumberSet setOf(std::initializer_list<int> numbers) {
    NumberSet set = 0;
    for (const int n : numbers) {
        set |= NumberSet{1} << (n - 1);
    }
    return set;
}

inline Estrazione draw(std::string_view data, std::string_view ora, std::int32_t concorso,
                       std::initializer_list<int> numbers, int numerone) {
    return Estrazione{fixedText(data, kDataLength), fixedText(ora, kOraLength), concorso,
                      setOf(numbers), static_cast<std::uint8_t>(numerone)};
}

inline Archivio archiveOf(std::initializer_list<Estrazione> draws) {
    Archivio archivio;
    archivio.resize(static_cast<int>(draws.size()));
    int i = 0;
    for (const auto& d : draws) {
        archivio[++i] = d;
    }
    return archivio;
}

// Little-endian byte images written out field by field.
inline void putText(std::string& out, std::string_view text) {
    out.append(text);
}
inline void putInt32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace dvx::test
