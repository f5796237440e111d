#pragma once
// The window's JV-Link: the one its settings choose, the feed folder
// replacement or JV-Link under Wine. "JVLink設定" (JVSetUIProperties)
// opens the choice; a changed choice is kept, takes effect at once, and
// with the Wine source JV-Link's own settings window follows, where a
// subscriber enters the service key and JV-Link's save folder.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "jvlink/jvlink.h"
#include "jvlink/jvlink_choice.h"

namespace vantor {

class ProgramJVLink : public JVLink {
public:
    // Edits the choice in place; false when the user cancelled.
    using Editor = std::function<bool(JVLinkChoice&)>;
    // Keeps the choice; false when it could not be saved.
    using Saver = std::function<bool(const JVLinkChoice&)>;
    // Called about every 10 ms while a call waits for Wine.
    using Waiter = std::function<void()>;
    // Told before (true) and after (false) a start-up check that may take
    // seconds, so that the window can say what it waits for.
    using CheckNotice = std::function<void(bool checking)>;

    // current is the link already made for choice (the feed folder with its
    // demo, say), or null to make one.
    ProgramJVLink(JVLinkChoice choice, std::unique_ptr<JVLink> current, Editor editor, Saver saver);

    void setWaiter(Waiter waiter);
    // The time limit of every call of JV-Link under Wine.
    void setTimeLimit(std::chrono::seconds limit);
    void setCheckNotice(CheckNotice notice) { checkNotice_ = std::move(notice); }
    const JVLinkChoice& choice() const { return choice_; }
    // The link the choice made, until a changed choice makes another.
    JVLink& current() { return *link_; }
    const JVLink& current() const { return *link_; }

    int JVInit(std::string_view sid) override;
    std::string version() const override { return link_->version(); }
    int JVSetUIProperties() override;
    int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount, int& downloadcount,
               std::string& lastfiletimestamp) override {
        return link_->JVOpen(dataspec, fromtime, option, readcount, downloadcount, lastfiletimestamp);
    }
    int JVStatus() override { return link_->JVStatus(); }
    int JVRead(std::string& buff, int& size, std::string& filename) override {
        return link_->JVRead(buff, size, filename);
    }
    void JVCancel() override { link_->JVCancel(); }
    int JVClose() override { return link_->JVClose(); }
    int JVRTOpen(std::string_view dataspec, std::string_view key) override { return link_->JVRTOpen(dataspec, key); }
    std::vector<std::string> unusableFiles() const override { return link_->unusableFiles(); }
    std::string sourceProblem() const override { return link_->sourceProblem(); }

private:
    void makeLink();

    JVLinkChoice choice_;
    std::unique_ptr<JVLink> link_;
    Editor editor_;
    Saver saver_;
    Waiter waiter_;
    std::optional<std::chrono::seconds> timeLimit_;
    CheckNotice checkNotice_;
    std::string sid_;
};

}  // namespace vantor
