#pragma once
// The command line of vantor-jvbridge:
//   setup   --feed DIR --from yyyymmddhhnnss [--sid SID]
//   normal  --feed DIR --from yyyymmddhhnnss [--sid SID]
//   results --feed DIR --date yyyymmdd [--sid SID]
//   realtime --feed DIR --dataspec 0Bnn --key KEY [--sid SID]
//   settings [--sid SID]
//   check    [--sid SID]
// setup, normal, results, realtime and settings take --stream in place of --feed:
// JV-Link's answers then go to standard output as they happen (see
// jvlink/bridge_stream.h); check always streams.

#include <optional>
#include <string>
#include <vector>

namespace vantor::jvbridge {

extern const char* const kUsage;

struct BridgeCommand {
    enum class Kind { Setup, Normal, Results, Realtime, Settings, Check, Help };
    Kind kind = Kind::Help;
    std::string feed;  // UTF-8
    std::string from;
    std::string date;
    std::string dataspec;  // realtime: "0B" and two digits
    std::string key;       // realtime: a day yyyymmdd or a race key of 12 or 16 digits
    std::optional<std::string> sid;
    bool stream = false;
};

struct ParsedCommand {
    BridgeCommand command;
    std::string error;  // empty when the arguments were good
};

// args without the program name, as UTF-8.
ParsedCommand parseCommand(const std::vector<std::string>& args);

}  // namespace vantor::jvbridge
