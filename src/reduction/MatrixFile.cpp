#include "MatrixFile.h"

#include "FileReplace.h"

namespace dvx {

namespace {

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks the items of a matrix text one at a time.
class ItemReader final {
public:
    explicit ItemReader(std::string_view text) : text_(text) {}

    // The next item, or empty at the end of the text.
    std::string_view next() {
        while (at_ < text_.size() && isSeparator(text_[at_])) {
            ++at_;
        }
        const auto start = at_;
        while (at_ < text_.size() && !isSeparator(text_[at_])) {
            ++at_;
        }
        return text_.substr(start, at_ - start);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// A position 1..numbers written as plain digits; 0 otherwise.
int positionOf(std::string_view item, int numbers) {
    if (item.empty() || item.size() > 3) {
        return 0;
    }
    int value = 0;
    for (char c : item) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return value <= numbers ? value : 0;
}

} // namespace

MatrixFileContent parseMatrixText(std::string_view text, std::int32_t columns, int numbers) {
    ItemReader items(text);
    if (items.next() != kMatrixSignature) {
        return {MatrixFileStatus::BadSignature, {}};
    }
    if (columns > kColumnCapacity) {
        return {MatrixFileStatus::TooManyColumns, {}};
    }
    if (columns < 0) {
        return {MatrixFileStatus::Damaged, {}};
    }
    MatrixFileContent content;
    const auto total = static_cast<std::size_t>(columns) * kColumnSize;
    content.positions.reserve(total);
    std::uint32_t inColumn = 0; // positions seen in the current column
    for (std::size_t i = 0; i < total; ++i) {
        if (i % kColumnSize == 0) {
            inColumn = 0;
        }
        const int p = positionOf(items.next(), numbers);
        // A position twice in a column would give a column of fewer than
        // ten numbers, which no system file may hold.
        if (p == 0 || (inColumn & (1u << p)) != 0) {
            return {MatrixFileStatus::Damaged, {}};
        }
        inColumn |= 1u << p;
        content.positions.push_back(static_cast<std::uint8_t>(p));
    }
    return content;
}

MatrixFileContent readMatrixFile(const std::string& path, std::int32_t columns, int numbers) {
    std::string text;
    if (const auto error = readWholeFile(path, text, kMatrixFileMaxSize)) {
        return {error == fileTooLarge() ? MatrixFileStatus::Damaged : MatrixFileStatus::Missing,
                {}};
    }
    return parseMatrixText(text, columns, numbers);
}

std::string formatMatrixText(const std::vector<std::uint8_t>& positions) {
    std::string text(kMatrixSignature);
    text += "\r\n";
    for (std::size_t i = 0; i < positions.size(); ++i) {
        text += std::to_string(positions[i]);
        text += (i + 1) % kColumnSize == 0 || i + 1 == positions.size() ? "\r\n" : ",";
    }
    return text;
}

} // namespace dvx
