#include "jvlink_ui/get_data_form.h"

#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "components/message_box.h"
#include "fileio/writer_lock.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/idle_jvlink.h"
#include "settings/app_dir.h"
#include "support/program_folder.h"
#include "support/records.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class GetDataFormTest : public ::testing::Test {
protected:
    GetDataFormTest() {
        setAppDir(app.path());
        writeTwoRaceNormalFeed(feed.path());
        link.JVInit("sid");
        ini.setFileName("vantor.ini");
    }
    ~GetDataFormTest() override { setAppDir({}); }

    // The list's line count and line row as the view has them.
    static int listCount(const TGetDataForm& form) { return form.listBox()->model()->rowCount(); }
    static QString listLine(const TGetDataForm& form, int row) {
        return form.listBox()->model()->index(row, 0).data().toString();
    }

    // Runs the event loop until the download timer has stopped.
    void waitForDownload(TGetDataForm& form) {
        for (int i = 0; i < 500 && form.statusTimer()->isActive(); ++i) QTest::qWait(5);
    }

    ProgramFolder app;
    TempDir feed;
    FeedJVLink link{FeedSettings{feed.path(), 0, "0490"}};
    TIniGT ini;
    ui::MessageBoxHook messages;
};

}  // namespace

TEST_F(GetDataFormTest, WithoutLastTimeItOffersSetupDataFrom180DaysAgo) {
    TGetDataForm form(nullptr, link, app.path());
    EXPECT_TRUE(form.setupButton()->isChecked());
    const qint64 days = form.datePicker()->dateTime().daysTo(QDateTime::currentDateTime());
    EXPECT_EQ(days, 180);
    EXPECT_EQ(form.startPointLabel()->text(),
              form.datePicker()->dateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    EXPECT_TRUE(form.startPointLabel()->isHidden());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ＪＶデータ取込"));
}

TEST_F(GetDataFormTest, LastTimeSelectsNormalDataFromThatPoint) {
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, link, app.path());
    EXPECT_TRUE(form.normalButton()->isChecked());
    EXPECT_EQ(form.startPointLabel()->text(), QStringLiteral("2024/05/01 10:20:30"));
}

TEST_F(GetDataFormTest, AnImpossibleLastTimeCountsAsAbsent) {
    ini.WriteString("JvDataGet", "LastTime", "2026/02/30 10:00:00");
    TGetDataForm form(nullptr, link, app.path());
    EXPECT_TRUE(form.setupButton()->isChecked());
    EXPECT_EQ(form.datePicker()->dateTime().daysTo(QDateTime::currentDateTime()), 180);
}

TEST_F(GetDataFormTest, ALastTimeThatCannotBeSavedIsAnError) {
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, link, app.path());
    fs::remove(ini.filePath());
    fs::create_directory(ini.filePath());
    form.ButtonStartClick();
    waitForDownload(form);
    EXPECT_EQ(messages.shown().back(), QStringLiteral("前回取得日時を設定ファイルに保存できませんでした。"));
    EXPECT_NE(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
    EXPECT_EQ(form.startPointLabel()->text(), QStringLiteral("2024/05/01 10:20:30"));
}

TEST_F(GetDataFormTest, StartReadsEverythingAndShowsTheNewStartPoint) {
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, link, app.path());
    form.ButtonStartClick();
    waitForDownload(form);
    ASSERT_GE(messages.shown().size(), 1);
    EXPECT_EQ(
        messages.shown().front(),
        QStringLiteral("2024年05月01日10時20分30秒以降のデータ取込を開始します。データ作成が終了するまで本ソフトを"
                       "操作したり他のアプリケーションを操作することは極力避けてください。"));
    EXPECT_EQ(messages.shown().size(), 1);  // no error
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
    EXPECT_EQ(form.startPointLabel()->text(), QStringLiteral("2024/05/27 09:00:00"));
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/27 09:00:00"_sjis);
    EXPECT_EQ(form.readBar()->value(), 0);
    ASSERT_EQ(listCount(form), 1);
    EXPECT_EQ(listLine(form, 0), QStringLiteral("作成済み:2020100001.jvUM2"));
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月26日.jvRA"));
}

