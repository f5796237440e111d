#pragma once
// Finding a page's drawing operations by what and where they are.

#include <optional>
#include <string>

#include "painting/page.h"
#include "support/ops_readers.h"
#include "text/encoding.h"

namespace vantor::test {

// The text drawn at (x, y), in UTF-8.
inline std::optional<std::string> textAt(const draw::Page& page, int x, int y) {
    for (const draw::Text& t : textsOf(page.ops))
        if (t.x == x && t.y == y) return cp932ToUtf8(t.text);
    return std::nullopt;
}

inline std::optional<draw::Text> textOpAt(const draw::Page& page, int x, int y) {
    for (const draw::Text& t : textsOf(page.ops))
        if (t.x == x && t.y == y) return t;
    return std::nullopt;
}

// Horizontal lines at y with the pen width.
inline std::vector<draw::Line> rulesAt(const draw::Page& page, int y, int pen) {
    std::vector<draw::Line> out;
    for (const draw::Line& l : opsOf<draw::Line>(page.ops))
        if (l.y1 == y && l.y2 == y && l.width == pen) out.push_back(l);
    return out;
}

// Texts drawn from x on the row at offset v (between v + 280 and v + 400).
inline int textsInRow(const draw::Page& page, int v) {
    int n = 0;
    for (const draw::Text& t : textsOf(page.ops)) n += t.y >= v + 280 && t.y < v + 400;
    return n;
}

}  // namespace vantor::test
