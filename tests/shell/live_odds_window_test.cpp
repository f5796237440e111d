// The main window's odds tab with a stored race day and its live files: the
// race chosen shows its live odds in the grids, in either order, copies them
// under a title line, and a day without live files shows empty cells.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "components/label3d.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "jvlink/feed_jvlink.h"
#include "painting/race_card_cell.h"
#include "shell/main_form.h"
#include "store/live_files.h"
#include "store/record_filer.h"
#include "support/live_records.h"
#include "support/ops_readers.h"
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
        const auto file = [&](SjisView r) { filer.fileAcquired(r, 20240101, lines); };
        file(raBuilder(r11, 3, "2").text(jvdata::ra::HassoTime, "1540").take());
        for (int horse = 1; horse <= 3; ++horse)
            file(seBuilder(r11, horse, horse == 1 ? "2020100001" : "2020100002", "2")
                     .number(jvdata::se::Wakuban, horse)
                     .take());
        batch.flush();
    }

    void fileOdds() {
        LiveFiler filer(app.paths(), "20240526");
        const SjisString o1 = winOddsRecord("05261030", {"0035", "0012", "0400"}, "1", 11, {2, 1, 3});
        const SjisView view = o1;
        LiveSkips skips;
        filer.file(LiveDataspec::odds, std::span(&view, 1), true, skips);
    }

    void file(LiveDataspec dataspec, std::initializer_list<SjisString> records) {
        LiveFiler filer(app.paths(), "20240526");
        std::vector<SjisView> views(records.begin(), records.end());
        LiveSkips skips;
        filer.file(dataspec, views, true, skips);
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

// The texts of a race card cell of the race shown, joined by "|".
std::string cellTexts(const TMainForm& form, int col, int runner) {
    const card::CellBox box{200, 120, 1};
    std::string texts;
    for (const draw::Text& t : textsOf(card::StringGrid4DrawCell(*form.Day, form.CurRace, runner, col, box, {}, false)))
        texts += cp932ToUtf8(t.text) + "|";
    return texts;
}

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

TEST_F(LiveOddsWindow, ScratchJockeyChangeSnapshot) {
    // Horse 2 scratched, horse 3 with a new jockey, in the one race.
    file(LiveDataspec::dayChanges,
         {avRecord("05261010", 2, "1", "001"), jcRecord("05261020", 3, "01234", "新井"),
          weRecord("00000000", '1', '2', '1', '1'), weRecord("05261015", '3', '0', '3', '2')});
    RecordBuilder wh = liveRecord(jvdata::kWhLayout, "05261025");
    wh.number(jvdata::wh::Umaban, 1, 1).number(jvdata::wh::BaTaijyu, 486, 1).text(jvdata::wh::ZogenFugo, "+", 1);
    wh.number(jvdata::wh::ZogenSa, 4, 1);
    RecordBuilder wide = liveRecord(jvdata::kO3Layout, "05261031");
    wide.text(jvdata::o3::Kumi, "0103", 2).text(jvdata::o3::OddsLow, "00015", 2).text(jvdata::o3::OddsHigh, "00021", 2);
    wide.text(jvdata::o3::Ninki, "001", 2);
    file(LiveDataspec::weights, {wh.take()});
    file(LiveDataspec::odds, {winOddsRecord("05261030", {"0035", "----", "0400"}, "1", 11, {1, 0, 2}), wide.take()});
    auto form = openDay();

    EXPECT_EQ(form->Label3D115->text(), QStringLiteral("2頭")) << "the scratch is left out of the count";
    EXPECT_EQ(form->LiveBabaLabel->text(), QStringLiteral("曇 芝:重 ダ:稍重 10:15発表"));
    EXPECT_EQ(form->LiveOddsLabel->text(), QStringLiteral("ｵｯｽﾞ 10:30 現在"));
    EXPECT_TRUE(cellTexts(*form, card::kHorseColumn, 1).find("取消 疾病") != std::string::npos)
        << cellTexts(*form, card::kHorseColumn, 1);
    EXPECT_TRUE(cellTexts(*form, card::kHorseColumn, 0).find("3.5倍 1人") != std::string::npos);
    const std::string people = cellTexts(*form, card::kPeopleColumn, 2);
    EXPECT_TRUE(people.find("旧 北原|替 新井|57.0kg|") != std::string::npos) << people;
    EXPECT_TRUE(cellTexts(*form, card::kPeopleColumn, 0).find("486(+4)") != std::string::npos);

    const auto& wideSheet = form->ComboSheets[static_cast<std::size_t>(ComboKind::wide)];
    EXPECT_EQ(column(*wideSheet.grid, 1), "1-3|");
    EXPECT_EQ(column(*wideSheet.grid, 2), "1.5-2.1|");
    EXPECT_EQ(wideSheet.timeLabel->text(), QStringLiteral("ｵｯｽﾞ 10:31 現在"));
    EXPECT_EQ(column(*form->ComboSheets[static_cast<std::size_t>(ComboKind::trifecta)].grid, 1), "|")
        << "no trifecta odds: one empty row";
    wideSheet.copyBtn->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral(
                  "2024年 5月26日東京 2回12日 ワイド ｵｯｽﾞ 10:31 現在\r\n人気\t組番\tオッズ\r\n1\t1-3\t1.5-2.1\r\n"));
    EXPECT_FALSE(form->grab().isNull());
    EXPECT_TRUE(messages.shown().isEmpty());
}
