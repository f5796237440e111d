// The acquisition dialog's packed list of filed lines and the model a list
// view shows them through.

#include <gtest/gtest.h>

#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "jvlink_ui/filed_lines_model.h"
#include "jvlink_ui/packed_lines.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

using namespace vantor;

namespace {

// Line n of a set whose lengths vary from empty to a few hundred bytes.
SjisString numberedLine(int n) { return formatted("%d", n) + SjisString(static_cast<std::size_t>(n % 301), 'x'); }

}  // namespace

TEST(PackedLines, KeepsEveryLineInOrderAcrossBlocksAndAfterAClear) {
    PackedLines lines;
    for (int round = 0; round < 2; ++round) {
        constexpr int kLines = 40000;          // some 6 MB: several blocks
        const SjisString huge(3u << 20, 'h');  // longer than a block
        for (int n = 0; n < kLines; ++n) {
            lines.append(numberedLine(n));
            if (n == kLines / 2) lines.append(huge);
        }
        lines.append("");
        ASSERT_EQ(lines.size(), kLines + 2u);
        for (int n = 0; n < kLines; ++n) {
            const std::size_t i = static_cast<std::size_t>(n > kLines / 2 ? n + 1 : n);
            ASSERT_EQ(lines[i], numberedLine(n)) << "line " << i;
        }
        EXPECT_EQ(lines[kLines / 2 + 1], huge);
        EXPECT_EQ(lines[kLines + 1], ""_sjis);
        lines.clear();
        EXPECT_EQ(lines.size(), 0u);
    }
}

TEST(FiledLinesModel, ViewsSeeAppendedLinesInBatchesAsUnicodeText) {
    FiledLinesModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    // The NEC row and half-width katakana are in filed lines' horse and race names.
    model.append(sjis("作成済み:2020100001.jvUM2"));
    model.append(sjis("①ｱｲｳ"));
    EXPECT_EQ(model.rowCount(), 0) << "lines wait for showAppended";
    model.showAppended();
    model.append("11R/2024");
    model.showAppended();
    model.showAppended();  // nothing new: no signal

    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 1);
    EXPECT_EQ(inserted[1][1].toInt(), 2);
    EXPECT_EQ(inserted[1][2].toInt(), 2);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("作成済み:2020100001.jvUM2"));
    EXPECT_EQ(model.index(1).data().toString(), QStringLiteral("①ｱｲｳ"));
    EXPECT_EQ(model.index(2).data().toString(), QStringLiteral("11R/2024"));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.append("not yet shown");
    model.clear();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);
    model.append("after");
    model.showAppended();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("after"));
}

// A set-up lists a million lines: the view scrolls down to the last one.
TEST(FiledLinesModel, AListViewScrollsToTheLastOfAMillionLines) {
    FiledLinesModel model;
    constexpr int kLines = 1'000'000;
    for (int n = 0; n < kLines; ++n) model.append(numberedLine(n % 1000) + formatted("%d", n));
    model.showAppended();
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.scrollToBottom();
    QApplication::processEvents();
    const QRect lastRect = view.visualRect(model.index(kLines - 1));
    EXPECT_TRUE(view.viewport()->rect().contains(lastRect.bottomLeft())) << "the last line is on screen";
    const QModelIndex last = view.indexAt(lastRect.center());
    EXPECT_EQ(last.row(), kLines - 1);
    EXPECT_EQ(last.data().toString().toStdString(), cp932ToUtf8(numberedLine(999) + formatted("%d", kLines - 1)));
}
