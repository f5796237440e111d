#pragma once
// An open of normal data since 2024 on any JV-Link, closed again at once:
// its result tells whether the link's source can be used.

#include <string>

#include "jvlink/jvlink.h"

namespace vantor::test {

inline int openNormal(JVLink& link) {
    int reads = 0, downloads = 0;
    std::string stamp;
    const int r = link.JVOpen("RACEDIFN", "20240101000000", jv::kOptionNormal, reads, downloads, stamp);
    link.JVClose();
    return r;
}

}  // namespace vantor::test
