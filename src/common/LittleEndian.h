#pragma once
// Little-endian fields written and read one byte at a time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dvx {

// Positioned fields of fixed-layout records, over any byte container
// (std::string, std::string_view, std::array<std::uint8_t, N>). Bytes past
// the end read as 0, so a short record reads its missing fields as 0.
template <class Bytes>
std::uint32_t readLeAt(const Bytes& bytes, std::size_t at, std::size_t size) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < size && at + i < bytes.size(); ++i) {
        v |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    return v;
}

template <class Bytes>
void writeLeAt(Bytes& bytes, std::size_t at, std::uint32_t v, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<typename Bytes::value_type>(v >> (8 * i) & 0xFF);
    }
}

class ByteWriter final {
public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    void u8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void i16(std::int16_t v) { unsignedLe(static_cast<std::uint16_t>(v), 2); }
    void i32(std::int32_t v) { unsignedLe(static_cast<std::uint32_t>(v), 4); }
    void bytes(std::string_view v) { out_.append(v); }

private:
    void unsignedLe(std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) {
            out_.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
        }
    }
    std::string& out_;
};

// Reads fields off a byte string. A read past the end returns 0 and sets
// the sticky short() flag, so a reader can check once after a group of fields.
class ByteReader final {
public:
    explicit ByteReader(std::string_view in) : in_(in) {}

    std::uint8_t u8() { return static_cast<std::uint8_t>(unsignedLe(1)); }
    std::int16_t i16() { return static_cast<std::int16_t>(unsignedLe(2)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(unsignedLe(2)); }
    std::int32_t i32() { return static_cast<std::int32_t>(unsignedLe(4)); }
    std::string_view bytes(std::size_t n) {
        if (!has(n)) {
            pos_ = in_.size();
            short_ = true;
            return {};
        }
        const auto v = in_.substr(pos_, n);
        pos_ += n;
        return v;
    }

    bool has(std::size_t n) const { return in_.size() - pos_ >= n; }
    bool atEnd() const { return pos_ == in_.size(); }
    bool shortRead() const { return short_; }
    std::size_t remaining() const { return in_.size() - pos_; }

private:
    std::uint32_t unsignedLe(int size) {
        const auto field = bytes(static_cast<std::size_t>(size));
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < field.size(); ++i) {
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(field[i])) << (8 * i);
        }
        return v;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
    bool short_ = false;
};

} // namespace dvx
