#include "jvlink_setup/program_jvlink.h"

#include "jvlink/bridge_jvlink.h"
#include "jvlink/feed_jvlink.h"

namespace vantor {

ProgramJVLink::ProgramJVLink(JVLinkChoice choice, std::unique_ptr<JVLink> current, Editor editor, Saver saver)
    : choice_(std::move(choice)), link_(std::move(current)), editor_(std::move(editor)), saver_(std::move(saver)) {
    if (!link_) makeLink();
}

void ProgramJVLink::makeLink() {
    if (choice_.source == JVLinkSource::folder) {
        link_ = std::make_unique<FeedJVLink>(choice_.feed);
        return;
    }
    auto bridge = std::make_unique<BridgeJVLink>(choice_.wine);
    bridge->setWaiter(waiter_);
    if (timeLimit_) bridge->setTimeLimit(*timeLimit_);
    link_ = std::move(bridge);
}

void ProgramJVLink::setTimeLimit(std::chrono::seconds limit) {
    timeLimit_ = limit;
    if (auto* bridge = dynamic_cast<BridgeJVLink*>(link_.get())) bridge->setTimeLimit(limit);
}

void ProgramJVLink::setWaiter(Waiter waiter) {
    waiter_ = std::move(waiter);
    if (auto* bridge = dynamic_cast<BridgeJVLink*>(link_.get())) bridge->setWaiter(waiter_);
}

int ProgramJVLink::JVInit(std::string_view sid) {
    sid_ = sid;
    const bool slow = choice_.source == JVLinkSource::wine && checkNotice_;
    if (slow) checkNotice_(true);
    const int r = link_->JVInit(sid);
    if (slow) checkNotice_(false);
    return r;
}

int ProgramJVLink::JVSetUIProperties() {
    JVLinkChoice edited = choice_;
    if (!editor_ || !editor_(edited)) return jv::kOk;  // cancelled: nothing changes
    if (saver_ && !saver_(edited)) return jv::kSettingsNotSaved;
    choice_ = std::move(edited);
    makeLink();
    if (const int r = JVInit(sid_); r != jv::kOk) return r;
    // Under Wine, JV-Link's own settings come next: service key, save folder.
    return choice_.source == JVLinkSource::wine ? link_->JVSetUIProperties() : jv::kOk;
}

}  // namespace vantor
