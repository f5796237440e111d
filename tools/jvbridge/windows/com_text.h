#pragma once
// Text between the bridge's byte strings and COM's wide strings: records and
// JV-Link's arguments are Shift-JIS (code page 932), messages UTF-8.

#include <windows.h>

#include <string>
#include <string_view>

namespace vantor::jvbridge {

inline constexpr UINT kShiftJisCodePage = 932;

// Characters the code page cannot hold become U+FFFD.
std::wstring widen(std::string_view text, UINT codePage);
// Characters the code page cannot hold become '?'.
std::string narrow(std::wstring_view text, UINT codePage);

// A new BSTR holding the Shift-JIS text; the caller frees it.
BSTR shiftJisToBstr(std::string_view sjis);
std::string bstrToShiftJis(BSTR text);

}  // namespace vantor::jvbridge
