#pragma once
// Shared by the fuzz targets: the input as bytes, its parts, and a check
// that stops the run with a message.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace vantor::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run (libFuzzer keeps the input) when an invariant is broken.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Splits bytes at every separator.
inline std::vector<std::string_view> split(std::string_view bytes, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = bytes.find(separator);
        parts.push_back(bytes.substr(0, at));
        if (at == std::string_view::npos) return parts;
        bytes.remove_prefix(at + separator.size());
    }
}

// Separates the files of a day-loading input: a byte string no store file holds.
inline constexpr std::string_view kFileBreak{"\0FILE\0", 6};
// Separates the answers of a live-records input, likewise.
inline constexpr std::string_view kAnswerBreak{"\0ANSWER\0", 8};

}  // namespace vantor::fuzz
