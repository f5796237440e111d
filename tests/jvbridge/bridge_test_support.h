#pragma once
// What the bridge tests share: a BridgeIo that keeps what the run said, and
// a reader that takes a feed folder through the Linux replacement.

#include <filesystem>
#include <string>
#include <vector>

#include "bridge_io.h"
#include "jvlink/feed_jvlink.h"

namespace vantor::test {

struct CapturedIo {
    std::vector<std::string> said;
    std::vector<std::string> complaints;
    int pauses = 0;
    std::string clock = "20240526170000";

    jvbridge::BridgeIo io() {
        return {[this](std::string_view t) { said.emplace_back(t); },
                [this](std::string_view t) { complaints.emplace_back(t); }, [](std::string_view) {},
                [this] { ++pauses; }, [this] { return clock; }};
    }
};

// What the replacement delivers from a feed folder: every record, with
// "-1" marking each change of file.
struct Delivery {
    int openResult = 0;
    std::string lastFileTimestamp;
    std::vector<std::string> records;
};

inline Delivery readDelivery(FeedJVLink& link) {
    Delivery d;
    std::string buff, name;
    int size = 6000;
    for (int r = link.JVRead(buff, size, name); r != 0; r = link.JVRead(buff, size, name)) {
        if (r < -1) {
            d.records.push_back("error " + std::to_string(r));
            break;
        }
        d.records.push_back(r > 0 ? buff : "-1");
    }
    link.JVClose();
    return d;
}

inline Delivery deliver(const std::filesystem::path& feed, int option, std::string_view from) {
    FeedJVLink link(FeedSettings{feed, 0, "0490"});
    link.JVInit("SA000000/SD000000/Vantor/Version 1.40");
    int reads = 0, downloads = 0;
    Delivery d;
    d.openResult = link.JVOpen("RACEDIFN", from, option, reads, downloads, d.lastFileTimestamp);
    if (d.openResult != 0) return d;
    Delivery read = readDelivery(link);
    read.lastFileTimestamp = d.lastFileTimestamp;
    return read;
}

inline Delivery deliverRealtime(const std::filesystem::path& feed, std::string_view dataspec, std::string_view key) {
    FeedJVLink link(FeedSettings{feed, 0, "0490"});
    link.JVInit("SA000000/SD000000/Vantor/Version 1.40");
    Delivery d;
    d.openResult = link.JVRTOpen(dataspec, key);
    if (d.openResult != 0) link.JVClose();
    return d.openResult == 0 ? readDelivery(link) : d;
}

// The names of a folder's entries, sorted; empty for a missing folder.
inline std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vantor::test
