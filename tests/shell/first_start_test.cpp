// The first start on a freshly generated demo: the feed is filed at once,
// its analysis database built, and the window opens on the newest race
// day's first race.

#include "shell/first_start.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "components/message_box.h"
#include "components/string_grid.h"
#include "export/analysis_db.h"
#include "export/export_store.h"
#include "jvlink/feed_jvlink.h"
#include "settings/app_dir.h"
#include "settings/ini_gt.h"
#include "shell/main_form.h"
#include "store/program_folder.h"
#include "support/records.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;

TEST(FirstStart, TheGeneratedDemoIsFiledAndTheNewestDayShown) {
    TempDir app, feed;
    setAppDir(app.path());
    ASSERT_EQ(enterProgramFolder(app.path()), std::nullopt);
    const RaceId older{.date = 20240519, .race = 1}, newer{.date = 20240526, .race = 1};
    const auto runner = [](const RaceId& id) { return seBuilder(id, 1).number(jvdata::se::Wakuban, 1).take(); };
    writeFile(
        feed / "setup/20240527060000_RACE.jvd",
        (raRecord(older, 1) + runner(older) + raRecord(newer, 1) + runner(newer) + umRecord("2020100001")).bytes());
    // Files before the demo's first day stay out.
    writeFile(feed / "setup/20240527060000_OLD.jvd", raRecord({.date = 20230101}, 1).bytes());
    FeedJVLink link(FeedSettings{feed.path(), 0, "0490"});
    TIniGT ini;
    ini.setFileName("vantor.ini");
    ui::MessageBoxHook messages;

    // A read that JV-Link ends before the last file is said, and keeps no start time;
    // the list's end also says what was read and not filed (the race before the first day).
    link.faults().add("JVRead", 2, jv::kEndOfAll);
    EXPECT_EQ(fileGeneratedDemo(link, app.path(), ini, 20240519),
              "読込み未完了:2ファイル中0ファイルで終了しました。前回取得日時は更新しません\n"
              "読込んで保存しなかったレコード:RA 1件\n");
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), ""_sjis);

    EXPECT_EQ(fileGeneratedDemo(link, app.path(), ini, 20240519), "");
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/27 06:00:00"_sjis);
    EXPECT_FALSE(std::filesystem::exists(app / "DATA" / "2023年01月01日.jvRA"));

    // The analysis database holds what was filed, with the record views'
    // indexes, before the window opens: its first record view reads at once.
    const auto db = sqlexport::analysisDbPath(app.path());
    EXPECT_EQ(queryRow(db, "SELECT count(*) FROM races"), Row{2LL});
    for (const auto& index : sqlexport::analysisDbIndexes())
        EXPECT_EQ(queryRow(db, "SELECT count(*) FROM sqlite_schema WHERE name = '" + index.name + "'"), Row{1LL})
            << index.name;

    TMainForm form(std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"}));
    form.showNewestDay();
    ASSERT_EQ(form.DateCombo->count(), 2);
    EXPECT_EQ(form.DateCombo->currentText(), QStringLiteral("2024年05月26日"));
    ASSERT_EQ(form.DatList->count(), 1);
    EXPECT_EQ(form.DatList->currentRow(), 0);
    EXPECT_EQ(form.StringGrid4->cell(1, 1), QStringLiteral("01"));
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().join(QStringLiteral("|")).toStdString();
    setAppDir({});
}
