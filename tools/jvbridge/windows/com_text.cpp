#include "com_text.h"

namespace vantor::jvbridge {

std::wstring widen(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string narrow(std::wstring_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

BSTR shiftJisToBstr(std::string_view sjis) {
    const std::wstring wide = widen(sjis, kShiftJisCodePage);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string bstrToShiftJis(BSTR text) {
    if (!text) return {};
    return narrow(std::wstring_view(text, SysStringLen(text)), kShiftJisCodePage);
}

}  // namespace vantor::jvbridge
