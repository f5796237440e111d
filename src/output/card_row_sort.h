#pragma once
// The race card's order buttons ("馬番" and "ｸﾞﾙｰﾌﾟ"): rows of the grid
// ordered by one column's text.

#include <vector>

#include "text/sjis.h"

namespace vantor::card {

// The column the rows are ordered by: 1 (horse number) when "馬番" is
// down, 2 (order rank) when "ｸﾞﾙｰﾌﾟ" is, 0 when neither is.
int sortKeyColumn(bool byNumberDown, bool byGroupDown);

// Orders rows (the cell texts of the grid's rows below the header row)
// ascending by the text of column keyCol, compared byte by byte; rows with
// equal key texts by their column-1 text, the horse number. Rows move
// whole. Horse numbers are two-digit texts and ranks "%2d" texts, so byte
// order is numeric order. A row without the column counts as empty text.
void sortCardRows(std::vector<std::vector<SjisString>>& rows, int keyCol);

}  // namespace vantor::card
