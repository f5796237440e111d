#include "jvlink/feed_file_read.h"
#include "jvlink/feed_storage.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

class DiskFeedStorage final : public FeedStorage {
public:
    bool list(const fs::path& folder, std::vector<Entry>& entries) override {
        entries.clear();
        std::error_code ec;
        fs::directory_iterator it(folder, ec);
        if (ec) return false;
        for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
            // Links are followed: one that leads nowhere is no plain file.
            std::error_code statusError;
            entries.push_back({it->path().filename().string(), it->is_regular_file(statusError)});
        }
        return true;
    }

    std::optional<FileStamp> stampOf(const fs::path& path) override {
        std::error_code ec1, ec2, ec3;
        if (!fs::is_regular_file(path, ec1)) return std::nullopt;
        FileStamp stamp{fs::file_size(path, ec2), fs::last_write_time(path, ec3)};
        if (ec1 || ec2 || ec3) return std::nullopt;
        return stamp;
    }

    bool heldByOther(const fs::path& path) override {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        return fs::exists(status) && !fs::is_regular_file(status);
    }

    std::optional<fs::file_time_type> folderModified(const fs::path& folder) override {
        std::error_code ec;
        const fs::file_time_type modified = fs::last_write_time(folder, ec);
        if (ec) return std::nullopt;
        return modified;
    }

    bool read(const fs::path& path, std::string& out) override { return readFeedFile(path, out); }

    // Copies through a temporary name so that an interrupted copy never
    // looks like a finished one. What holds the temporary name is removed,
    // not written through: a link there would lead the copy outside the
    // folder, and the copy itself only creates a new file.
    bool copyWithTime(const fs::path& source, const fs::path& target) override {
        std::error_code ec;
        if (!fs::is_regular_file(source, ec)) return false;
        fs::create_directories(target.parent_path(), ec);
        const fs::path temp = target.string() + ".part";
        fs::remove(temp, ec);
        fs::copy_file(source, temp, fs::copy_options::none, ec);
        const fs::file_time_type modified = ec ? fs::file_time_type{} : fs::last_write_time(source, ec);
        if (!ec) fs::last_write_time(temp, modified, ec);
        if (!ec) fs::rename(temp, target, ec);
        if (ec) fs::remove(temp, ec);
        return !ec;
    }
};

}  // namespace

FeedStorage& diskFeedStorage() {
    static DiskFeedStorage disk;
    return disk;
}

}  // namespace vantor
