#include "store/program_folder.h"

#include <system_error>

#include "store/store_folders.h"

namespace vantor {

std::optional<std::string> enterProgramFolder(const std::filesystem::path& appFolder) {
    std::error_code error;
    std::filesystem::create_directories(appFolder, error);
    if (!error) std::filesystem::current_path(appFolder, error);
    if (error) return "プログラムフォルダ " + appFolder.string() + " を使えません。(" + error.message() + ")";
    return ensureStoreFolders(appFolder);
}

}  // namespace vantor
