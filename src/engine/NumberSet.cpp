#include "NumberSet.h"

#include "Format.h"

namespace dvx {

NumberSet setOfRow(const std::uint8_t* row, int size) {
    NumberSet set = 0;
    for (int i = 0; i < size; ++i) {
        if (row[i] >= 1 && row[i] <= kNumbers) {
            set |= maskOf(row[i]);
        }
    }
    return set;
}

int rowOfSet(NumberSet set, std::uint8_t* row) {
    int k = 0;
    for (int n = 1; n <= kNumbers; ++n) {
        if (contains(set, n)) {
            row[k++] = static_cast<std::uint8_t>(n);
        }
    }
    return k;
}

int longestRun(const std::uint8_t* column) {
    int run = 1;
    int longest = 1;
    for (int p = 0; p < kColumnSize - 1; ++p) {
        if (column[p] + 1 == column[p + 1]) {
            ++run;
            if (run >= longest) {
                longest = run;
            }
        } else {
            run = 1;
        }
    }
    return longest;
}

std::string bitListText(std::int32_t mask) {
    std::string text;
    for (int b = 0; b <= 20; ++b) {
        if ((mask >> b) & 1) {
            text += formatPicture(b, "0# ");
        }
    }
    return trim(text);
}

} // namespace dvx
