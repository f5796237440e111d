#pragma once
// Set by a confirmed cancel of an acquisition; both read loops (the
// acquisition and the results fetch) stop when they see it.

namespace vantor {

inline int CancelFlag = 0;

}  // namespace vantor
