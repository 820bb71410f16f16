#include "ListingPrinting.h"

#include <algorithm>

namespace dvx {

std::string listingPrinterName(const std::vector<std::string>& installed,
                               std::string_view stampanteTabulato) {
    const auto found = std::find(installed.begin(), installed.end(), stampanteTabulato);
    return found == installed.end() || stampanteTabulato.empty() ? std::string() : *found;
}

} // namespace dvx
