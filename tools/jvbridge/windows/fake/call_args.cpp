#include "call_args.h"

#include <cstring>

#include "com_text.h"

namespace vantor::jvbridge {

std::optional<std::string> CallArgs::shiftJisText(UINT i) const {
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, &at(i), 0, VT_BSTR))) return std::nullopt;
    std::string text = bstrToShiftJis(copy.bstrVal);
    VariantClear(&copy);
    return text;
}

std::optional<LONG> CallArgs::number(UINT i) const {
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, &at(i), 0, VT_I4))) return std::nullopt;
    return copy.lVal;
}

LONG* CallArgs::numberRef(UINT i) const {
    const VARIANTARG& v = at(i);
    return v.vt == (VT_BYREF | VT_I4) ? v.plVal : nullptr;
}

BSTR* CallArgs::textRef(UINT i) const {
    const VARIANTARG& v = at(i);
    return v.vt == (VT_BYREF | VT_BSTR) ? v.pbstrVal : nullptr;
}

SAFEARRAY** CallArgs::bytesRef(UINT i) const {
    const VARIANTARG& v = at(i);
    return v.vt == (VT_BYREF | VT_ARRAY | VT_UI1) ? v.pparray : nullptr;
}

void storeText(BSTR* ref, const std::string& sjis) {
    SysFreeString(*ref);
    *ref = shiftJisToBstr(sjis);
}

bool storeBytes(SAFEARRAY** ref, const std::string& bytes) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) return false;
    if (!bytes.empty()) {
        void* data = nullptr;
        if (FAILED(SafeArrayAccessData(array, &data))) {
            SafeArrayDestroy(array);
            return false;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
    }
    if (*ref) SafeArrayDestroy(*ref);
    *ref = array;
    return true;
}

}  // namespace vantor::jvbridge
