#pragma once
// The fake JV-Link's automation object: JV-Link's operation names and
// argument forms over IDispatch, answered by the feed-folder replacement
// (the same one Vantor uses on Linux), so a bridge run against the fake
// sees exactly the files, result codes and injected faults that Vantor
// would see reading the same folder directly.

#include <windows.h>

#include <atomic>

#include "jvlink/feed_jvlink.h"

namespace vantor::jvbridge {

class FakeJVLinkObject final : public IDispatch {
public:
    // offerBytes: whether JVGets is among the names the object knows.
    FakeJVLinkObject(FeedSettings settings, bool offerBytes);
    ~FakeJVLinkObject();
    FakeJVLinkObject(const FakeJVLinkObject&) = delete;
    FakeJVLinkObject& operator=(const FakeJVLinkObject&) = delete;

    const FeedJVLink& link() const { return link_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // Live objects of this kind, for DllCanUnloadNow.
    static LONG liveObjects();

private:
    std::atomic<ULONG> references_{1};
    FeedJVLink link_;
    bool offerBytes_;
};

}  // namespace vantor::jvbridge
