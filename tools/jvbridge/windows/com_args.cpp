#include "com_args.h"

#include <algorithm>

namespace vantor::jvbridge {

std::string BytesOut::bytes(std::size_t limit) const {
    if (!value_ || SafeArrayGetDim(value_) != 1) return {};
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(value_, 1, &lower)) || FAILED(SafeArrayGetUBound(value_, 1, &upper)) || upper < lower)
        return {};
    const std::size_t count = std::min(static_cast<std::size_t>(upper - lower) + 1, limit);
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(value_, &data))) return {};
    std::string out(static_cast<const char*>(data), count);
    SafeArrayUnaccessData(value_);
    return out;
}

}  // namespace vantor::jvbridge
