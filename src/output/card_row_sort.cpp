#include "output/card_row_sort.h"

#include <algorithm>

namespace vantor::card {
namespace {

SjisView cellOf(const std::vector<SjisString>& row, int col) {
    return col >= 0 && static_cast<std::size_t>(col) < row.size() ? SjisView(row[static_cast<std::size_t>(col)])
                                                                  : SjisView();
}

}  // namespace

int sortKeyColumn(bool byNumberDown, bool byGroupDown) { return byNumberDown ? 1 : byGroupDown ? 2 : 0; }

void sortCardRows(std::vector<std::vector<SjisString>>& rows, int keyCol) {
    std::stable_sort(rows.begin(), rows.end(), [keyCol](const auto& a, const auto& b) {
        const SjisView keyA = cellOf(a, keyCol), keyB = cellOf(b, keyCol);
        if (keyA != keyB) return keyA < keyB;
        return cellOf(a, 1) < cellOf(b, 1);
    });
}

}  // namespace vantor::card
