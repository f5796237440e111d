#pragma once
// A JV-Link that answers start-up with the required version and has
// nothing to deliver: every open finds nothing newer and every read is at
// the end. The main window runs on it where no data is to come in
// (vantor-cli snapshot, the tests).

#include <string>

#include "jvlink/jvlink.h"
#include "jvlink/jvlink_startup.h"

namespace vantor {

class IdleJVLink : public JVLink {
public:
    int JVInit(std::string_view) override { return jv::kOk; }
    std::string version() const override { return std::string(kRequiredJVLinkVersion); }
    int JVSetUIProperties() override { return jv::kOk; }
    int JVOpen(std::string_view, std::string_view, int, int&, int&, std::string&) override { return jv::kNoNewerData; }
    int JVStatus() override { return 0; }
    int JVRead(std::string&, int&, std::string&) override { return jv::kEndOfAll; }
    void JVCancel() override {}
    int JVClose() override { return jv::kOk; }
    int JVRTOpen(std::string_view, std::string_view) override { return jv::kNoNewerData; }
};

}  // namespace vantor
