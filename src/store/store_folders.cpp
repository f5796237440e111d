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

bool storeHoldsData(const std::filesystem::path& appFolder) {
    for (const auto name : kStoreFolderNames) {
        if (name == "yLzh") continue;
        std::error_code error;
        for (std::filesystem::recursive_directory_iterator it(resolveFolder(appFolder, name), error), end;
             !error && it != end; it.increment(error))
            if (it->is_regular_file(error)) return true;
    }
    return false;
}

}  // namespace vantor
