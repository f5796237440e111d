#pragma once
// Reading drawing operations back in tests.

#include <vector>

#include "painting/draw_ops.h"

namespace vantor::test {

template <class T>
std::vector<T> opsOf(const draw::Ops& ops) {
    std::vector<T> out;
    for (const draw::Op& op : ops)
        if (const T* item = std::get_if<T>(&op)) out.push_back(*item);
    return out;
}

inline std::vector<draw::Text> textsOf(const draw::Ops& ops) { return opsOf<draw::Text>(ops); }

}  // namespace vantor::test
