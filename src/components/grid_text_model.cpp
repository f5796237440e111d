#include "components/grid_text_model.h"

#include <algorithm>

#include "text/qt_text.h"

namespace vantor::ui {

void GridTextModel::setColCount(int count) {
    count = std::max(count, 0);
    if (count > cols_) {
        beginInsertColumns({}, cols_, count - 1);
        for (auto& row : rows_) row.resize(static_cast<std::size_t>(count));
        cols_ = count;
        endInsertColumns();
    } else if (count < cols_) {
        beginRemoveColumns({}, count, cols_ - 1);
        for (auto& row : rows_) row.resize(static_cast<std::size_t>(count));
        cols_ = count;
        endRemoveColumns();
    }
}

void GridTextModel::setGridRowCount(int count) {
    const auto wanted = static_cast<std::size_t>(std::max(count, 1));
    const int dataRows = rowCount();
    const int wantedDataRows = static_cast<int>(wanted) - 1;
    if (wantedDataRows > dataRows) {
        beginInsertRows({}, dataRows, wantedDataRows - 1);
        rows_.resize(wanted, std::vector<Cell>(static_cast<std::size_t>(cols_)));
        endInsertRows();
    } else if (wantedDataRows < dataRows) {
        beginRemoveRows({}, wantedDataRows, dataRows - 1);
        rows_.resize(wanted);
        endRemoveRows();
    }
}

bool GridTextModel::contains(int col, int row) const {
    return col >= 0 && col < cols_ && row >= 0 && row < gridRowCount();
}

const GridTextModel::Cell* GridTextModel::at(int col, int row) const {
    return contains(col, row) ? &rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] : nullptr;
}

QString GridTextModel::cell(int col, int row) const {
    const Cell* c = at(col, row);
    return c ? c->text : QString();
}

SjisView GridTextModel::cellSjis(int col, int row) const {
    const Cell* c = at(col, row);
    return c ? SjisView(c->sjis) : SjisView();
}

void GridTextModel::setCell(int col, int row, SjisView sjis) {
    if (!contains(col, row)) return;
    Cell& stored = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (stored.sjis == sjis) return;
    stored.sjis.assign(sjis);
    stored.text = toQString(sjis);
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex changed = index(row - 1, col);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

int GridTextModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : gridRowCount() - 1; }

int GridTextModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridTextModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return cell(index.column(), index.row() + 1);
}

QVariant GridTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return cell(section, 0);
}

}  // namespace vantor::ui
