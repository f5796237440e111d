#include "fileio/file_access.h"

#include <system_error>

namespace vantor {
namespace {

class DiskFiles final : public FileAccess {
public:
    FileContent readPart(const std::filesystem::path& path, const ReadBound& bound) override {
        return readFilePart(path, bound);
    }
    bool replace(const std::filesystem::path& path, std::string_view content, Durability durability) override {
        return replaceWholeFile(path, content, durability);
    }
    bool makeFolders(const std::filesystem::path& folder) override {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        return !error && std::filesystem::is_directory(folder, error);
    }
    int removeLeftTemporaries(const std::filesystem::path& folder) override {
        return vantor::removeLeftTemporaries(folder);
    }
    std::vector<std::string> fileNames(const std::filesystem::path& folder) override {
        std::vector<std::string> names;
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (!it->is_directory(typeError)) names.push_back(it->path().filename().native());
        }
        return names;
    }
    bool remove(const std::filesystem::path& file) override {
        std::error_code error;
        if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::directory) return false;
        std::filesystem::remove(file, error);
        return !error;
    }
};

}  // namespace

FileAccess& diskFiles() {
    static DiskFiles files;
    return files;
}

}  // namespace vantor
