#include "jvlink/feed_folder.h"

#include <algorithm>

#include "text/sjis.h"

namespace vantor {
namespace fs = std::filesystem;

bool isValidDate(std::string_view date) {
    if (date.size() != 8 || !isAllDigits(date)) return false;
    const int month = lenientInt(date.substr(4, 2));
    const int day = lenientInt(date.substr(6, 2));
    return lenientInt(date.substr(0, 4)) >= 1900 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool isValidTimeStamp(std::string_view stamp) {
    if (stamp.size() != 14 || !isAllDigits(stamp) || !isValidDate(stamp.substr(0, 8))) return false;
    return lenientInt(stamp.substr(8, 2)) <= 23 && lenientInt(stamp.substr(10, 2)) <= 59 &&
           lenientInt(stamp.substr(12, 2)) <= 59;
}

std::vector<FeedFile> listFeedFiles(const fs::path& folder, std::vector<FeedFile>* unusable) {
    std::vector<FeedFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() < 19 || name[14] != '_' || !name.ends_with(".jvd")) continue;
        std::string stamp = name.substr(0, 14);
        if (!isValidTimeStamp(stamp)) continue;
        // Links are followed: one that leads nowhere fails like a folder.
        std::error_code statusError;
        FeedFile file{it->path(), std::move(name), std::move(stamp)};
        if (it->is_regular_file(statusError))
            files.push_back(std::move(file));
        else if (unusable)
            unusable->push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const FeedFile& a, const FeedFile& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.name < b.name;
    });
    return files;
}

bool feedIsEmpty(const fs::path& feedDir) {
    if (!listFeedFiles(feedDir / feed::kSetupDir).empty() || !listFeedFiles(feedDir / feed::kNormalDir).empty())
        return false;
    std::error_code ec;
    for (fs::directory_iterator it(feedDir / feed::kRealtimeDir, ec), end; !ec && it != end; it.increment(ec))
        if (!listFeedFiles(it->path()).empty()) return false;
    return true;
}

std::vector<std::string_view> splitRecords(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

}  // namespace vantor
