// The acquisition dialog over JV-Link under Wine, with the bridge built for
// Linux standing in: the store is the one the feed-folder JV-Link files,
// the window keeps its turns while the bridge works, and a cancel during
// the open or the download is said once and converges on the next run.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "components/message_box.h"
#include "jvlink/bridge_jvlink.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink_ui/get_data_form.h"
#include "settings/app_dir.h"
#include "support/broken_wine.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "support/scoped_env.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class WineDialogTest : public ::testing::Test {
protected:
    WineDialogTest() {
        writeTwoRaceNormalFeed(feed.path());
        fs::create_directories(base / "prefix/drive_c");
        writeFile(base / "vantor-jvbridge.exe", "a Windows program");
        // What the feed folder JV-Link files, for comparison.
        setAppDir(expected.path());
        FeedJVLink direct(FeedSettings{feed.path(), 0, "0490"});
        direct.JVInit("sid");
        acquire(direct, expected.path());
        fs::remove_all(feed / "cache");
        setAppDir(app.path());
        link.setWaiter([this] {
            ++waits;
            QCoreApplication::processEvents();
        });
        link.JVInit("sid");
        messages.clear();
    }
    ~WineDialogTest() override { setAppDir({}); }

    // Starts an acquisition of normal data in a dialog and waits for its end.
    void acquire(JVLink& through, const fs::path& folder, const std::function<void(TGetDataForm&)>& during = {}) {
        TGetDataForm form(nullptr, through, folder);
        form.normalButton()->setChecked(true);
        form.datePicker()->setDateTime(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
        if (during) during(form);
        form.ButtonStartClick();
        for (int i = 0; i < 1000 && form.statusTimer()->isActive(); ++i) QTest::qWait(5);
        label = form.progressLabel()->text();
    }

    bool sameStore() const {
        return snapshot(app / "DATA") == snapshot(expected / "DATA") &&
               snapshot(app / "SEI") == snapshot(expected / "SEI") &&
               snapshot(app / "UM2") == snapshot(expected / "UM2");
    }

    TempDir feed, base;
    ProgramFolder expected, app;
    ScopedEnv stubFeed{"VANTOR_STUB_FEED", feed.path().string()};
    // Longer than one wait step, as Wine's start is: the window gets its turns.
    ScopedEnv slowStart{"VANTOR_STUB_START_MS", "50"};
    BridgeJVLink link{{VANTOR_STREAM_STUB, base / "prefix", base / "vantor-jvbridge.exe"}};
    ui::MessageBoxHook messages;
    int waits = 0;
    QString label;
};

}  // namespace

TEST_F(WineDialogTest, TheDialogFilesWhatTheFeedFolderJVLinkFilesAndTheWindowKeepsItsTurns) {
    acquire(link, app.path());
    EXPECT_EQ(label, QStringLiteral("データ作成が完了しました。"));
    EXPECT_EQ(messages.shown().size(), 1)
        << messages.shown().join(QStringLiteral("|")).toStdString();  // the start notice
    EXPECT_TRUE(sameStore());
    EXPECT_GT(waits, 0);
    EXPECT_TRUE(processesOfPrefix(base / "prefix").empty());
}

TEST_F(WineDialogTest, ACancelWhileJVLinkOpensIsSaidOnceAndTheNextRunConverges) {
    acquire(link, app.path(), [this](TGetDataForm& form) {
        // Clicked while the bridge is still starting: inside the open's wait.
        QTimer::singleShot(0, &form, [this, &form] {
            messages.answer(true);
            form.ButtonCancelClick();
        });
    });
    const QStringList said = messages.shown();
    EXPECT_EQ(said.count(QStringLiteral("JVCancel:キャンセルされました")), 1)
        << said.join(QStringLiteral("|")).toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("最新のデータがありません。")));
    EXPECT_TRUE(snapshot(app / "DATA").empty());  // stopped before anything was read
    EXPECT_TRUE(processesOfPrefix(base / "prefix").empty());

    CancelFlag = 0;
    messages.clear();
    acquire(link, app.path());
    EXPECT_EQ(label, QStringLiteral("データ作成が完了しました。"));
    EXPECT_TRUE(sameStore());
}

TEST_F(WineDialogTest, ACancelDuringTheDownloadConvergesOnTheNextRun) {
    {
        const ScopedEnv pace("VANTOR_STUB_PACE_MS", "300");
        acquire(link, app.path(), [this](TGetDataForm& form) {
            QTimer::singleShot(100, &form, [this, &form] {
                messages.answer(true);
                form.ButtonCancelClick();
            });
        });
    }
    EXPECT_EQ(label, QStringLiteral("JVCancel:キャンセルされました"));
    EXPECT_TRUE(processesOfPrefix(base / "prefix").empty());
    CancelFlag = 0;
    acquire(link, app.path());
    EXPECT_EQ(label, QStringLiteral("データ作成が完了しました。"));
    EXPECT_TRUE(sameStore());
}

TEST_F(WineDialogTest, AWineThatCannotStartIsSaidWithWhatToDo) {
    const BrokenWines wines = writeBrokenWines(base / "wines");
    BridgeJVLink broken{{wines.cannotExecute.string(), base / "prefix", base / "vantor-jvbridge.exe"}};
    acquire(broken, app.path());
    const QString shown = messages.shown().join(QStringLiteral("|"));
    EXPECT_TRUE(shown.contains(QStringLiteral("32 ビットの部分が動きません"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("「JVLink設定」で指定してください"))) << shown.toStdString();
    EXPECT_NE(label, QStringLiteral("データ作成が完了しました。"));
}
