#include "EvenOdd.h"

namespace dvx {

namespace {

std::string rightAligned(int value, std::size_t width) {
    auto text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

} // namespace

std::string evenOddText(int evens) {
    return rightAligned(evens, 3) + rightAligned(kColumnSize - evens, 8);
}

} // namespace dvx
