// vantor-jvbridge: runs beside the JV-Link installed on Windows (or under
// Wine) and writes what it delivers into a feed folder that Vantor on Linux
// reads as if JV-Link were local.

#include <windows.h>

#include <string>
#include <vector>

#include "acquisition_run.h"
#include "bridge_command.h"
#include "com_text.h"
#include "dispatch_jvlink.h"
#include "jvlink/jvlink_startup.h"
#include "path_text.h"
#include "realtime_run.h"
#include "settings_run.h"
#include "stream_pipes.h"
#include "stream_run.h"
#include "win_console.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

// COM on this thread for the life of the object, in a single-threaded
// apartment as JV-Link, a control, wants it.
class ComApartment {
public:
    ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool ok() const { return SUCCEEDED(hr_); }

private:
    HRESULT hr_;
};

int run(const BridgeCommand& c, const BridgeIo& io) {
    DispatchJVLink link(L"JVDTLab.JVLink");
    const std::string sid = c.sid.value_or(jvLinkSid());
    if (c.stream) {
        // JV-Link's answers go to Vantor on standard output, cancels come on standard input.
        listenForCancel();
        return runStream(link, streamRequest(c, sid), {writeRaw, cancelRequested, pumpAndWait});
    }
    switch (c.kind) {
        case BridgeCommand::Kind::Setup:
        case BridgeCommand::Kind::Normal:
            return runAcquisition(link, {pathFromUtf8(c.feed), c.from, c.kind == BridgeCommand::Kind::Setup, sid}, io);
        case BridgeCommand::Kind::Results:
            return runRealtime(link, resultsRequest(pathFromUtf8(c.feed), c.date, sid), io);
        case BridgeCommand::Kind::Realtime:
            return runRealtime(link, realtimeRequest(pathFromUtf8(c.feed), c.dataspec, c.key, sid), io);
        case BridgeCommand::Kind::Settings:
            return runSettings(link, sid, io);
        case BridgeCommand::Kind::Check:
        case BridgeCommand::Kind::Help:
            break;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(narrow(argv[i], CP_UTF8));
    WinConsole console;
    const BridgeIo io = console.io();
    const ParsedCommand parsed = parseCommand(args);
    if (!parsed.error.empty()) {
        io.complain("vantor-jvbridge: " + parsed.error);
        io.complain(kUsage);
        return 2;
    }
    if (parsed.command.kind == BridgeCommand::Kind::Help) {
        io.say(kUsage);
        return 0;
    }
    ComApartment apartment;
    if (!apartment.ok()) {
        io.complain("vantor-jvbridge: COM cannot be initialised");
        return 1;
    }
    try {
        return run(parsed.command, io);
    } catch (const AutomationError& e) {
        io.complain(std::string("vantor-jvbridge: ") + e.what());
        return 1;
    }
}
