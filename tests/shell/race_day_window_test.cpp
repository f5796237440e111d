// The main window with a stored race day: choosing the day and a race puts
// the core's texts on screen, and the results fetch adds payouts.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "analysis/race_card.h"
#include "components/label3d.h"
#include "components/message_box.h"
#include "components/string_grid.h"
#include "jvlink/feed_jvlink.h"
#include "painting/race_card_cell.h"
#include "shell/main_form.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/qt_text.h"

using namespace vantor;
using namespace vantor::test;

namespace {

SjisString runner(const RaceId& id, int horse, int bracket, const char* kind, int position) {
    return seBuilder(id, horse, horse == 1 ? "2020100001" : "2020100002", kind)
        .number(jvdata::se::Wakuban, bracket)
        .text(jvdata::se::Bamei, utf8ToCp932(horse == 1 ? "アオイホシ" : "アカイホシ"))
        .text(jvdata::se::SexCD, "2")
        .number(jvdata::se::Barei, 3)
        .number(jvdata::se::KakuteiJyuni, position)
        .take();
}

class RaceDayWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // Race 11 is complete; race 12 has a runner without a bracket.
        StoreBatch batch;
        RecordFiler filer(app.paths(), batch);
        std::vector<SjisString> lines;
        const auto file = [&](SjisView r) { filer.fileAcquired(r, 20240101, lines); };
        file(raBuilder(r11, 2, "2")
                 .text(jvdata::ra::GradeCD, "B")
                 .text(jvdata::ra::JyokenCD, "016", 5)
                 .text(jvdata::ra::TrackCD, "24")
                 .number(jvdata::ra::Kyori, 1600)
                 .text(jvdata::ra::HassoTime, "1540")
                 .take());
        file(runner(r11, 1, 1, "2", 0));
        file(runner(r11, 2, 2, "2", 0));
        file(raRecord(r12, 1, "2"));
        file(runner(r12, 1, 0, "2", 0));
        batch.flush();
        // The day's results wait in the feed's real-time folder.
        const SjisString results = runner(r11, 1, 1, "7", 2) + runner(r11, 2, 2, "7", 1) +
                                   hrBuilder(r11)
                                       .number(jvdata::hr::TanUmaban, 2)
                                       .number(jvdata::hr::TanPay, 340)
                                       .number(jvdata::hr::TanNinki, 1)
                                       .take();
        writeFile(feed / "realtime/20240526/20240526170000_RT.jvd", results.bytes());
    }

    std::unique_ptr<TMainForm> openDay() {
        auto link = std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"});
        link->JVInit("sid");
        auto form = std::make_unique<TMainForm>(std::move(link));
        EXPECT_EQ(form->DateCombo->count(), 1);
        form->DateCombo->setCurrentIndex(0);
        form->DateComboChange();
        return form;
    }

    const RaceId r11{.race = 11}, r12{.race = 12};
    RunningProgramFolder app;
    TempDir feed;
    ui::MessageBoxHook messages;
};

}  // namespace

