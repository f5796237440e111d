#pragma once
// The cell texts of a TStringGrid, addressed as (column, row) like the grid.
//
// Grid row 0 is the header row; it is handed to the view as the horizontal
// header's data, so model row r holds grid row r + 1.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace vantor::ui {

class GridTextModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int colCount() const { return cols_; }
    void setColCount(int count);
    // Grid rows including the header row; never below 1.
    int gridRowCount() const { return static_cast<int>(rows_.size()); }
    void setGridRowCount(int count);

    // Empty outside the grid; writing outside the grid is ignored.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool contains(int col, int row) const;

    int cols_ = 0;
    std::vector<QStringList> rows_ = std::vector<QStringList>(1);  // rows_[row][col]
};

}  // namespace vantor::ui
