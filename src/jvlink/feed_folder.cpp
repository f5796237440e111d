#include "jvlink/feed_folder.h"

#include <algorithm>

#include "text/sjis.h"

namespace vantor {
namespace fs = std::filesystem;

std::vector<FeedFile> listFeedFiles(const fs::path& folder, std::vector<FeedFile>* unusable, FeedStorage& storage) {
    std::vector<FeedFile> files;
    std::vector<FeedStorage::Entry> entries;
    storage.list(folder, entries);
    for (FeedStorage::Entry& entry : entries) {
        std::string& name = entry.name;
        if (name.size() < 19 || name[14] != '_' || !name.ends_with(".jvd")) continue;
        std::string stamp = name.substr(0, 14);
        if (!isValidTimeStamp(stamp)) continue;
        FeedFile file{folder / name, std::move(name), std::move(stamp)};
        if (entry.plainFile)
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
    FeedStorage& storage = diskFeedStorage();
    if (!listFeedFiles(feedDir / feed::kSetupDir, nullptr, storage).empty() ||
        !listFeedFiles(feedDir / feed::kNormalDir, nullptr, storage).empty())
        return false;
    const fs::path realtime = feedDir / feed::kRealtimeDir;
    std::vector<FeedStorage::Entry> days;
    storage.list(realtime, days);
    for (const FeedStorage::Entry& day : days)
        if (!listFeedFiles(realtime / day.name, nullptr, storage).empty()) return false;
    return true;
}

std::optional<RealtimeKey> parseRealtimeKey(std::string_view key) {
    if ((key.size() != 8 && key.size() != 12 && key.size() != 16) || !isAllDigits(key) ||
        !isValidDate(key.substr(0, 8)))
        return std::nullopt;
    if (key.size() == 8) return RealtimeKey{std::string(key), {}, {}};
    const std::string_view race = key.substr(key.size() - 2);
    if (race == "00") return std::nullopt;
    return RealtimeKey{std::string(key.substr(0, 8)), std::string(key.substr(8, 2)), std::string(race)};
}

bool isRealtimeDataspecName(std::string_view dataspec) {
    return dataspec.size() == 4 && dataspec.starts_with("0B") && isAllDigits(dataspec.substr(2));
}

RealtimeFileName realtimeFileName(const FeedFile& file, std::string_view day) {
    // The name after "<stamp>_", without ".jvd".
    const std::string_view rest = std::string_view(file.name).substr(15, file.name.size() - 19);
    const std::string_view dataspec = rest.substr(0, 4);
    const bool namesDataspec = isRealtimeDataspecName(dataspec) && (rest.size() == 4 || rest[4] == '_');
    if (!namesDataspec) return {"0B12", parseRealtimeKey(day)};
    return {std::string(dataspec), parseRealtimeKey(rest.size() == 4 ? day : rest.substr(5))};
}

std::vector<std::string_view> splitRecords(std::string_view content) {
    std::vector<std::string_view> lines;
    splitRecords(content, lines);
    return lines;
}

void splitRecords(std::string_view content, std::vector<std::string_view>& lines) {
    lines.clear();
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
}

}  // namespace vantor
