#include "bridge_command.h"

#include <array>
#include <string_view>

#include "jvlink/feed_folder.h"

namespace vantor::jvbridge {
namespace {

using Kind = BridgeCommand::Kind;

struct CommandForm {
    std::string_view name;
    Kind kind;
    bool needsFeed;
    std::string_view startOption;  // "--from", "--date", "--dataspec" (with "--key") or none
};

constexpr std::array kForms = {
    CommandForm{"setup", Kind::Setup, true, "--from"},     CommandForm{"normal", Kind::Normal, true, "--from"},
    CommandForm{"results", Kind::Results, true, "--date"}, CommandForm{"realtime", Kind::Realtime, true, "--dataspec"},
    CommandForm{"settings", Kind::Settings, false, ""},    CommandForm{"check", Kind::Check, false, ""},
};

}  // namespace

const char* const kUsage =
    "usage: vantor-jvbridge setup   --feed DIR --from yyyymmddhhnnss [--sid SID]\n"
    "       vantor-jvbridge normal  --feed DIR --from yyyymmddhhnnss [--sid SID]\n"
    "       vantor-jvbridge results --feed DIR --date yyyymmdd [--sid SID]\n"
    "       vantor-jvbridge realtime --feed DIR --dataspec 0Bnn --key KEY [--sid SID]\n"
    "       vantor-jvbridge settings [--sid SID]\n"
    "       vantor-jvbridge check [--sid SID]\n"
    "  setup, normal  JV-Link's set-up or normal data from the time on, into DIR/setup or DIR/normal\n"
    "  results        the race day's results, into DIR/realtime/yyyymmdd\n"
    "  realtime       JV-Link's real-time data of a dataspec and key (a day yyyymmdd or a race\n"
    "                 yyyymmddJJKKHHRR or yyyymmddJJRR), into DIR/realtime/yyyymmdd\n"
    "  settings       JV-Link's settings dialog (service key, save folder)\n"
    "  check          JVInit and JV-Link's version, in stream form\n"
    "  --stream       in place of --feed: JV-Link's answers and records on standard output,\n"
    "                 for Vantor (cancel with \"cancel\" or the end of standard input)\n"
    "  --sid SID      the software id given to JVInit (default Vantor's own)\n";

ParsedCommand parseCommand(const std::vector<std::string>& args) {
    ParsedCommand parsed;
    const auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    if (args.empty()) return fail("a command is needed");
    if (args[0] == "--help" || args[0] == "-h") return parsed;

    const CommandForm* form = nullptr;
    for (const CommandForm& f : kForms)
        if (args[0] == f.name) form = &f;
    if (!form) return fail("unknown command: " + args[0]);
    BridgeCommand& c = parsed.command;
    c.kind = form->kind;

    c.stream = form->kind == Kind::Check;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--stream" && form->kind != Kind::Check) {
            c.stream = true;
            continue;
        }
        const bool known = option == "--sid" || (form->needsFeed && option == "--feed") ||
                           (!form->startOption.empty() && option == form->startOption) ||
                           (form->kind == Kind::Realtime && option == "--key");
        if (!known) return fail("unknown argument for " + args[0] + ": " + option);
        if (i + 1 >= args.size()) return fail(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--sid")
            c.sid = value;
        else if (option == "--feed")
            c.feed = value;
        else if (option == "--from")
            c.from = value;
        else if (option == "--dataspec")
            c.dataspec = value;
        else if (option == "--key")
            c.key = value;
        else
            c.date = value;
    }

    if (c.stream && !c.feed.empty()) return fail("--stream writes no feed folder: leave out --feed");
    if (form->needsFeed && !c.stream && c.feed.empty()) return fail(args[0] + " needs --feed DIR or --stream");
    if (form->startOption == "--from" && !isValidTimeStamp(c.from))
        return fail("--from needs a time yyyymmddhhnnss, not \"" + c.from + "\"");
    if (form->startOption == "--date" && !isValidDate(c.date))
        return fail("--date needs a date yyyymmdd, not \"" + c.date + "\"");
    // Both become part of a feed file's name, which the feed folder reads back.
    if (form->kind == Kind::Realtime && !isRealtimeDataspecName(c.dataspec))
        return fail("--dataspec needs a real-time dataspec 0Bnn, not \"" + c.dataspec + "\"");
    if (form->kind == Kind::Realtime && !parseRealtimeKey(c.key))
        return fail("--key needs a day yyyymmdd or a race yyyymmddJJKKHHRR or yyyymmddJJRR, not \"" + c.key + "\"");
    return parsed;
}

}  // namespace vantor::jvbridge
