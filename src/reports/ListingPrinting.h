#pragma once
// Which printer the listing goes to.

#include <string>
#include <string_view>
#include <vector>

namespace dvx {

// The settings' listing printer when it is installed; otherwise empty, the
// system's default printer.
std::string listingPrinterName(const std::vector<std::string>& installed,
                               std::string_view stampanteTabulato);

// The copies scroll bar.
inline constexpr int kListingCopiesMin = 1;
inline constexpr int kListingCopiesMax = 20;

} // namespace dvx