TEST_F(RaceDayWindow, ChoosingTheDayShowsItsFirstRace) {
    auto form = openDay();
    ASSERT_EQ(form->DatList->count(), 2);
    EXPECT_EQ(form->DatList->item(0)->text(), QStringLiteral("東京 2回12日11R"));
    EXPECT_EQ(form->DatList->currentRow(), 0);
    EXPECT_FALSE(form->PageControl1->isHidden());
    EXPECT_EQ(form->Label3D1->text(), QStringLiteral("G2   "));
    EXPECT_EQ(form->Label3D4->text(), QStringLiteral("2024年 5月26日東京 2回12日"));
    EXPECT_EQ(form->Label3D7->text(), QStringLiteral("1600万円下"));
    EXPECT_EQ(form->Label3D8->text(), QStringLiteral("ﾀﾞ右"));
    EXPECT_EQ(form->Label3D110->text(), QStringLiteral("15時40分発走"));
    EXPECT_EQ(form->StringGrid1->rowCount(), 3);
    EXPECT_EQ(form->StringGrid1->cell(5, 2).trimmed(), QStringLiteral("アカイホシ"));
    EXPECT_EQ(form->StringGrid1->cell(6, 1), QStringLiteral("牝 3"));
    EXPECT_EQ(form->StringGrid4->cell(1, 2), QStringLiteral("02"));
    EXPECT_EQ(form->KekkaLabels[0]->text(), QString());  // no payouts yet
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(RaceDayWindow, AnIncompleteRaceSaysSoAndKeepsThePagesHidden) {
    auto form = openDay();
    form->DatList->setCurrentRow(1);
    form->DatListClick();
    ASSERT_FALSE(messages.shown().isEmpty());
    EXPECT_EQ(messages.shown().back(), QStringLiteral("東京12Rはデータ作成が未完了です。"));
    EXPECT_TRUE(form->PageControl1->isHidden());
}

namespace {

// A mouse click on row `row` of a list, as the user gives it.
void clickRow(QListWidget& list, int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

}  // namespace

TEST_F(RaceDayWindow, ClickingTheChosenRaceOrInitialAgainRunsItsClickAgain) {
    auto form = openDay();
    form->show();
    messages.clear();
    clickRow(*form->DatList, 1);
    clickRow(*form->DatList, 1);
    EXPECT_EQ(messages.shown(), QStringList(2, QStringLiteral("東京12Rはデータ作成が未完了です。")))
        << "the incomplete race says so on every click, once a click";

    clickRow(*form->DatList, 0);
    form->N5->setChecked(true);
    clickRow(*form->DatList, 0);
    EXPECT_TRUE(form->Panel5->isHidden()) << "the data list hides after a click on the race already chosen";

    ASSERT_GT(form->UmaListBox->count(), 0);
    form->StringGrid3->hide();
    clickRow(*form->UmaListBox, form->UmaListBox->currentRow());
    EXPECT_FALSE(form->StringGrid3->isHidden()) << "the horse search runs again for the initial already chosen";
}

TEST_F(RaceDayWindow, ResultsFetchAddsPayoutsAndKeepsTheChosenRace) {
    auto form = openDay();
    form->KekkaGetBtnClick();
    EXPECT_EQ(form->DatList->currentRow(), 0);
    EXPECT_EQ(form->KekkaLabels[0]->text(), QStringLiteral(" 2"));
    EXPECT_EQ(form->KekkaLabels[1]->text(), QStringLiteral(" 1"));
    EXPECT_EQ(form->KekkaLabels[2]->text(), QStringLiteral("     340"));
    EXPECT_EQ(messages.beeps(), 2);  // the two closes of the fetch
}

TEST_F(RaceDayWindow, AMissingDayFileIsReported) {
    auto form = openDay();
    ASSERT_TRUE(std::filesystem::remove(StorePaths(app.path()).dayFile("2024年05月26日", ".jvRA")));
    messages.clear();
    form->DateComboChange();
    EXPECT_EQ(messages.shown(), QStringList{QStringLiteral("データ作成が未完了のようです。")});
    EXPECT_EQ(form->DatList->count(), 0);
}

// Each caption stands over what it names, and a runner's identity stays in
// the fixed columns while the rest scrolls.
TEST_F(RaceDayWindow, EachCaptionStandsOverWhatItNames) {
    auto form = openDay();
    const auto under = [](const ui::TStringGrid* grid, const QString& caption, int row) {
        for (int col = 0; col < grid->colCount(); ++col)
            if (grid->cell(col, 0) == caption) return grid->cell(col, row).trimmed();
        return QStringLiteral("<no column %1>").arg(caption);
    };
    for (const ui::TStringGrid* grid : {form->StringGrid1, form->StringGrid2}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_EQ(under(grid, QStringLiteral("枠"), 2), QStringLiteral("2"));
        EXPECT_EQ(under(grid, QStringLiteral("馬"), 2).toInt(), 2);
        EXPECT_EQ(under(grid, QStringLiteral("馬名"), 2), QStringLiteral("アカイホシ"));
    }
    EXPECT_EQ(under(form->StringGrid1, QStringLiteral("性齢"), 1), QStringLiteral("牝 3"));
    EXPECT_EQ(form->StringGrid1->rowHeight(0), form->StringGrid1->rowHeight(1)) << "one line per row";

    const ui::TStringGrid* check = form->StringGrid2;
    ASSERT_EQ(check->colCount(), kCheckGridCols);
    EXPECT_EQ(check->fixedCols(), kCheckFirstWeekColumn) << "the runner stays in view";
    for (int w = 1; w <= kWeekSlots; ++w)
        EXPECT_EQ(check->cell(kCheckFirstWeekColumn + w - 1, 0), QString::number(w) + QStringLiteral("週前"));
    EXPECT_GT(check->rowHeight(0), check->rowHeight(1)) << "captions of two lines";

    for (const ui::TStringGrid* grid : {form->StringGrid4, form->StringGrid5}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        ASSERT_EQ(grid->colCount(), card::kCardColumns);
        EXPECT_EQ(grid->fixedCols(), card::kFirstRunColumn) << "the runner stays in view beside its runs";
        EXPECT_EQ(grid->cell(card::kHorseColumn, 0), QStringLiteral("馬名"));
        EXPECT_EQ(grid->cell(card::kFirstRunColumn, 0), QStringLiteral("当該ﾚｰｽ"));
        EXPECT_EQ(grid->cell(card::kCardColumns - 1, 0), QStringLiteral("前5走"));
    }
    EXPECT_EQ(form->StringGrid4->cell(card::kNumberColumn, 2), QStringLiteral("02"));
}
