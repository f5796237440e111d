#pragma once
// The arguments of one automation call as the fake JV-Link receives them,
// taken in call order (IDispatch lists them last first). Inputs are
// converted as automation would; outputs must be passed by reference.

#include <windows.h>

#include <optional>
#include <string>

namespace vantor::jvbridge {

class CallArgs {
public:
    explicit CallArgs(const DISPPARAMS& params) : params_(params) {}

    UINT count() const { return params_.cArgs; }
    // The position (as IDispatch counts) of argument i, for an error report.
    UINT dispatchIndex(UINT i) const { return params_.cArgs - 1 - i; }

    std::optional<std::string> shiftJisText(UINT i) const;
    std::optional<LONG> number(UINT i) const;
    LONG* numberRef(UINT i) const;
    BSTR* textRef(UINT i) const;
    SAFEARRAY** bytesRef(UINT i) const;

private:
    VARIANTARG& at(UINT i) const { return params_.rgvarg[dispatchIndex(i)]; }

    const DISPPARAMS& params_;
};

// Replaces the text behind ref (freeing what it held).
void storeText(BSTR* ref, const std::string& sjis);
// Replaces the array behind ref with a one-dimensional byte array.
bool storeBytes(SAFEARRAY** ref, const std::string& bytes);

}  // namespace vantor::jvbridge
