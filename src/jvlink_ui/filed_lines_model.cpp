#include "jvlink_ui/filed_lines_model.h"

#include "text/qt_text.h"

namespace vantor {

int FiledLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant FiledLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_) return {};
    return toQString(lines_[static_cast<std::size_t>(index.row())]);
}

void FiledLinesModel::append(SjisView line) { lines_.append(line); }

void FiledLinesModel::showAppended() {
    const int size = static_cast<int>(lines_.size());
    if (size == shown_) return;
    beginInsertRows({}, shown_, size - 1);
    shown_ = size;
    endInsertRows();
}

void FiledLinesModel::clear() {
    beginResetModel();
    lines_.clear();
    shown_ = 0;
    endResetModel();
}

}  // namespace vantor
