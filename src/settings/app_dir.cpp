#include "settings/app_dir.h"

#include <unistd.h>

#include <mutex>
#include <optional>
#include <system_error>

#include "settings/user_dirs.h"

namespace vantor {
namespace {

std::mutex appDirMutex;
std::optional<std::filesystem::path> chosenAppDir;

std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    return normal;
}

}  // namespace

std::filesystem::path executablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : path;
}

std::filesystem::path chooseAppDir(const std::filesystem::path& exeFolder, const std::filesystem::path& dataFolder) {
    std::error_code error;
    if (!exeFolder.empty() && std::filesystem::is_directory(exeFolder, error) &&
        ::access(exeFolder.c_str(), W_OK | X_OK) == 0)
        return exeFolder;
    std::filesystem::create_directories(dataFolder, error);
    return dataFolder;
}

std::filesystem::path appDir() {
    const std::lock_guard lock(appDirMutex);
    if (!chosenAppDir) chosenAppDir = chooseAppDir(executablePath().parent_path(), userDataFolder());
    return *chosenAppDir;
}

void setAppDir(const std::filesystem::path& folder) {
    const std::lock_guard lock(appDirMutex);
    if (folder.empty()) {
        chosenAppDir.reset();
        return;
    }
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error);
    chosenAppDir = withoutTrailingSeparator(error ? folder : absolute);
}

}  // namespace vantor
