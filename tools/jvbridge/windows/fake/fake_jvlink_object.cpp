#include "fake_jvlink_object.h"

#include <array>
#include <string>

#include "call_args.h"

namespace vantor::jvbridge {
namespace {

std::atomic<LONG> gLiveObjects{0};

enum Member : DISPID {
    kJVInit = 101,
    kJVSetUIProperties,
    kJVOpen,
    kJVStatus,
    kJVRead,
    kJVGets,
    kJVCancel,
    kJVClose,
    kJVRTOpen,
    kVersion = 16,  // the version property
};

struct MemberName {
    const wchar_t* name;
    Member id;
};

constexpr std::array kMembers = {
    MemberName{L"JVInit", kJVInit},     MemberName{L"JVSetUIProperties", kJVSetUIProperties},
    MemberName{L"JVOpen", kJVOpen},     MemberName{L"JVStatus", kJVStatus},
    MemberName{L"JVRead", kJVRead},     MemberName{L"JVGets", kJVGets},
    MemberName{L"JVCancel", kJVCancel}, MemberName{L"JVClose", kJVClose},
    MemberName{L"JVRTOpen", kJVRTOpen},
};

// JV-Link can hang inside JVRTOpen: the first JVRTOpen that finds the file
// VANTOR_FAKE_JVLINK_HANG_FILE names removes it and never returns, so that
// a test sees one hung call among runs of the bridge and the next one work.
void hangOnceWhenAsked() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VANTOR_FAKE_JVLINK_HANG_FILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || !DeleteFileW(path)) return;
    for (;;) Sleep(INFINITE);
}

void setNumber(VARIANT* result, int value) {
    if (!result) return;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
}

// One call's arguments checked against the member's form; failures name
// the argument as IDispatch counts it.
class Call {
public:
    Call(const DISPPARAMS& params, UINT* argError) : args_(params), argError_(argError) {}

    const CallArgs& args() const { return args_; }
    HRESULT expectCount(UINT count) const { return args_.count() == count ? S_OK : DISP_E_BADPARAMCOUNT; }
    HRESULT mismatch(UINT i) const {
        if (argError_) *argError_ = args_.dispatchIndex(i);
        return DISP_E_TYPEMISMATCH;
    }

private:
    CallArgs args_;
    UINT* argError_;
};

HRESULT callJVOpen(FeedJVLink& link, const Call& call, VARIANT* result) {
    if (HRESULT hr = call.expectCount(6); FAILED(hr)) return hr;
    const CallArgs& a = call.args();
    const auto dataspec = a.shiftJisText(0);
    const auto fromtime = a.shiftJisText(1);
    const auto option = a.number(2);
    LONG* readcount = a.numberRef(3);
    LONG* downloadcount = a.numberRef(4);
    BSTR* stamp = a.textRef(5);
    if (!dataspec) return call.mismatch(0);
    if (!fromtime) return call.mismatch(1);
    if (!option) return call.mismatch(2);
    if (!readcount) return call.mismatch(3);
    if (!downloadcount) return call.mismatch(4);
    if (!stamp) return call.mismatch(5);
    int reads = 0;
    int downloads = 0;
    std::string last;
    const int r = link.JVOpen(*dataspec, *fromtime, *option, reads, downloads, last);
    *readcount = reads;
    *downloadcount = downloads;
    storeText(stamp, last);
    setNumber(result, r);
    return S_OK;
}

