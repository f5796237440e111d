#pragma once
// What start-up says to JV-Link and about it: the software id JVInit gets,
// the JVInit error text and the warning for a JV-Link older than the
// program needs. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The oldest JV-Link version the program works with.
inline constexpr std::string_view kRequiredJVLinkVersion = "0490";

// "SA######/SD######/Vantor/" followed by the version text.
std::string jvLinkSid();

// Characters 2, 3 and 4 of a four-digit version joined by dots: "0490"
// gives "4.9.0". Missing characters stay empty.
std::string displayVersion(std::string_view version);

// The warning for a version that sorts below the required one byte by
// byte; nothing for the required version or a newer one.
std::optional<std::string> jvLinkVersionWarning(std::string_view version);

// "JVInitエラー：" followed by the result message of code.
std::string jvInitErrorText(int code);

}  // namespace vantor
