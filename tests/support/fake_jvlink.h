#pragma once
// An idle JV-Link that answers JVInit and the version as told and records the calls.

#include <string>
#include <vector>

#include "jvlink/idle_jvlink.h"

namespace vantor::test {

class FakeJVLink : public IdleJVLink {
public:
    int initResult = jv::kOk;
    std::string versionText = std::string(kRequiredJVLinkVersion);
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
};

}  // namespace vantor::test
