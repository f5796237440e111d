#include "components/string_grid.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include "components/grid_text_model.h"

namespace vantor::ui {

// The table itself: reports mouse releases and resizes to the grid.
class GridView : public QTableView {
public:
    GridView(TStringGrid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {}
    void refreshGeometries() { updateGeometries(); }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QTableView::mousePressEvent(event);
        // The fixed columns take no focus: a click there gives the keys to the grid.
        grid_.view().setFocus(Qt::MouseFocusReason);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QTableView::mouseReleaseEvent(event);
        grid_.mouseReleased();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTableView::mouseDoubleClickEvent(event);
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) emit grid_.cellDoubleClicked(index.column(), index.row() + 1);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (grid_.keyPressed(event->key(), event->modifiers())) return event->accept();
        QTableView::keyPressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        const QModelIndex index = indexAt(event->pos());
        if (!index.isValid()) return;
        emit grid_.cellMenuRequested(index.column(), index.row() + 1, event->globalPos());
    }
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = index.isValid() ? grid_.toolTipOf(index.column(), index.row() + 1) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    void resizeEvent(QResizeEvent* event) override {
        QTableView::resizeEvent(event);
        grid_.updateFrozenGeometry();
    }

private:
    TStringGrid& grid_;
};

// The header row, painted cell by cell like the rest of the grid.
class GridHeader : public QHeaderView {
public:
    GridHeader(TStringGrid& grid, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), grid_(grid) {
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setSectionResizeMode(QHeaderView::Fixed);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        const int line = TStringGrid::gridLineWidth();
        painter->save();
        grid_.paintCell(*painter, logicalIndex, 0, rect.adjusted(0, 0, -line, -line), false);
        painter->restore();
        painter->setPen(grid_.gridLineColor());
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    }

private:
    TStringGrid& grid_;
};

class GridCellDelegate : public QAbstractItemDelegate {
public:
    GridCellDelegate(TStringGrid& grid, QObject* parent) : QAbstractItemDelegate(parent), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        grid_.paintCell(*painter, index.column(), index.row() + 1, option.rect,
                        option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {}; }

private:
    TStringGrid& grid_;
};

TStringGrid::TStringGrid(QWidget* parent)
    : QWidget(parent), model_(new GridTextModel(this)), view_(new GridView(*this, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    configureView(*view_);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.isValid() ? current.row() + 1 : -1); });
    setDefaultRowHeight(24);
    setRowCount(2);
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::configureView(GridView& view) {
    view.setHorizontalHeader(new GridHeader(*this, &view));
    view.setModel(model_);
    view.setItemDelegate(new GridCellDelegate(*this, &view));
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);
}

int TStringGrid::colCount() const { return model_->colCount(); }

void TStringGrid::setColCount(int count) {
    model_->setColCount(count);
    updateFrozenColumns();
}

int TStringGrid::rowCount() const { return model_->gridRowCount(); }

void TStringGrid::setRowCount(int count) { model_->setGridRowCount(count); }

void TStringGrid::setFixedCols(int count) {
    fixedCols_ = std::max(count, 0);
    if (fixedCols_ > 0 && !frozen_) {
        frozen_ = new GridView(*this, view_);
        configureView(*frozen_);
        frozen_->setSelectionModel(view_->selectionModel());
        frozen_->setSelectionBehavior(view_->selectionBehavior());
        frozen_->setSelectionMode(view_->selectionMode());
        frozen_->setFocusPolicy(Qt::NoFocus);
        frozen_->setFrameStyle(QFrame::NoFrame);
        frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen_->horizontalHeader()->setFixedHeight(rowHeight(0));
        frozen_->verticalHeader()->setDefaultSectionSize(defaultRowHeight());
        for (int row = 1; row < rowCount(); ++row) frozen_->setRowHeight(row - 1, rowHeight(row));
        for (int col = 0; col < colCount(); ++col) frozen_->setColumnWidth(col, colWidth(col));
        view_->viewport()->stackUnder(frozen_);
        connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, view_->verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(view_->verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
                &QAbstractSlider::setValue);
        frozen_->show();
    }
    updateFrozenColumns();
}

void TStringGrid::updateFrozenColumns() {
    if (!frozen_) return;
    for (int col = 0; col < colCount(); ++col) frozen_->setColumnHidden(col, col >= fixedCols_);
    frozen_->setVisible(fixedCols_ > 0);
    updateFrozenGeometry();
}

void TStringGrid::updateFrozenGeometry() {
    if (!frozen_) return;
    int width = 0;
    for (int col = 0; col < std::min(fixedCols_, colCount()); ++col) width += view_->columnWidth(col);
    const int frame = view_->frameWidth();
    frozen_->setGeometry(frame, frame, width, view_->viewport()->height() + view_->horizontalHeader()->height());
}

