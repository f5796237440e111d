#pragma once
// "setup" and "normal": one JVOpen of the data set JV-Link delivers, its
// download and its read, written into <feed>/setup or <feed>/normal as one
// feed file per delivered file (see feed_file_naming.h).
//
// The folder changes only when the whole run succeeded: a JV-Link error, a
// write error or an interruption leaves it as it was, so running the same
// command again converges.

#include <filesystem>
#include <string>

#include "bridge_io.h"
#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

struct AcquisitionRequest {
    std::filesystem::path feedDir;
    std::string fromTime;  // "yyyymmddhhnnss"
    bool setup = false;    // set-up data (option 3) rather than normal data (option 1)
    std::string sid;
};

// 0 when the files were written or nothing newer was there; 1 on any error,
// reported through io.
int runAcquisition(JVLink& link, const AcquisitionRequest& request, const BridgeIo& io);

}  // namespace vantor::jvbridge
