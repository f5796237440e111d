#include "store/program_folder.h"

#include <system_error>

#include "fileio/whole_file.h"
#include "store/store_folders.h"

namespace vantor {
namespace {

std::optional<std::string> makeReady(const std::filesystem::path& appFolder, bool enter) {
    std::error_code error;
    std::filesystem::create_directories(appFolder, error);
    if (!error && enter) std::filesystem::current_path(appFolder, error);
    if (error) return "プログラムフォルダ " + appFolder.string() + " を使えません。(" + error.message() + ")";
    // A settings write that was killed leaves its temporary file here.
    removeLeftTemporaries(appFolder);
    return ensureStoreFolders(appFolder);
}

}  // namespace

std::optional<std::string> enterProgramFolder(const std::filesystem::path& appFolder) {
    return makeReady(appFolder, true);
}

std::optional<std::string> prepareProgramFolder(const std::filesystem::path& appFolder) {
    return makeReady(appFolder, false);
}

}  // namespace vantor
