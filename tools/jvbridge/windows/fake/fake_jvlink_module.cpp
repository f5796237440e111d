// The fake JV-Link as an in-process COM server. regsvr32 registers it under
// JV-Link's ProgID "JVDTLab.JVLink" (with a class identifier of its own, so
// unregistering it never touches a real JV-Link's class), and each object
// it makes serves the feed folder the environment names:
//   VANTOR_FAKE_JVLINK_FEED      the feed folder (required)
//   VANTOR_FAKE_JVLINK_PACE_MS   simulated download time per file (default 0)
//   VANTOR_FAKE_JVLINK_NO_GETS   "1" hides JVGets, so callers read wide text
//   VANTOR_FAKE_JVLINK_HANG_FILE a file: the first JVRTOpen that finds it
//                                removes it and hangs, as JV-Link can
// Faults are injected as for the replacement on Linux: VANTOR_JVLINK_FAULTS
// or faults.txt in the feed folder.

#include <windows.h>
// after windows.h, which it needs
#include <olectl.h>

#include <atomic>
#include <cstdio>
#include <cwchar>
#include <string>

#include "fake_jvlink_object.h"

using vantor::FeedSettings;
using vantor::jvbridge::FakeJVLinkObject;

namespace {

// {7D5CCC50-B889-4526-84AE-EA6FFDD5EAC8}
constexpr CLSID kFakeClsid = {0x7d5ccc50, 0xb889, 0x4526, {0x84, 0xae, 0xea, 0x6f, 0xfd, 0xd5, 0xea, 0xc8}};
constexpr const wchar_t* kFakeClsidText = L"{7D5CCC50-B889-4526-84AE-EA6FFDD5EAC8}";
constexpr const wchar_t* kProgId = L"JVDTLab.JVLink";
constexpr const wchar_t* kDescription = L"Vantor fake JV-Link (tests only)";

HMODULE gModule = nullptr;
std::atomic<LONG> gServerLocks{0};

std::wstring environmentValue(const wchar_t* name) {
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0) return {};
    std::wstring value(needed, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), needed));
    return value;
}

// The object's settings from the environment; false (told on standard
// error, which is the calling program's) when the feed folder is not named.
bool settingsFromEnvironment(FeedSettings& settings) {
    const std::wstring feed = environmentValue(L"VANTOR_FAKE_JVLINK_FEED");
    if (feed.empty()) {
        std::fputs("fake JV-Link: VANTOR_FAKE_JVLINK_FEED names no feed folder\n", stderr);
        return false;
    }
    settings.feedDir = feed;
    settings.paceMs = _wtoi(environmentValue(L"VANTOR_FAKE_JVLINK_PACE_MS").c_str());
    return true;
}

class Factory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is a static object: counting is the server lock's job.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        FeedSettings settings;
        if (!settingsFromEnvironment(settings)) return E_FAIL;
        auto* made = new FakeJVLinkObject(std::move(settings), environmentValue(L"VANTOR_FAKE_JVLINK_NO_GETS") != L"1");
        if (const auto& err = made->link().faultPlanError()) {
            std::fprintf(stderr, "fake JV-Link: %s\n", err->c_str());
            made->Release();
            return E_FAIL;
        }
        const HRESULT hr = made->QueryInterface(riid, object);
        made->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        lock ? ++gServerLocks : --gServerLocks;
        return S_OK;
    }
};

Factory gFactory;

bool setValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool ok =
        RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return ok;
}

std::wstring readValue(const std::wstring& key) {
    wchar_t value[128] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return {};
    return value;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kFakeClsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return gFactory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return FakeJVLinkObject::liveObjects() == 0 && gServerLocks == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(gModule, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return SELFREG_E_CLASS;
    const std::wstring clsidKey = std::wstring(L"CLSID\\") + kFakeClsidText;
    const bool ok = setValue(kProgId, nullptr, kDescription) &&
                    setValue(std::wstring(kProgId) + L"\\CLSID", nullptr, kFakeClsidText) &&
                    setValue(clsidKey, nullptr, kDescription) && setValue(clsidKey + L"\\ProgID", nullptr, kProgId) &&
                    setValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
                    setValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    // The ProgID goes only while it still names this class.
    if (readValue(std::wstring(kProgId) + L"\\CLSID") == kFakeClsidText) RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kFakeClsidText).c_str());
    return S_OK;
}
