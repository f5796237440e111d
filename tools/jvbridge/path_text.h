#pragma once
// Paths to and from UTF-8 text, the same on Linux and Windows (where a
// narrow path would otherwise be taken in the ANSI code page).

#include <filesystem>
#include <string>
#include <string_view>

namespace vantor::jvbridge {

inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace vantor::jvbridge
