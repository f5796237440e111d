#pragma once
// The copy buttons' routine: the whole grid, header row included, under a
// title line on the clipboard as tab-separated text.

#include "text/sjis.h"

namespace vantor {

namespace ui {
class TStringGrid;
}

void copyGrid(const ui::TStringGrid& grid, SjisView title);

}  // namespace vantor
