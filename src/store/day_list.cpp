#include "store/day_list.h"

#include <algorithm>
#include <filesystem>

namespace vantor {
namespace {

bool hasRaceDayExtension(const std::string& name) {
    constexpr std::string_view ext = ".jvra";
    if (name.size() < ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), name.end() - static_cast<std::ptrdiff_t>(ext.size()),
                      [](char e, char c) { return e == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

// The first n UTF-8 characters of text.
std::string firstCharacters(const std::string& text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < n; ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(0, i);
}

}  // namespace

std::vector<std::string> listRaceDays(const StorePaths& paths) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(paths.dataDir(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (hasRaceDayExtension(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> days;
    days.reserve(names.size());
    for (auto it = names.rbegin(); it != names.rend(); ++it) days.push_back(firstCharacters(*it, 11));
    return days;
}

}  // namespace vantor
