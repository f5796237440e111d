#pragma once
// The copy buttons' work: a whole grid on the clipboard.

#include "text/sjis.h"

namespace vantor {

namespace ui {
class TStringGrid;
}

// Puts the whole grid, header row included, under title on the clipboard.
void copyGrid(const ui::TStringGrid& grid, SjisView title);

}  // namespace vantor
