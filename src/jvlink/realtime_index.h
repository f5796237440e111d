#pragma once
// The files of one day's real-time folder by what their names say: each
// name is read once, when the index is made, so that each of a day's opens
// (some seventy for a full fetch, of a folder of a file per announcement)
// finds its few files without reading every name again.

#include <cstdint>
#include <string_view>
#include <vector>

#include "jvlink/feed_folder.h"

namespace vantor {

class RealtimeIndex {
public:
    RealtimeIndex() = default;
    // dayFiles: the folder's files as listFeedFiles gives them; day: the
    // folder's "yyyymmdd", the key of a name that names none.
    RealtimeIndex(std::vector<FeedFile> dayFiles, std::string_view day);

    // The files an open of dataspec with key delivers when the clock says
    // `now` ("yyyymmddhhnnss"): files of that dataspec stamped at or before
    // now, whose key is the open's race or, for a day key, the day or any
    // race of it; of a snapshot dataspec only the newest file of each key,
    // so that what a later answer no longer holds is gone. In stamp order,
    // as the listing has them; valid while the index is.
    std::vector<const FeedFile*> delivery(std::string_view dataspec, const RealtimeKey& key, std::string_view now,
                                          bool snapshot) const;

private:
    struct Entry {
        std::string dataspec;
        RealtimeKey key;
        std::uint32_t order;  // the file's place in files_
    };

    std::vector<FeedFile> files_;  // in stamp order
    std::vector<Entry> entries_;   // by dataspec, key and stamp order; files no open delivers left out
};

}  // namespace vantor