// JVRead (wide text) and JVGets (the record's bytes) alike.
HRESULT callRead(FeedJVLink& link, const Call& call, bool asBytes, VARIANT* result) {
    if (HRESULT hr = call.expectCount(3); FAILED(hr)) return hr;
    const CallArgs& a = call.args();
    BSTR* text = asBytes ? nullptr : a.textRef(0);
    SAFEARRAY** bytes = asBytes ? a.bytesRef(0) : nullptr;
    const auto size = a.number(1);
    BSTR* name = a.textRef(2);
    if (!text && !bytes) return call.mismatch(0);
    if (!size) return call.mismatch(1);
    if (!name) return call.mismatch(2);
    std::string buff;
    std::string filename;
    int sizeValue = *size;
    const int r = link.JVRead(buff, sizeValue, filename);
    if (LONG* sizeRef = a.numberRef(1)) *sizeRef = sizeValue;
    if (bytes && !storeBytes(bytes, buff)) return E_OUTOFMEMORY;
    if (text) storeText(text, buff);
    storeText(name, filename);
    setNumber(result, r);
    return S_OK;
}

HRESULT callMember(FeedJVLink& link, DISPID id, WORD flags, const Call& call, bool offerBytes, VARIANT* result) {
    const CallArgs& a = call.args();
    if (id == kVersion) {
        if (!(flags & DISPATCH_PROPERTYGET) || a.count() != 0) return DISP_E_MEMBERNOTFOUND;
        if (result) {
            VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = nullptr;
            storeText(&result->bstrVal, link.version());
        }
        return S_OK;
    }
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case kJVInit: {
            if (HRESULT hr = call.expectCount(1); FAILED(hr)) return hr;
            const auto sid = a.shiftJisText(0);
            if (!sid) return call.mismatch(0);
            setNumber(result, link.JVInit(*sid));
            return S_OK;
        }
        case kJVSetUIProperties:
            if (HRESULT hr = call.expectCount(0); FAILED(hr)) return hr;
            setNumber(result, link.JVSetUIProperties());
            return S_OK;
        case kJVOpen:
            return callJVOpen(link, call, result);
        case kJVStatus:
            if (HRESULT hr = call.expectCount(0); FAILED(hr)) return hr;
            setNumber(result, link.JVStatus());
            return S_OK;
        case kJVRead:
            return callRead(link, call, false, result);
        case kJVGets:
            return offerBytes ? callRead(link, call, true, result) : DISP_E_MEMBERNOTFOUND;
        case kJVCancel:
            if (HRESULT hr = call.expectCount(0); FAILED(hr)) return hr;
            link.JVCancel();
            return S_OK;
        case kJVClose:
            if (HRESULT hr = call.expectCount(0); FAILED(hr)) return hr;
            setNumber(result, link.JVClose());
            return S_OK;
        case kJVRTOpen: {
            if (HRESULT hr = call.expectCount(2); FAILED(hr)) return hr;
            const auto dataspec = a.shiftJisText(0);
            const auto key = a.shiftJisText(1);
            if (!dataspec) return call.mismatch(0);
            if (!key) return call.mismatch(1);
            hangOnceWhenAsked();
            setNumber(result, link.JVRTOpen(*dataspec, *key));
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace

FakeJVLinkObject::FakeJVLinkObject(FeedSettings settings, bool offerBytes)
    : link_(std::move(settings)), offerBytes_(offerBytes) {
    ++gLiveObjects;
}

FakeJVLinkObject::~FakeJVLinkObject() { --gLiveObjects; }

LONG FakeJVLinkObject::liveObjects() { return gLiveObjects; }

HRESULT FakeJVLinkObject::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG FakeJVLinkObject::AddRef() { return ++references_; }

ULONG FakeJVLinkObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT FakeJVLinkObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT FakeJVLinkObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT FakeJVLinkObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        for (const MemberName& m : kMembers) {
            if (m.id == kJVGets && !offerBytes_) continue;
            if (CompareStringOrdinal(names[i], -1, m.name, -1, TRUE) == CSTR_EQUAL) ids[i] = m.id;
        }
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT FakeJVLinkObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                 UINT* argError) {
    if (!params) return E_POINTER;
    if (params->cNamedArgs > 0) return DISP_E_NONAMEDARGS;
    return callMember(link_, id, flags, Call(*params, argError), offerBytes_, result);
}

}  // namespace vantor::jvbridge
