#pragma once
// A JV-Link that answers JVInit and the version as told and records the calls.

#include <string>
#include <vector>

#include "jvlink/jvlink.h"

namespace vantor::test {

class FakeJVLink : public JVLink {
public:
    int initResult = 0;
    std::string versionText = "0490";
    std::vector<std::string> sids;
    mutable int versionReads = 0;

    int JVInit(std::string_view sid) override {
        sids.emplace_back(sid);
        return initResult;
    }
    std::string version() const override {
        ++versionReads;
        return versionText;
    }
    int JVSetUIProperties() override { return 0; }
    int JVOpen(std::string_view, std::string_view, int, int&, int&, std::string&) override { return jv::kNoNewerData; }
    int JVStatus() override { return 0; }
    int JVRead(std::string&, int&, std::string&) override { return jv::kEndOfAll; }
    void JVCancel() override {}
    int JVClose() override { return 0; }
    int JVRTOpen(std::string_view, std::string_view) override { return 0; }
};

}  // namespace vantor::test