// An end before the last file is said in the list and keeps the start point.
TEST_F(GetDataFormTest, AnEarlyEndIsListedAndKeepsTheStartPoint) {
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    link.faults().add("JVRead", 3, jv::kEndOfAll);
    TGetDataForm form(nullptr, link, app.path());
    form.ButtonStartClick();
    waitForDownload(form);
    EXPECT_EQ(messages.shown().size(), 1);  // the start notice, no error
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("JVRead EndOfFile :0データ読込み未完了(0/2)"));
    ASSERT_GE(listCount(form), 1);
    EXPECT_EQ(listLine(form, listCount(form) - 1),
              QStringLiteral("読込み未完了:2ファイル中0ファイルで終了しました。前回取得日時は更新しません"));
    EXPECT_EQ(form.startPointLabel()->text(), QStringLiteral("2024/05/01 10:20:30"));
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/01 10:20:30"_sjis);
}

TEST_F(GetDataFormTest, PacedDownloadRunsOnTheTimer) {
    FeedJVLink paced(FeedSettings{feed.path(), 20, "0490"});
    paced.JVInit("sid");
    paced.faults().add("JVStatus", 1, 7);  // above the count: no step
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, paced, app.path());
    form.ButtonStartClick();
    EXPECT_TRUE(form.statusTimer()->isActive());
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("ダウンロード中・・・"));
    EXPECT_EQ(form.downloadBar()->maximum(), 2);
    waitForDownload(form);
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
    EXPECT_GE(paced.faults().calls("JVStatus"), 2);
}

TEST_F(GetDataFormTest, CancelAsksFirstAndNoLeavesItRunning) {
    FeedJVLink paced(FeedSettings{feed.path(), 50, "0490"});
    paced.JVInit("sid");
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, paced, app.path());
    form.ButtonStartClick();
    ASSERT_TRUE(form.statusTimer()->isActive());
    messages.answer(false);
    form.ButtonCancelClick();
    EXPECT_EQ(messages.shown().back(), QStringLiteral("データ取込を中止します。実行しますか？"));
    EXPECT_TRUE(form.statusTimer()->isActive());
    EXPECT_EQ(paced.faults().calls("JVCancel"), 0);
    messages.answer(true);
    form.ButtonCancelClick();
    EXPECT_FALSE(form.statusTimer()->isActive());
    EXPECT_EQ(paced.faults().calls("JVCancel"), 1);
    EXPECT_EQ(CancelFlag, 1);
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("JVCancel:キャンセルされました"));
    EXPECT_EQ(messages.shown().back(), QStringLiteral("JVCancel:キャンセルされました"));
    // The open was closed: a new start works.
    messages.clear();
    form.ButtonStartClick();
    waitForDownload(form);
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
}

// While a long file is read, the list already shows its lines on screen,
// and a cancel in the middle keeps every line filed so far.
TEST_F(GetDataFormTest, TheListShowsLinesWhileTheyArriveAndACancelKeepsThem) {
    TempDir bigFeed;
    SjisString records;
    for (int n = 0; n < 30000; ++n) records += seRecord({.race = n % 12 + 1}, n % 18 + 1, "2020100001", "2");
    writeFile(bigFeed / "normal/20240526180000_CARD.jvd", records.bytes());
    FeedJVLink big(FeedSettings{bigFeed.path(), 0, "0490"});
    big.JVInit("sid");

    for (const bool cancel : {false, true}) {
        ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
        TGetDataForm form(nullptr, big, app.path());
        form.show();
        int shownWhileReading = 0;
        bool onScreen = false;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const int count = listCount(form);
            if (count == 0 || shownWhileReading > 0) return;
            shownWhileReading = count;
            const QRect first = form.listBox()->visualRect(form.listBox()->model()->index(0, 0));
            onScreen = form.listBox()->indexAt(first.center()).row() == 0;
            if (!cancel) return;
            messages.answer(true);
            form.ButtonCancelClick();
        });
        probe.start(0);
        form.ButtonStartClick();
        waitForDownload(form);
        ASSERT_GT(shownWhileReading, 0) << "no line was shown before the read ended";
        EXPECT_LT(shownWhileReading, 30000);
        EXPECT_TRUE(onScreen);
        if (cancel) {
            EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("JVCancel:キャンセルされました"));
            EXPECT_GE(listCount(form), shownWhileReading);
            EXPECT_LT(listCount(form), 30000);
        } else {
            EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
            EXPECT_EQ(listCount(form), 30000);
        }
    }
}

