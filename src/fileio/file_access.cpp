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
};

}  // namespace

FileAccess& diskFiles() {
    static DiskFiles files;
    return files;
}

}  // namespace vantor
