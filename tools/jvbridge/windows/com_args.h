#pragma once
// Arguments of an automation call as the caller owns them: each object
// keeps its value alive for the call and hands out the VARIANTARG that
// points at it.

#include <windows.h>

#include <string>
#include <string_view>

#include "com_text.h"

namespace vantor::jvbridge {

class TextIn {
public:
    explicit TextIn(std::string_view sjis) : value_(shiftJisToBstr(sjis)) {}
    ~TextIn() { SysFreeString(value_); }
    TextIn(const TextIn&) = delete;
    TextIn& operator=(const TextIn&) = delete;
    VARIANTARG arg() const {
        VARIANTARG v;
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = value_;
        return v;
    }

private:
    BSTR value_;
};

inline VARIANTARG numberIn(LONG value) {
    VARIANTARG v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// An integer JV-Link reads and may change.
class NumberRef {
public:
    explicit NumberRef(LONG value = 0) : value_(value) {}
    VARIANTARG arg() {
        VARIANTARG v;
        VariantInit(&v);
        v.vt = VT_BYREF | VT_I4;
        v.plVal = &value_;
        return v;
    }
    int value() const { return static_cast<int>(value_); }

private:
    LONG value_;
};

// A text JV-Link fills; empty before the call.
class TextOut {
public:
    TextOut() = default;
    ~TextOut() { SysFreeString(value_); }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;
    VARIANTARG arg() {
        VARIANTARG v;
        VariantInit(&v);
        v.vt = VT_BYREF | VT_BSTR;
        v.pbstrVal = &value_;
        return v;
    }
    std::string shiftJis() const { return bstrToShiftJis(value_); }

private:
    BSTR value_ = nullptr;
};

// A byte array JV-Link fills; empty before the call.
class BytesOut {
public:
    BytesOut() = default;
    ~BytesOut() {
        if (value_) SafeArrayDestroy(value_);
    }
    BytesOut(const BytesOut&) = delete;
    BytesOut& operator=(const BytesOut&) = delete;
    VARIANTARG arg() {
        VARIANTARG v;
        VariantInit(&v);
        v.vt = VT_BYREF | VT_ARRAY | VT_UI1;
        v.pparray = &value_;
        return v;
    }
    // At most limit bytes of the array.
    std::string bytes(std::size_t limit) const;

private:
    SAFEARRAY* value_ = nullptr;
};

}  // namespace vantor::jvbridge