TEST_F(GetDataFormTest, ErrorsAreReportedWithTheirPrefixes) {
    link.faults().add("JVSetUIProperties", 1, -100);
    link.faults().add("JVOpen", 1, -1);
    TGetDataForm form(nullptr, link, app.path());
    form.SpeedButton1Click();
    EXPECT_EQ(
        messages.shown().back(),
        QStringLiteral("JVSetUIPropertiesエラー：パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"));
    form.ButtonStartClick();
    EXPECT_EQ(messages.shown().back(), QStringLiteral("最新のデータがありません。"));
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
}

TEST_F(GetDataFormTest, ClosingIsRefusedWhileAnAcquisitionRuns) {
    FeedJVLink paced(FeedSettings{feed.path(), 50, "0490"});
    paced.JVInit("sid");
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, paced, app.path());
    form.show();
    form.ButtonStartClick();
    ASSERT_TRUE(form.statusTimer()->isActive());
    form.close();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible()) << "the dialog stays while the download runs";
    waitForDownload(form);
    EXPECT_EQ(form.progressLabel()->text(), QStringLiteral("データ作成が完了しました。"));
    form.close();
    EXPECT_FALSE(form.isVisible()) << "once the read has ended it closes";
}

TEST_F(GetDataFormTest, ACancelledDownloadLetsItClose) {
    FeedJVLink paced(FeedSettings{feed.path(), 50, "0490"});
    paced.JVInit("sid");
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm again(nullptr, paced, app.path());
    again.show();
    again.ButtonStartClick();
    ASSERT_TRUE(again.statusTimer()->isActive());
    messages.answer(true);
    again.ButtonCancelClick();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
}

TEST_F(GetDataFormTest, TheStartPickerShowsTheLongDateAndKeepsTheTime) {
    ini.WriteString("JvDataGet", "LastTime", "2024/05/01 10:20:30");
    TGetDataForm form(nullptr, link, app.path());
    EXPECT_EQ(form.datePicker()->displayFormat(), QStringLiteral("yyyy年M月d日"));
    EXPECT_EQ(form.datePicker()->text(), QStringLiteral("2024年5月1日"));
    EXPECT_EQ(form.datePicker()->dateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
              QStringLiteral("2024/05/01 10:20:30"));
}

TEST(AcquisitionDialogLock, WhileAnotherProgramWritesTheFolderItSaysWhoAndOpensNoDialog) {
    const TempDir app;
    auto held = WriterLock::take(app.path(), "vantor-cli acquire", false);
    ASSERT_TRUE(std::holds_alternative<WriterLock>(held));
    ui::MessageBoxHook boxes;
    bool opened = false;
    // A dialog that opened after all is closed again, so the test ends.
    QTimer::singleShot(1000, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    IdleJVLink link;
    runAcquisitionDialog(nullptr, link, app.path());
    EXPECT_FALSE(opened);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_TRUE(boxes.shown()[0].contains(QStringLiteral("vantor-cli acquire"))) << boxes.shown()[0].toStdString();
}
