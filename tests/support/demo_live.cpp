#include "support/demo_live.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "store/live_files.h"

namespace vantor::test {

std::string fileDemoLive(const std::filesystem::path& feed, const std::filesystem::path& appDir, SjisView day,
                         const std::string& until) {
    const std::map<std::string, LiveDataspec> dataspecs{{"0B11", LiveDataspec::weights},
                                                        {"0B14", LiveDataspec::dayChanges},
                                                        {"0B30", LiveDataspec::odds},
                                                        {"0B41", LiveDataspec::winOddsSeries}};
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    // The day's ASCII digits name its folder.
    for (const auto& entry : std::filesystem::directory_iterator(feed / "realtime" / day.bytes(), ec))
        files.push_back(entry.path());
    if (ec) return "no real-time folder for " + std::string(day.bytes());
    std::sort(files.begin(), files.end());
    LiveFiler filer(StorePaths(appDir), day);
    LiveSkips skips;
    for (const auto& file : files) {
        // <yyyymmddhhnnss>_<dataspec>_<key>.jvd
        const std::string name = file.filename().string();
        if (name.size() < 20 || name.compare(8, 4, until) > 0) continue;
        const auto dataspec = dataspecs.find(name.substr(15, 4));
        if (dataspec == dataspecs.end()) continue;
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<SjisView> records;
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find('\n', at);
            const std::size_t stop = end == std::string::npos ? bytes.size() : end + 1;
            records.push_back(sjisBytes(bytes).substr(at, stop - at));
            at = stop;
        }
        filer.add(dataspec->second, records, true, skips);
    }
    filer.write();
    return {};
}

}  // namespace vantor::test
