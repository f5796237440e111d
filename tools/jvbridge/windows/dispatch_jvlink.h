#pragma once
// JV-Link through COM automation: the control registered under a ProgID,
// called through IDispatch with every operation's name looked up at run
// time, so the bridge needs neither JV-Link's type library nor its headers.
// Texts cross as wide strings and are Shift-JIS bytes on this side.
//
// Records are read with JVGets, which hands over the record's own bytes,
// when the control has it; otherwise (or when the control refuses the
// byte-array argument) with JVRead, whose wide text is turned back into
// code page 932.
//
// A call that fails at the automation level (as opposed to a JV-Link
// result code) throws AutomationError.

#include <windows.h>

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DispatchJVLink final : public JVLink {
public:
    // Creates the control; COM must be initialised on this thread.
    explicit DispatchJVLink(const wchar_t* progId);
    ~DispatchJVLink() override;
    DispatchJVLink(const DispatchJVLink&) = delete;
    DispatchJVLink& operator=(const DispatchJVLink&) = delete;

    int JVInit(std::string_view sid) override;
    std::string version() const override;
    int JVSetUIProperties() override;
    int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount, int& downloadcount,
               std::string& lastfiletimestamp) override;
    int JVStatus() override;
    int JVRead(std::string& buff, int& size, std::string& filename) override;
    void JVCancel() override;
    int JVClose() override;
    int JVRTOpen(std::string_view dataspec, std::string_view key) override;

private:
    struct Ids {
        DISPID init, setUIProperties, open, status, read, cancel, close, rtOpen;
        std::optional<DISPID> gets;
    };

    std::optional<DISPID> findId(const wchar_t* name) const;
    DISPID requireId(const wchar_t* name) const;
    // Calls the member with the arguments in call order; the failed
    // HRESULT is returned, the result stored in result.
    HRESULT invoke(DISPID id, WORD flags, std::span<VARIANTARG> args, VARIANT& result, std::string& why) const;
    // invoke() for an operation with an integer result; throws on failure.
    int callForNumber(const char* operation, DISPID id, std::span<VARIANTARG> args) const;
    // JVGets; nothing when the control refused the call's form.
    std::optional<int> readBytes(std::string& buff, int& size, std::string& filename);
    int readText(std::string& buff, int& size, std::string& filename);

    IDispatch* dispatch_ = nullptr;
    Ids ids_{};
    bool getsProven_ = false;  // a JVGets call has gone through
};

}  // namespace vantor::jvbridge
