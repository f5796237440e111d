#include "fileio/folder_lookup.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace vantor {
namespace {

// File names are UTF-8, whose multi-byte characters never contain ASCII bytes.
bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace

std::filesystem::path resolveFolder(const std::filesystem::path& base, std::string_view name) {
    const std::filesystem::path exact = base / name;
    std::error_code error;
    if (std::filesystem::is_directory(exact, error)) return exact;

    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
        const auto& path = it->path();
        std::error_code typeError;
        if (!sameIgnoringAsciiCase(path.filename().native(), name) || !it->is_directory(typeError)) continue;
        if (!found || path < *found) found = path;
    }
    return found.value_or(exact);
}

}  // namespace vantor
