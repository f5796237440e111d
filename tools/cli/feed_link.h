#pragma once
// The JV-Link a command reads from, checked before any JV-Link call:
// JV-Link under Wine when --wine-prefix is given or the settings choose
// it; else the feed folder the user named with --feed, else the program's
// own feed (made with the demo season on first use).

#include <memory>
#include <variant>

#include "commands.h"
#include "jvlink/jvlink.h"
#include "jvlink_setup/jvlink_factory.h"

namespace vantor {
class TIniGT;
}

namespace vantor::cli {

struct OpenedLink {
    std::unique_ptr<JVLink> link;
    int timeLimit = 0;  // of a bridge call, in seconds (readTimeLimit)
};

// The link with its time limit, or the exit status after the reason was
// printed: 1 when the source cannot be used, 2 when options clash, the
// feed's fault plan cannot be read or --timeout is no time limit.
std::variant<OpenedLink, int> openJVLink(const Context& ctx, TIniGT& ini, const FeedProgress& progress = {});

// JVInit with the program's software id, and the warning for an old
// JV-Link; false, said on standard error, when JV-Link is not ready.
bool initialiseLink(JVLink& link);

}  // namespace vantor::cli
