#include "shell/live_switch.h"

#include <QCoreApplication>
#include <QTimer>

#include "fileio/writer_lock.h"
#include "jvlink/feed_jvlink.h"
#include "store/store_paths.h"

namespace vantor {
namespace {

JapanClockSource ownClock() {
    auto clock = environmentJapanClock();
    if (auto* source = std::get_if<JapanClockSource>(&clock)) return std::move(*source);
    return systemJapanClock();
}

}  // namespace

LiveSwitch::LiveSwitch(JVLink& link, FeedOf feedOf, std::filesystem::path appDir, QObject* parent)
    : QObject(parent),
      link_(link),
      feedOf_(std::move(feedOf)),
      appDir_(std::move(appDir)),
      timer_(new QTimer(this)),
      pump_([] { QCoreApplication::processEvents(); }) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &LiveSwitch::timerFired);
}

LiveSwitch::~LiveSwitch() {
    if (replay_) restoreFeedClock();
}

bool LiveSwitch::start(const RaceDay& day, std::optional<LiveReplay> replay) {
    if (stepping_ || day.RaceCount <= 0) return false;
    if (run_) end();
    run_ = std::make_unique<LiveRun>(StorePaths(appDir_), day);
    replay_ = replay;
    clock_ = ownClock();
    if (replay_) {
        auto clock = replayJapanDay(run_->day(), replay_->from, replay_->speed);
        if (!clock) {
            run_.reset();
            replay_.reset();
            return false;
        }
        clock_ = std::move(*clock);
        applyReplayClock();
    }
    stopping_ = false;
    steps_ = 0;
    arm(std::chrono::milliseconds(0));
    return true;
}

void LiveSwitch::stop() {
    if (!run_ || stopping_) return;
    stopping_ = true;
    timer_->stop();
    if (!stepping_) end();
}

SjisView LiveSwitch::day() const { return isOn() ? run_->day() : SjisView(); }

std::chrono::sys_seconds LiveSwitch::now() const { return run_ ? clock_() : ownClock()(); }

void LiveSwitch::exclusive(std::function<void()> action) {
    if (stepping_ || exclusive_ > 0) {
        pending_.push_back(std::move(action));
        return;
    }
    ++exclusive_;
    action();
    --exclusive_;
    // An acquisition may have made the link again, with the system clock.
    if (replay_) applyReplayClock();
    runPending();
    if (isOn()) arm(std::chrono::milliseconds(0));
}

LiveSwitch::Hold::Hold(LiveSwitch* owner) : owner_(owner) { ++owner_->holds_; }

LiveSwitch::Hold::~Hold() {
    if (!owner_ || --owner_->holds_ > 0 || !owner_->due_) return;
    owner_->arm(std::chrono::milliseconds(0));
}

void LiveSwitch::arm(std::chrono::milliseconds after) {
    if (!isOn()) return;
    due_ = false;
    timer_->start(after);
}

void LiveSwitch::timerFired() {
    if (!isOn()) return;
    if (stepping_ || exclusive_ > 0 || holds_ > 0) {
        due_ = true;  // the one holding it back arms it again
        return;
    }
    step();
}

void LiveSwitch::step() {
    stepping_ = true;
    const LiveStepHooks hooks{
        [this] { pump_(); },
        [this] { return stopping_ || !pending_.empty(); },
        [this]() -> std::variant<WriterLock, std::string> { return WriterLock::take(appDir_, "vantor 速報", false); }};
    const LiveStepReport report = run_->step(link_, clock_(), hooks);
    stepping_ = false;
    ++steps_;
    if (stopping_) {
        end();
    } else if (stepped_) {
        stepped_(report);
    }
    if (isOn()) {
        const int speed = replay_ ? replay_->speed : 1;
        arm(std::chrono::duration_cast<std::chrono::milliseconds>(kEvery) / speed);
    }
    runPending();  // an action that waited for the step; the next step after it
}

void LiveSwitch::runPending() {
    while (!pending_.empty() && !stepping_ && exclusive_ == 0) {
        std::function<void()> action = std::move(pending_.front());
        pending_.erase(pending_.begin());
        exclusive(std::move(action));
    }
}

void LiveSwitch::end() {
    timer_->stop();
    if (replay_) restoreFeedClock();
    run_.reset();
    replay_.reset();
    stopping_ = false;
    due_ = false;
    if (ended_) ended_();
}

void LiveSwitch::applyReplayClock() {
    if (FeedJVLink* feed = feedOf_ ? feedOf_() : nullptr) feed->setClockSource(clock_);
}

void LiveSwitch::restoreFeedClock() {
    if (FeedJVLink* feed = feedOf_ ? feedOf_() : nullptr) feed->setClockSource(ownClock());
}

}  // namespace vantor
