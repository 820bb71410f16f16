#pragma once
// Builds file images byte by byte, so the tests state exactly the bytes
// the formats promise.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace dvx::test {

class Bytes final {
public:
    Bytes& u8(unsigned v) {
        s_.push_back(static_cast<char>(v & 0xFF));
        return *this;
    }
    Bytes& u8s(std::initializer_list<unsigned> values) {
        for (const auto v : values) {
            u8(v);
        }
        return *this;
    }
    Bytes& i16(int v) {
        const auto u = static_cast<std::uint16_t>(v);
        return u8(u & 0xFF).u8(u >> 8);
    }
    Bytes& i32(std::int64_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return u8(u & 0xFF).u8(u >> 8 & 0xFF).u8(u >> 16 & 0xFF).u8(u >> 24);
    }
    Bytes& text(std::string_view t) {
        s_.append(t);
        return *this;
    }
    Bytes& zeros(std::size_t n) {
        s_.append(n, '\0');
        return *this;
    }
    const std::string& str() const { return s_; }

private:
    std::string s_;
};

} // namespace dvx::test

#include <array>
#include <optional>
#include <vector>

namespace dvx::test {

// A system file image with every part editable; by default a valid
// "dvx00000003" file of numbers 1..12 with two columns and no section.
struct SystemImage {
    std::string tag = "dvx00000003";
    unsigned count = 12;
    std::array<unsigned, 20> slots{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::string type = "Integrale";
    std::string block = std::string(45, '\0');
    std::vector<std::array<unsigned, 10>> columns{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                                  {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
    std::optional<std::int64_t> columnCount; // the field; columns.size() when unset
    std::string tail;                        // the bytes after the columns
    std::size_t keep = std::string::npos;    // cut the image after this many bytes

    std::string bytes() const {
        Bytes b;
        b.text(tag).u8(count).i32(columnCount.value_or(static_cast<std::int64_t>(columns.size())));
        b.i16(static_cast<int>(type.size())).text(type);
        for (const auto s : slots) {
            b.u8(s);
        }
        b.text(block);
        for (const auto& c : columns) {
            for (const auto n : c) {
                b.u8(n);
            }
        }
        return b.text(tail).str().substr(0, keep);
    }
};

} // namespace dvx::test
