#pragma once
// The cell texts of a TStringGrid, addressed as (column, row) like the grid.
// Each cell keeps the core's Shift-JIS bytes beside the text it shows, made
// from them once, so that painting, copying and sorting read exactly what
// the core gave: a round trip through Unicode is not lossless (CP932 has
// two codes for some characters, such as 髙 EE E0 and FB FC).
//
// Grid row 0 is the header row; it is handed to the view as the horizontal
// header's data, so model row r holds grid row r + 1.

#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <vector>

#include "text/sjis.h"

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
    // The bytes stay valid until the cell is written again or leaves the grid.
    SjisView cellSjis(int col, int row) const;
    void setCell(int col, int row, SjisView sjis);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell {
        SjisString sjis;
        QString text;  // sjis as shown
    };
    bool contains(int col, int row) const;
    const Cell* at(int col, int row) const;

    int cols_ = 0;
    std::vector<std::vector<Cell>> rows_ = std::vector<std::vector<Cell>>(1);  // rows_[row][col]
};

}  // namespace vantor::ui
