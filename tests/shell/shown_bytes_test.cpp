// The window hands the core the bytes it was given, never a text converted
// back from a widget: CP932 has two codes for 髙 (EE E0 and FB FC) that show
// as the same character, and a round trip through Unicode keeps only one.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>

#include "components/string_grid.h"
#include "shell/grid_copy.h"
#include "shell/sjis_items.h"

using namespace vantor;

TEST(ShownBytes, GridCellsAndLabelsCopyAsTheBytesTheyWereSetFrom) {
    QLabel title;
    setSjisText(title, "\xEE\xE0"_sjis);
    EXPECT_EQ(title.text(), QStringLiteral("髙"));
    EXPECT_EQ(labelSjis(title), "\xEE\xE0"_sjis);

    ui::TStringGrid grid;
    grid.setColCount(2);
    grid.setRowCount(2);
    grid.setCell(0, 0, "\xEE\xE0"_sjis);
    grid.setCell(1, 1, "\xFB\xFC"_sjis);
    EXPECT_EQ(gridCopyText(grid, labelSjis(title)), "\xEE\xE0\r\n\xEE\xE0\t\r\n\t\xFB\xFC\r\n"_sjis);

    QLabel plain;
    EXPECT_EQ(labelSjis(plain), ""_sjis) << "a label never set from bytes gives none";
}

TEST(ShownBytes, ListItemsGiveTheirBytesToTheDelegateThatDrawsThem) {
    QListWidget list;
    setItems(list, {SjisString("\xEE\xE0"_sjis), SjisString("\xFB\xFC"_sjis)});
    EXPECT_EQ(itemSjis(list.model()->index(0, 0)), "\xEE\xE0"_sjis);
    EXPECT_EQ(itemSjis(list.model()->index(1, 0)), "\xFB\xFC"_sjis);
    EXPECT_EQ(itemSjis(list.model()->index(5, 0)), ""_sjis);
}
