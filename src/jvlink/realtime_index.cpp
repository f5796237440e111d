#include "jvlink/realtime_index.h"

#include <algorithm>
#include <tuple>

namespace vantor {

RealtimeIndex::RealtimeIndex(std::vector<FeedFile> dayFiles, std::string_view day) : files_(std::move(dayFiles)) {
    entries_.reserve(files_.size());
    for (std::size_t i = 0; i < files_.size(); ++i) {
        RealtimeFileName named = realtimeFileName(files_[i], day);
        if (named.key) entries_.push_back({std::move(named.dataspec), std::move(*named.key), std::uint32_t(i)});
    }
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.dataspec, a.key.day, a.key.course, a.key.race, a.order) <
               std::tie(b.dataspec, b.key.day, b.key.course, b.key.race, b.order);
    });
}

std::vector<const FeedFile*> RealtimeIndex::delivery(std::string_view dataspec, const RealtimeKey& key,
                                                     std::string_view now, bool snapshot) const {
    // The open's entries lie side by side: its dataspec and day, then for a
    // race key its racecourse and race (a day key takes every race of the day).
    const auto before = [&](const Entry& e) {
        if (e.dataspec != dataspec) return e.dataspec < dataspec;
        if (e.key.day != key.day || key.isDay()) return e.key.day < key.day;
        return std::tie(e.key.course, e.key.race) < std::tie(key.course, key.race);
    };
    const auto opened = [&](const Entry& e) {
        return e.dataspec == dataspec && e.key.day == key.day &&
               (key.isDay() || (e.key.course == key.course && e.key.race == key.race));
    };
    const auto announced = [&](const Entry& e) { return files_[e.order].stamp <= now; };
    std::vector<const FeedFile*> delivered;
    for (auto it = std::partition_point(entries_.begin(), entries_.end(), before); it != entries_.end() && opened(*it);
         ++it) {
        if (!announced(*it)) continue;
        // A key's entries are in stamp order: a snapshot is superseded by the next one announced.
        const auto next = it + 1;
        if (snapshot && next != entries_.end() && next->dataspec == it->dataspec && next->key == it->key &&
            announced(*next))
            continue;
        delivered.push_back(&files_[it->order]);
    }
    // files_ is in stamp order, and so are the addresses of its files.
    std::sort(delivered.begin(), delivered.end());
    return delivered;
}

}  // namespace vantor
