#include "analysis/clipboard_text.h"

#include <gtest/gtest.h>

#include "analysis/copy_titles.h"
#include "text/encoding.h"
#include "text/formatted.h"

using namespace vantor;

namespace {

// A grid whose cell (c, r) reads "c,r".
GridCells numbered(int cols, int rows) {
    return {cols, rows, [](int c, int r) { return formatted("%d,%d", c, r); }};
}

}  // namespace

TEST(ClipboardText, TitleThenRowsTabSeparatedEachEndingInCrLfCellsAsTheyAre) {
    EXPECT_EQ(clipboardText(numbered(3, 2), "T"), "T\r\n0,0\t1,0\t2,0\r\n0,1\t1,1\t2,1\r\n"_sjis);
    EXPECT_EQ(clipboardText(numbered(2, 1), "T"), "T\r\n0,0\t1,0\r\n"_sjis) << "a header-only grid";
    const GridCells odd{3, 1, [](int c, int) -> SjisString {
                            return SjisString(c == 0 ? "a\tb"_sjis : c == 1 ? ""_sjis : "c\r\nd"_sjis);
                        }};
    EXPECT_EQ(clipboardText(odd, ""), "\r\na\tb\t\tc\r\nd\r\n"_sjis);
}

TEST(ClipboardText, BoundsAreBroughtInsideOrGiveNothing) {
    const GridCells grid = numbered(3, 3);
    EXPECT_EQ(clipboardText(grid, -2, -1, "T", 7, 9), clipboardText(grid, "T"));
    EXPECT_EQ(clipboardText(grid, 1, 1, "T", 1, 2), "T\r\n1,1\t2,1\r\n"_sjis);
    EXPECT_EQ(clipboardText(grid, 2, 0, "T", 0, 1), ""_sjis) << "last column before the first";
    EXPECT_EQ(clipboardText(grid, 0, 2, "T", 1, 2), ""_sjis) << "last row before the first";
    EXPECT_EQ(clipboardText(grid, 3, 0, "T", 2, 5), ""_sjis) << "first column beyond the grid";
    EXPECT_EQ(clipboardText(grid, 0, 3, "T", 5, 2), ""_sjis) << "first row beyond the grid";
    EXPECT_EQ(clipboardText(grid, -3, 0, "T", 2, -1), ""_sjis) << "negative last column";
}

TEST(CopyTitles, CardCheckNamesTheRaceSearchListTheCriterionUnderTheDate) {
    const SjisString dateLine = utf8ToCp932("2024年 5月26日東京 2回12日");
    EXPECT_EQ(cp932ToUtf8(cardCheckCopyTitle(dateLine, "2024052605021201")),
              "2024年 5月26日東京 2回12日 1R【臨戦態勢ﾁｪｯｸ】");
    EXPECT_EQ(cp932ToUtf8(searchListCopyTitle(dateLine, utf8ToCp932("格言２該当馬"))),
              "2024年 5月26日【格言２該当馬】");
}
