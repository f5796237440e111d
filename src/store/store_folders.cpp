#include "store/store_folders.h"

#include <system_error>

#include "fileio/folder_lookup.h"

namespace vantor {

std::optional<std::string> ensureStoreFolders(const std::filesystem::path& appFolder) {
    for (const auto name : kStoreFolderNames) {
        const auto folder = resolveFolder(appFolder, name);
        std::error_code error;
        if (std::filesystem::is_directory(folder, error)) continue;
        std::filesystem::create_directory(folder, error);
        if (error) return "フォルダを作成できません: " + folder.string() + " (" + error.message() + ")";
    }
    return std::nullopt;
}

}  // namespace vantor
