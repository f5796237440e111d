#pragma once
// The value labels of the results tab: for each bet kind a block headed by
// its name, with rows for result, popularity and payout and one column per
// entry.

#include <vector>

class QWidget;

namespace vantor {

namespace ui {
class TLabel3D;
}

// Creates the blocks on sheet and returns the 63 value labels in this
// order: win entries 1-3, place 1-5, bracket quinella 1-3, quinella 1-3,
// quinella-place 1-7; each entry's labels as result, popularity, payout.
std::vector<ui::TLabel3D*> buildResultLabels(QWidget& sheet);

}  // namespace vantor
