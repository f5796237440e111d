// The main window's odds tab with a stored race day and its live files: the
// race chosen shows its live odds in the grids, in either order, copies them
// under a title line, and a day without live files shows empty cells.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "jvlink/feed_jvlink.h"
#include "shell/main_form.h"
#include "store/live_files.h"
#include "store/record_filer.h"
#include "support/live_records.h"
#include "support/program_folder.h"
#include "support/records.h"

using namespace vantor;
using namespace vantor::test;

namespace {

class LiveOddsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        StoreBatch batch;
        RecordFiler filer(app.paths(), batch);
        std::vector<SjisString> lines;
        const auto file = [&](const std::string& r) { filer.fileAcquired(r, 20240101, lines); };
        file(raBuilder(r11, 3, "2").text(jvdata::ra::HassoTime, "1540").take());
        for (int horse = 1; horse <= 3; ++horse)
            file(seBuilder(r11, horse, horse == 1 ? "2020100001" : "2020100002", "2")
                     .number(jvdata::se::Wakuban, horse)
                     .take());
        batch.flush();
    }

    void fileOdds() {
        LiveFiler filer(app.paths(), "20240526");
        const std::string o1 = winOddsRecord("05261030", {"0035", "0012", "0400"}, "1", 11, {2, 1, 3});
        const SjisView view(o1);
        filer.file(LiveDataspec::odds, std::span(&view, 1), true);
    }

    std::unique_ptr<TMainForm> openDay() {
        auto link = std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"});
        link->JVInit("sid");
        auto form = std::make_unique<TMainForm>(std::move(link));
        form->DateCombo->setCurrentIndex(0);
        form->DateComboChange();
        return form;
    }

    const RaceId r11{.race = 11};
    RunningProgramFolder app;
    TempDir feed;
    ui::MessageBoxHook messages;
};

// The column's cells under the header, each followed by "|".
std::string column(const ui::TStringGrid& grid, int col) {
    std::string texts;
    for (int r = 1; r < grid.rowCount(); ++r) texts += grid.cell(col, r).toStdString() + "|";
    return texts;
}

}  // namespace

TEST_F(LiveOddsWindow, TheRaceChosenShowsItsLiveOddsInEitherOrderAndCopiesThem) {
    fileOdds();
    auto form = openDay();
    EXPECT_EQ(form->OddsTimeLabel->text(), QStringLiteral("ｵｯｽﾞ 10:30 現在"));
    EXPECT_EQ(column(*form->WinPlaceGrid, 3), "3.5|1.2|40.0|");
    form->WinNinkiBtn->click();
    EXPECT_EQ(column(*form->WinPlaceGrid, 1), "02|01|03|");
    form->WinNumberBtn->click();
    EXPECT_EQ(column(*form->WinPlaceGrid, 1), "01|02|03|");

    form->WinPlaceCopyBtn->click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith(QStringLiteral("2024年 5月26日東京 2回12日 単勝・複勝 ｵｯｽﾞ 10:30 現在\r\n枠\t馬番\t")))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("\r\n2\t02\t")));
    EXPECT_EQ(form->QuinellaGrid->colCount(), 4) << "a column per runner and the header";
}

TEST_F(LiveOddsWindow, ADayWithoutLiveFilesShowsItsRunnersWithoutOdds) {
    auto form = openDay();
    EXPECT_EQ(form->OddsTimeLabel->text(), QStringLiteral("ｵｯｽﾞ発表なし"));
    EXPECT_EQ(column(*form->WinPlaceGrid, 1), "01|02|03|");
    EXPECT_EQ(column(*form->WinPlaceGrid, 3), "|||");
    EXPECT_TRUE(messages.shown().isEmpty());
}
