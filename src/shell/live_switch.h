#pragma once
// The driver of the window's 速報 switch: while on, the live run of the
// loaded race day (live_run.h) steps from a timer on the window's thread,
// one step at a time, pumping events between JV-Link's reads so that the
// window answers throughout. JV-Link serves one session at a time, so
// every other user of it in the window (an acquisition, a results fetch)
// runs through exclusive(): at once when no step is under way, else as
// soon as the step's fetch under way is done; no step starts meanwhile,
// and the schedule resumes after. A day being loaded holds steps back
// (hold()). Ending the switch ends a step under way after its fetch.
//
// A replay plays a past race day through the feed replacement: its clock
// and the run's are one replay clock from the chosen time at the chosen
// speed, and the replacement gets its own clock back when the switch ends.

#include <QObject>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "jvlink/japan_clock.h"
#include "raceday/live_run.h"

class QTimer;

namespace vantor {

class FeedJVLink;
class JVLink;

struct LiveReplay {
    int from = 9 * 60 * 60;  // seconds after the day's Japan midnight
    int speed = 60;          // times as fast as the system clock
};

class LiveSwitch : public QObject {
public:
    // The feed replacement behind the link now, or null (JV-Link under
    // Wine): asked anew each time, since the link may be made again.
    using FeedOf = std::function<FeedJVLink*()>;
    using Stepped = std::function<void(const LiveStepReport&)>;

    // Steps are this far apart on the run's clock (a replay steps as often in its own time).
    static constexpr std::chrono::seconds kEvery{60};

    LiveSwitch(JVLink& link, FeedOf feedOf, std::filesystem::path appDir, QObject* parent = nullptr);
    ~LiveSwitch() override;

    // Called after each step of the run that is on.
    void setStepped(Stepped stepped) { stepped_ = std::move(stepped); }
    // Called once the run has ended after stop(), a step under way done.
    void setEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    // What runs between JV-Link's reads; processes the window's events unless set.
    void setPump(std::function<void()> pump) { pump_ = std::move(pump); }

    // Starts the run of the race day loaded in day, its first step at once;
    // false when it cannot start now: a step of an earlier run is still
    // under way, or the day has no races.
    bool start(const RaceDay& day, std::optional<LiveReplay> replay);
    // Ends the run; a step under way ends after its fetch. Nothing when off.
    void stop();

    bool isOn() const { return run_ && !stopping_; }
    bool stepping() const { return stepping_; }
    int steps() const { return steps_; }
    // The run's day "yyyymmdd"; empty when off.
    SjisView day() const;
    // The run's clock now; the system's Japan clock when off.
    std::chrono::sys_seconds now() const;
    // The live state after the last step; only while on.
    const LiveDay& state() const { return run_->state(); }

    // Runs action, a user of JV-Link, when no step and no other such action
    // is under way (at once or later), and no step until it is done.
    void exclusive(std::function<void()> action);

    // While one lives, no step starts.
    class Hold {
    public:
        explicit Hold(LiveSwitch* owner);
        Hold(Hold&& other) noexcept : owner_(std::exchange(other.owner_, nullptr)) {}
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        Hold& operator=(Hold&&) = delete;
        ~Hold();

    private:
        LiveSwitch* owner_;
    };
    Hold hold() { return Hold(this); }

private:
    void timerFired();
    void step();
    // Arms the timer for the next step, when on and nothing holds it back.
    void arm(std::chrono::milliseconds after);
    void runPending();
    void end();
    void applyReplayClock();
    void restoreFeedClock();

    JVLink& link_;
    FeedOf feedOf_;
    std::filesystem::path appDir_;
    QTimer* timer_;
    std::function<void()> pump_;
    Stepped stepped_;
    std::function<void()> ended_;

    std::unique_ptr<LiveRun> run_;
    JapanClockSource clock_;
    std::optional<LiveReplay> replay_;
    bool stepping_ = false;
    bool stopping_ = false;
    bool due_ = false;   // a step came due while something held it back
    int exclusive_ = 0;  // actions under way
    int holds_ = 0;
    int steps_ = 0;
    std::vector<std::function<void()>> pending_;
};

}  // namespace vantor
