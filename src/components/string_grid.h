#pragma once
// TStringGrid: the grid every window uses. A table of text cells whose row 0
// is the header row (it stays in place when the grid scrolls down) and whose
// first fixedCols columns stay in place when it scrolls sideways.
//
// Cells are addressed (column, row) with row 0 the header row. Column
// widths and row heights are in pixels and include the grid line on the
// right and bottom of each cell, so a cell's painting rectangle is one pixel
// narrower and lower than its width and height.
//
// Painting: by default each cell is filled (fixed cells in the button
// colour, selected ones in the highlight colour, others in the base colour)
// and its text drawn at left + 2, top + 2. A draw-cell handler, when set,
// paints every cell instead; it may call drawDefaultCell first. The painter
// it gets is clipped to the cell and carries the grid's font and text colour.

#include <QWidget>
#include <functional>

#include "text/sjis.h"

class QPainter;
class QTableView;

namespace vantor::ui {

class GridTextModel;
class GridView;

class TStringGrid : public QWidget {
    Q_OBJECT
public:
    using DrawCellHandler = std::function<void(QPainter& painter, int col, int row, const QRect& rect, bool selected)>;
    // Takes a key pressed in the grid before the grid moves with it; true when it took it.
    using KeyHandler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
    // The tooltip of a cell; empty for none.
    using ToolTipHandler = std::function<QString(int col, int row)>;

    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int colCount() const;
    void setColCount(int count);
    // Rows including the header row; at least 1.
    int rowCount() const;
    void setRowCount(int count);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int count);

    // A cell as shown, and the Shift-JIS bytes it was set from (valid
    // until the cell is written again); handlers read the bytes.
    QString cell(int col, int row) const;
    SjisView cellSjis(int col, int row) const;
    void setCell(int col, int row, SjisView sjis);

    // Sets every column to width.
    void setDefaultColWidth(int width);
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    // Sets every row, the header row included, to height; rows added later get it too.
    void setDefaultRowHeight(int height);
    int defaultRowHeight() const;
    // Row 0 is the header row.
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);

    // A click selects whole rows instead of single cells.
    void setRowSelect(bool on);
    // Dragging or shift-clicking selects a range instead of one cell or row.
    void setRangeSelect(bool on);
    // After every mouse release the selection is emptied, so nothing stays
    // highlighted; the current cell stays.
    void setClearSelectionOnMouseUp(bool on) { clearOnMouseUp_ = on; }
    // Empties the selection and forgets the current cell.
    void clearSelection();
    // The row of the current cell, which a click and the arrow keys move;
    // -1 when there is none. Setting a row outside the data rows clears it.
    int currentRow() const;
    void setCurrentRow(int row);

    void setOnKeyPress(KeyHandler handler) { onKeyPress_ = std::move(handler); }
    void setOnToolTip(ToolTipHandler handler) { onToolTip_ = std::move(handler); }

    void setOnDrawCell(DrawCellHandler handler);
    // Paints every cell again, as after a change of what the handler draws from.
    void updateCells();
    void drawDefaultCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) const;
    static constexpr int gridLineWidth() { return 1; }

    // The scrolling table that shows the grid.
    QTableView& view();

signals:
    // The context menu was asked for over cell (col, row) at globalPos.
    void cellMenuRequested(int col, int row, const QPoint& globalPos);
    // Cell (col, row) of a data row was double-clicked.
    void cellDoubleClicked(int col, int row);
    // The current row changed (a click, the arrow keys, setCurrentRow).
    void currentRowChanged(int row);

private:
    friend class GridView;
    friend class GridHeader;
    friend class GridCellDelegate;

    // Paints one cell through the handler or the default painting.
    void paintCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) const;
    QColor gridLineColor() const;
    void mouseReleased();
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers) const;
    QString toolTipOf(int col, int row) const;
    void configureView(GridView& view);
    void updateFrozenColumns();
    void updateFrozenGeometry();
    void refreshGeometries();

    GridTextModel* model_;
    GridView* view_;
    GridView* frozen_ = nullptr;  // the fixed columns, laid over the left edge of view_
    DrawCellHandler onDrawCell_;
    KeyHandler onKeyPress_;
    ToolTipHandler onToolTip_;
    int fixedCols_ = 0;
    int defaultColWidth_ = 64;
    bool clearOnMouseUp_ = false;
};

}  // namespace vantor::ui
