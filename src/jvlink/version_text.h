#pragma once
// The product version: the version dialog shows it, the JV-Link sid carries
// it, and --version prints the number.

#include <string_view>

namespace vantor {

inline constexpr std::string_view kVersionNumber = "1.40";
inline constexpr std::string_view kVersionText = "Version 1.40";
static_assert(kVersionText.ends_with(kVersionNumber));

}  // namespace vantor
