#pragma once
// Shared by the fuzz targets: the input as bytes, a private folder per
// process, and a check that stops the run with a message.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A fresh folder under the system temporary folder for this process,
// removed when the run ends normally, for a target that works on real
// files; it checks that nothing lands beside its own part of it.
inline const std::filesystem::path& workFolder() {
    struct Folder {
        Folder() {
            std::string name = (std::filesystem::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
            if (!::mkdtemp(name.data())) std::abort();
            path = name;
        }
        ~Folder() {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
        std::filesystem::path path;
    };
    static const Folder folder;
    return folder.path;
}

// Stops the run (libFuzzer keeps the input) when an invariant is broken.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The file names directly in folder.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
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
