// The acquisition dialog (offscreen) over JV-Link under Wine itself: the
// x86_64 bridge and the fake JV-Link registered in a throwaway 64-bit
// prefix, which wine_dialog_end_to_end.sh makes and names in the
// environment. A set-up files the store the feed folder JV-Link files from
// the same feed; a cancel during the download and one during the read
// stop the bridge, and the next run converges.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>

#include "components/message_box.h"
#include "jvlink/bridge_jvlink.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink_ui/get_data_form.h"
#include "settings/app_dir.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

fs::path fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

const QString kCompleted = QStringLiteral("データ作成が完了しました。");
const QString kCancelled = QStringLiteral("JVCancel:キャンセルされました");

// The "LastTime" line of a program folder's settings, or nothing.
std::string lastTimeLine(const fs::path& app) {
    const std::string ini = readFile(app / "vantor.ini");
    const std::size_t at = ini.find("LastTime=");
    return at == std::string::npos ? std::string() : ini.substr(at, ini.find('\r', at) - at);
}

class UnderWineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (feed().empty()) return;
        // What the feed folder JV-Link files from the same feed (whose
        // download also fills the feed's cache, as the fake finds it).
        expected_ = new ProgramFolder;
        setAppDir(expected_->path());
        FeedJVLink direct(FeedSettings{feed(), 0, "0490"});
        direct.JVInit("sid");
        const ui::MessageBoxHook messages;
        EXPECT_EQ(setUp(direct, expected_->path()), kCompleted);
        setAppDir({});
    }
    static void TearDownTestSuite() {
        delete expected_;
        expected_ = nullptr;
    }

    void SetUp() override {
        if (feed().empty())
            GTEST_SKIP() << "needs the Wine prefix with the fake JV-Link that wine_dialog_end_to_end.sh makes";
        setAppDir(app.path());
        link.setWaiter([] { QCoreApplication::processEvents(); });
        ASSERT_EQ(link.JVInit("sid"), jv::kOk) << link.sourceProblem();
        messages.clear();
    }
    void TearDown() override {
        setAppDir({});
        CancelFlag = 0;
    }

    static fs::path feed() { return fromEnvironment("VANTOR_WINE_TEST_FEED"); }

    // A set-up acquisition from 2000 in a dialog, as a user starts it; during
    // is called with the dialog before the start. Returns the status line.
    static QString setUp(JVLink& through, const fs::path& folder,
                         const std::function<void(TGetDataForm&)>& during = {}) {
        TGetDataForm form(nullptr, through, folder);
        form.setupButton()->setChecked(true);
        form.datePicker()->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
        if (during) during(form);
        form.ButtonStartClick();
        while (form.statusTimer()->isActive()) QTest::qWait(5);
        return form.progressLabel()->text();
    }

    // Clicks "データ取込み中止" and answers Yes, as a user does: between two
    // turns of the window, not inside the step that showed progress.
    void clickCancel(TGetDataForm& form) {
        cancelClicked = true;
        QTimer::singleShot(0, &form, [this, &form] {
            messages.answer(true);
            form.ButtonCancelClick();
        });
    }

    bool sameStore() const {
        for (const char* folder : {"DATA", "SEI", "SEIR", "UM2"})
            if (snapshot(app / folder) != snapshot(*expected_ / folder)) return false;
        return true;
    }

    // Wine's helpers end a little after the bridge.
    bool prefixEmptiesSoon() const {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!processesOfPrefix(settings.prefix).empty()) {
            if (std::chrono::steady_clock::now() > until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return true;
    }

    // After a cancel: its message once, no start time kept, no process left;
    // the next run then files the whole store.
    void expectCancelledThenConverged() {
        EXPECT_EQ(messages.shown().count(kCancelled), 1);
        EXPECT_EQ(lastTimeLine(app.path()), "");
        EXPECT_TRUE(prefixEmptiesSoon());

        CancelFlag = 0;
        EXPECT_EQ(setUp(link, app.path()), kCompleted) << messages.shown().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(sameStore());
        EXPECT_TRUE(prefixEmptiesSoon());
    }

    static ProgramFolder* expected_;
    ProgramFolder app;
    WineSettings settings{fromEnvironment("VANTOR_WINE_TEST_COMMAND").string(),
                          fromEnvironment("VANTOR_WINE_TEST_PREFIX"), fromEnvironment("VANTOR_WINE_TEST_BRIDGE")};
    BridgeJVLink link{settings};
    ui::MessageBoxHook messages;
    bool cancelClicked = false;
};
ProgramFolder* UnderWineTest::expected_ = nullptr;

}  // namespace

TEST_F(UnderWineTest, TheDialogFilesWhatTheFeedFolderJVLinkFiles) {
    EXPECT_EQ(setUp(link, app.path()), kCompleted) << messages.shown().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(sameStore());
    EXPECT_EQ(lastTimeLine(app.path()), lastTimeLine(expected_->path()));
    EXPECT_NE(lastTimeLine(app.path()), "");
    EXPECT_TRUE(prefixEmptiesSoon());
}

TEST_F(UnderWineTest, ACancelDuringTheDownloadConvergesOnTheNextRun) {
    fs::remove_all(feed() / "cache");  // everything is downloaded again, slowly
    {
        const ScopedEnv pace("VANTOR_FAKE_JVLINK_PACE_MS", "300");
        const QString label = setUp(link, app.path(), [this](TGetDataForm& form) {
            QObject::connect(form.downloadBar(), &QProgressBar::valueChanged, &form, [this, &form](int value) {
                if (!cancelClicked && value >= 1 && value < form.downloadBar()->maximum()) clickCancel(form);
            });
        });
        ASSERT_TRUE(cancelClicked) << "the download showed no step before its end";
        EXPECT_EQ(label, kCancelled);
    }
    expectCancelledThenConverged();
}

TEST_F(UnderWineTest, ACancelDuringTheReadConvergesOnTheNextRun) {
    const QString label = setUp(link, app.path(), [this](TGetDataForm& form) {
        // The end of the first delivered file, of several.
        QObject::connect(form.readBar(), &QProgressBar::valueChanged, &form, [this, &form](int value) {
            if (!cancelClicked && value == 1 && form.readBar()->maximum() > 1) clickCancel(form);
        });
    });
    ASSERT_TRUE(cancelClicked) << "the read ended no file before its end";
    EXPECT_EQ(label, kCancelled);
    EXPECT_FALSE(snapshot(app / "DATA").empty());  // the first file stays filed
    EXPECT_FALSE(sameStore());
    expectCancelledThenConverged();
}