QString TStringGrid::cell(int col, int row) const { return model_->cell(col, row); }

SjisView TStringGrid::cellSjis(int col, int row) const { return model_->cellSjis(col, row); }

void TStringGrid::setCell(int col, int row, SjisView sjis) { model_->setCell(col, row, sjis); }

void TStringGrid::setDefaultColWidth(int width) {
    defaultColWidth_ = width;
    for (GridView* view : {view_, frozen_}) {
        if (view) view->horizontalHeader()->setDefaultSectionSize(width);
    }
    for (int col = 0; col < colCount(); ++col) setColWidth(col, width);
}

int TStringGrid::colWidth(int col) const { return view_->columnWidth(col); }

void TStringGrid::setColWidth(int col, int width) {
    for (GridView* view : {view_, frozen_}) {
        if (view) view->setColumnWidth(col, width);
    }
    updateFrozenGeometry();
}

void TStringGrid::setDefaultRowHeight(int height) {
    for (GridView* view : {view_, frozen_}) {
        if (view) view->verticalHeader()->setDefaultSectionSize(height);
    }
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
}

int TStringGrid::defaultRowHeight() const { return view_->verticalHeader()->defaultSectionSize(); }

int TStringGrid::rowHeight(int row) const {
    if (row == 0) return view_->horizontalHeader()->height();
    if (row < 0 || row >= rowCount()) return defaultRowHeight();
    return view_->rowHeight(row - 1);
}

void TStringGrid::setRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount()) return;
    for (GridView* view : {view_, frozen_}) {
        if (!view) continue;
        if (row == 0) {
            view->horizontalHeader()->setFixedHeight(height);
            view->refreshGeometries();
        } else {
            view->setRowHeight(row - 1, height);
        }
    }
    updateFrozenGeometry();
}

void TStringGrid::setRowSelect(bool on) {
    for (GridView* view : {view_, frozen_}) {
        if (view) view->setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    }
}

void TStringGrid::setRangeSelect(bool on) {
    for (GridView* view : {view_, frozen_}) {
        if (view)
            view->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    }
}

void TStringGrid::clearSelection() { view_->selectionModel()->clear(); }

int TStringGrid::currentRow() const {
    const QModelIndex current = view_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

void TStringGrid::setCurrentRow(int row) {
    if (row < 1 || row >= rowCount()) return view_->selectionModel()->clearCurrentIndex();
    const QModelIndex current = view_->selectionModel()->currentIndex();
    view_->setCurrentIndex(model_->index(row - 1, current.isValid() ? current.column() : 0));
}

bool TStringGrid::keyPressed(int key, Qt::KeyboardModifiers modifiers) const {
    return onKeyPress_ && onKeyPress_(key, modifiers);
}

QString TStringGrid::toolTipOf(int col, int row) const { return onToolTip_ ? onToolTip_(col, row) : QString(); }

void TStringGrid::mouseReleased() {
    // The current cell stays: it is where the keys go.
    if (clearOnMouseUp_) view_->selectionModel()->clearSelection();
}

void TStringGrid::setOnDrawCell(DrawCellHandler handler) {
    onDrawCell_ = std::move(handler);
    updateCells();
}

void TStringGrid::updateCells() {
    view_->viewport()->update();
    view_->horizontalHeader()->viewport()->update();
    if (frozen_) frozen_->viewport()->update();
}

QTableView& TStringGrid::view() { return *view_; }

QColor TStringGrid::gridLineColor() const {
    QStyleOptionViewItem option;
    option.initFrom(view_);
    return QColor::fromRgba(
        static_cast<QRgb>(view_->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, view_)));
}

void TStringGrid::paintCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) const {
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const bool shownSelected = selected && col >= fixedCols_;
    if (onDrawCell_)
        onDrawCell_(painter, col, row, rect, shownSelected);
    else
        drawDefaultCell(painter, col, row, rect, shownSelected);
}

void TStringGrid::drawDefaultCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) const {
    const bool fixed = row == 0 || col < fixedCols_;
    const QPalette& colours = palette();
    QColor fill = colours.color(QPalette::Base);
    QColor text = colours.color(QPalette::Text);
    if (fixed) {
        fill = colours.color(QPalette::Button);
        text = colours.color(QPalette::ButtonText);
    } else if (selected) {
        fill = colours.color(QPalette::Highlight);
        text = colours.color(QPalette::HighlightedText);
    }
    painter.fillRect(rect, fill);
    painter.setPen(text);
    painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell(col, row));
}

}  // namespace vantor::ui
