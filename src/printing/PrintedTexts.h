#pragma once
// The product's name and web address as slips, coupon and listing print them.
// Change the address here and nowhere else.

#include <string_view>

namespace dvx {

inline constexpr std::string_view kWebAddress = "www.decaventrix.it";
inline constexpr std::string_view kProductName = "Decaventrix";
inline constexpr std::string_view kSlipProductText = "Decaventrix Classic";

} // namespace dvx
