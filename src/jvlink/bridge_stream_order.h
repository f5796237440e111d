#pragma once
// The order of the bridge's messages within one run, checked as they
// arrive. A run greets, gives JVInit's result and JV-Link's version, then
// makes one call: an open, a results open or the settings dialog. Records,
// file ends and the read's end come only while JV-Link may be read (once
// the download the open announced has ended), each file's records between
// file ends (none of which is empty), never more files than the open
// announced; the run's
// close ends it. What comes out of this order is refused: a stream that
// claims files it never sent cannot pass for a whole read, and nothing can
// pile up that no call is waiting for.

#include <optional>
#include <string>

#include "jvlink/bridge_stream.h"

namespace vantor::bridge_stream {

class Order {
public:
    // Why event cannot come now (UTF-8); nothing when it may.
    std::optional<std::string> take(const Event& event);

private:
    enum class Phase { greeting, init, version, call, downloading, reading, closing, ended };

    std::optional<std::string> takeRecord(const Event& record);
    std::string outOfOrder(Event::Kind kind) const;

    Phase phase_ = Phase::greeting;
    bool counted_ = false;  // the open announced how many files it reads
    int reads_ = 0;
    int downloads_ = 0;
    int fileEnds_ = 0;
    std::string file_;            // the file of the latest record
    bool recordsInFile_ = false;  // a record came since the latest file end
};

}  // namespace vantor::bridge_stream
