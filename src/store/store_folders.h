#pragma once
// The store's folders under the program folder.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// In the order they are created.
inline constexpr std::array<std::string_view, 5> kStoreFolderNames = {"yLzh", "SEI", "SEIR", "UM2", "DATA"};

// Creates, in order, each store folder that does not exist under any letter
// case. Stops at the first folder that cannot be created and returns a
// message (UTF-8) naming it; nothing when all exist.
std::optional<std::string> ensureStoreFolders(const std::filesystem::path& appFolder);

// True when a store folder other than the odds archives' (yLzh) holds a
// file: the program folder has filed races, runners or horses.
bool storeHoldsData(const std::filesystem::path& appFolder);

}  // namespace vantor
