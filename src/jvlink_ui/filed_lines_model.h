#pragma once
// The acquisition dialog's list of filed lines. The lines stay packed as
// Shift-JIS and become display text only for the rows a view paints.
// Lines added while records are read reach the view in batches, so that
// the view takes in a batch once per window refresh, not once per record.

#include <QAbstractListModel>

#include "jvlink_ui/packed_lines.h"
#include "text/sjis.h"

namespace vantor {

class FiledLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Keeps a line; views see it from the next showAppended.
    void append(SjisView line);
    // Shows views the lines appended since the last call.
    void showAppended();
    void clear();

private:
    PackedLines lines_;
    int shown_ = 0;  // the lines views know of
};

}  // namespace vantor
