#include "Ritardi.h"

#include "Format.h"

#include <algorithm>

namespace dvx {

Ritardi ritardiOf(const Archivio& archivio) {
    Ritardi r;
    for (int i = 1; i <= archivio.upperBound(); ++i) {
        const Estrazione& draw = archivio[i];
        if (!holdsValidDraw(draw)) {
            continue;
        }
        ++r.draws;
        for (int n = 1; n <= kNumbers; ++n) {
            auto& current = r.current[static_cast<std::size_t>(n)];
            if ((draw.numeri >> (n - 1)) & 1) {
                current = 0;
            } else {
                ++current;
                auto& longest = r.longest[static_cast<std::size_t>(n)];
                longest = std::max(longest, current);
            }
        }
    }
    return r;
}

std::string ritardoLabel(int number, std::int32_t current, std::int32_t longest) {
    return formatPicture(number, "00") + " --> " + formatPicture(current, "     0") + " /" +
           formatPicture(longest, "     0");
}

std::vector<std::string> ritardiLabels(const Ritardi& ritardi) {
    std::vector<std::string> labels;
    for (int n = 1; n <= kNumbers; ++n) {
        labels.push_back(ritardoLabel(n, ritardi.current[static_cast<std::size_t>(n)],
                                      ritardi.longest[static_cast<std::size_t>(n)]));
    }
    return labels;
}

} // namespace dvx
