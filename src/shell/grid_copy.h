#pragma once
// The copy buttons' routine: the whole grid, header row included, under a
// title line on the clipboard as tab-separated text.

#include "text/sjis.h"

namespace vantor {

namespace ui {
class TStringGrid;
}

// The text copyGrid puts on the clipboard, in the bytes the cells were set from.
SjisString gridCopyText(const ui::TStringGrid& grid, SjisView title);

void copyGrid(const ui::TStringGrid& grid, SjisView title);

}  // namespace vantor
