#include "dispatch_jvlink.h"

#include <vector>

#include "com_args.h"
#include "com_text.h"
#include "text/formatted.h"

namespace vantor::jvbridge {
namespace {

// The version property's dispatch identifier.
constexpr DISPID kVersionId = 16;

std::string hresultText(HRESULT hr) { return formattedUtf8("0x%08lX", static_cast<unsigned long>(hr)); }

// Refusals of an argument's form, as opposed to failures inside the call.
bool refusedForm(HRESULT hr) {
    return hr == DISP_E_TYPEMISMATCH || hr == DISP_E_BADVARTYPE || hr == DISP_E_PARAMNOTFOUND ||
           hr == DISP_E_BADPARAMCOUNT || hr == DISP_E_MEMBERNOTFOUND || hr == E_NOTIMPL;
}

}  // namespace

DispatchJVLink::DispatchJVLink(const wchar_t* progId) {
    const std::string name = narrow(progId, CP_UTF8);
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(progId, &clsid)))
        throw AutomationError("JV-Link is not installed: no COM class is registered as " + name);
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                        reinterpret_cast<void**>(&dispatch_));
    if (FAILED(hr)) throw AutomationError("cannot create " + name + " (" + hresultText(hr) + ")");
    try {
        ids_ = {requireId(L"JVInit"), requireId(L"JVSetUIProperties"), requireId(L"JVOpen"),  requireId(L"JVStatus"),
                requireId(L"JVRead"), requireId(L"JVCancel"),          requireId(L"JVClose"), requireId(L"JVRTOpen"),
                findId(L"JVGets")};
    } catch (...) {
        dispatch_->Release();
        throw;
    }
}

DispatchJVLink::~DispatchJVLink() { dispatch_->Release(); }

std::optional<DISPID> DispatchJVLink::findId(const wchar_t* name) const {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return std::nullopt;
    return id;
}

DISPID DispatchJVLink::requireId(const wchar_t* name) const {
    if (auto id = findId(name)) return *id;
    throw AutomationError("the JV-Link control has no operation " + narrow(name, CP_UTF8));
}

HRESULT DispatchJVLink::invoke(DISPID id, WORD flags, std::span<VARIANTARG> args, VARIANT& result,
                               std::string& why) const {
    std::vector<VARIANTARG> reversed(args.rbegin(), args.rend());  // IDispatch takes the last argument first
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception{};
    UINT argError = 0;
    VariantInit(&result);
    const HRESULT hr =
        dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &exception, &argError);
    if (FAILED(hr)) {
        why = hresultText(hr);
        if (hr == DISP_E_EXCEPTION && exception.bstrDescription)
            why += ": " + narrow(std::wstring_view(exception.bstrDescription, SysStringLen(exception.bstrDescription)),
                                 CP_UTF8);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

int DispatchJVLink::callForNumber(const char* operation, DISPID id, std::span<VARIANTARG> args) const {
    VARIANT result;
    std::string why;
    if (FAILED(invoke(id, DISPATCH_METHOD, args, result, why)))
        throw AutomationError(std::string(operation) + ": the automation call failed (" + why + ")");
    const HRESULT converted = VariantChangeType(&result, &result, 0, VT_I4);
    const int value = SUCCEEDED(converted) ? static_cast<int>(result.lVal) : 0;
    VariantClear(&result);
    if (FAILED(converted))
        throw AutomationError(std::string(operation) + ": the result is not a number (" + hresultText(converted) + ")");
    return value;
}

int DispatchJVLink::JVInit(std::string_view sid) {
    TextIn sidArg(sid);
    VARIANTARG args[] = {sidArg.arg()};
    return callForNumber("JVInit", ids_.init, args);
}

std::string DispatchJVLink::version() const {
    VARIANT result;
    std::string why;
    if (FAILED(invoke(kVersionId, DISPATCH_PROPERTYGET, {}, result, why)))
        throw AutomationError("the version property cannot be read (" + why + ")");
    std::string text;
    if (SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR))) text = bstrToShiftJis(result.bstrVal);
    VariantClear(&result);
    return text;
}

int DispatchJVLink::JVSetUIProperties() { return callForNumber("JVSetUIProperties", ids_.setUIProperties, {}); }

int DispatchJVLink::JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
                           int& downloadcount, std::string& lastfiletimestamp) {
    TextIn dataspecArg(dataspec);
    TextIn fromtimeArg(fromtime);
    NumberRef readArg;
    NumberRef downloadArg;
    TextOut stampArg;
    VARIANTARG args[] = {dataspecArg.arg(), fromtimeArg.arg(), numberIn(option),
                         readArg.arg(),     downloadArg.arg(), stampArg.arg()};
    const int r = callForNumber("JVOpen", ids_.open, args);
    readcount = readArg.value();
    downloadcount = downloadArg.value();
    lastfiletimestamp = stampArg.shiftJis();
    return r;
}

int DispatchJVLink::JVStatus() { return callForNumber("JVStatus", ids_.status, {}); }

int DispatchJVLink::JVRead(std::string& buff, int& size, std::string& filename) {
    if (ids_.gets) {
        if (auto r = readBytes(buff, size, filename)) return *r;
        ids_.gets.reset();  // the control offers JVGets in a form this call does not match
    }
    return readText(buff, size, filename);
}

std::optional<int> DispatchJVLink::readBytes(std::string& buff, int& size, std::string& filename) {
    BytesOut buffArg;
    NumberRef sizeArg(size);
    TextOut nameArg;
    VARIANTARG args[] = {buffArg.arg(), sizeArg.arg(), nameArg.arg()};
    VARIANT result;
    std::string why;
    const HRESULT hr = invoke(*ids_.gets, DISPATCH_METHOD, args, result, why);
    if (FAILED(hr)) {
        if (!getsProven_ && refusedForm(hr)) return std::nullopt;
        throw AutomationError("JVGets: the automation call failed (" + why + ")");
    }
    getsProven_ = true;
    const bool number = SUCCEEDED(VariantChangeType(&result, &result, 0, VT_I4));
    const int r = number ? static_cast<int>(result.lVal) : 0;
    VariantClear(&result);
    if (!number) throw AutomationError("JVGets: the result is not a number");
    buff = r > 0 ? buffArg.bytes(static_cast<std::size_t>(r)) : std::string();
    filename = nameArg.shiftJis();
    return r;
}

int DispatchJVLink::readText(std::string& buff, int& size, std::string& filename) {
    TextOut buffArg;
    NumberRef sizeArg(size);
    TextOut nameArg;
    VARIANTARG args[] = {buffArg.arg(), sizeArg.arg(), nameArg.arg()};
    const int r = callForNumber("JVRead", ids_.read, args);
    buff = buffArg.shiftJis();
    size = sizeArg.value();
    filename = nameArg.shiftJis();
    return r;
}

void DispatchJVLink::JVCancel() {
    VARIANT result;
    std::string why;
    if (FAILED(invoke(ids_.cancel, DISPATCH_METHOD, {}, result, why)))
        throw AutomationError("JVCancel: the automation call failed (" + why + ")");
    VariantClear(&result);
}

int DispatchJVLink::JVClose() { return callForNumber("JVClose", ids_.close, {}); }

int DispatchJVLink::JVRTOpen(std::string_view dataspec, std::string_view key) {
    TextIn dataspecArg(dataspec);
    TextIn keyArg(key);
    VARIANTARG args[] = {dataspecArg.arg(), keyArg.arg()};
    return callForNumber("JVRTOpen", ids_.rtOpen, args);
}

}  // namespace vantor::jvbridge
