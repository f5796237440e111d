#pragma once
// JV-Link under Wine: every call is answered by vantor-jvbridge.exe run in
// stream mode inside the Wine prefix where JV-Link is installed. A run is
// one bridge process (JVInit's check, one open with its download and read,
// a real-time fetch, the settings dialog); its answers arrive as they happen
// and are handed out with JV-Link's call order and result codes, so that
// the acquisition and the results fetch run as with any JV-Link.
//
// While a call waits for the bridge (JV-Link may show its own windows
// during JVOpen and wait for the user), the waiter is called about every
// 10 ms: the window processes its events there and stays responsive, and
// a command can cancel on a signal.

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jvlink/bridge_stream.h"
#include "jvlink/bridge_stream_order.h"
#include "jvlink/child_process.h"
#include "jvlink/jvlink.h"
#include "jvlink/wine_prefix.h"

namespace vantor {

class BridgeJVLink : public JVLink {
public:
    using Waiter = std::function<void()>;

    explicit BridgeJVLink(WineSettings settings);
    ~BridgeJVLink() override;

    void setWaiter(Waiter waiter) { waiter_ = std::move(waiter); }
    // A call gives up on a bridge that has written nothing for this long
    // (JV-Link hung, a bridge that never answers): the bridge is ended and
    // the call fails, saying so. Generous by default, as a real download
    // may take minutes per file.
    static constexpr std::chrono::seconds kDefaultTimeLimit{1800};
    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }
    const WineSettings& settings() const { return settings_; }

    int JVInit(std::string_view sid) override;
    std::string version() const override { return version_; }
    int JVSetUIProperties() override;
    int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount, int& downloadcount,
               std::string& lastfiletimestamp) override;
    int JVStatus() override;
    int JVRead(std::string& buff, int& size, std::string& filename) override;
    void JVCancel() override;
    int JVClose() override;
    int JVRTOpen(std::string_view dataspec, std::string_view key) override;
    std::string sourceProblem() const override { return problem_; }

private:
    using Event = bridge_stream::Event;

    // Starts a bridge run; false (with the reason kept) when it cannot.
    bool startRun(std::vector<std::string> args);
    // Takes in what the bridge wrote, waiting up to waitMs for it; false
    // once its output has ended and nothing more is queued.
    bool pump(int waitMs);
    // The next queued answer of kind, waiting for it; nothing when the
    // bridge ended first or was given up on.
    std::optional<Event> waitFor(Event::Kind kind);
    // Lets the run's output come to its end, its remaining answers unread.
    void waitForEnd();
    // Waits for the run's process to end and lets go of what it started.
    void endRun();
    // Keeps why the bridge failed, with the end of what it said on
    // standard error, and gives JV-Link's internal error.
    int failed(const std::string& why);

    WineSettings settings_;
    Waiter waiter_;
    std::string sid_;
    std::string version_ = "0000";
    std::optional<ChildProcess> run_;
    bool startedServer_ = false;  // the prefix had nothing running when the run started
    bridge_stream::Parser parser_;
    bridge_stream::Order order_;
    std::string incoming_;
    std::deque<Event> answers_;   // what the calls hand out, in order
    int downloaded_ = 0;          // from the latest status
    std::optional<int> readEnd_;  // the read's end the bridge reported
    bool cancelSent_ = false;
    std::chrono::milliseconds timeLimit_ = kDefaultTimeLimit;
    long long heardAtMs_ = 0;  // when the bridge last wrote anything
    long long cancelSentAtMs_ = 0;
    std::string problem_;
};

}  // namespace vantor
