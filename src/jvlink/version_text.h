#pragma once
// The product version the version dialog shows and the JV-Link sid carries.

#include <string_view>

namespace vantor {

inline constexpr std::string_view kVersionText = "Version 1.40";

}  // namespace vantor
