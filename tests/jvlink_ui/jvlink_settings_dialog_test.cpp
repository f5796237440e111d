// "JV-Link設定" answered as a user does, in a program folder whose paths
// hold characters of several scripts and blanks: what OK keeps is what the
// next start reads, and the feed it names is used.

#include "jvlink_ui/jvlink_settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "jvlink/feed_jvlink.h"
#include "jvlink_setup/program_jvlink.h"
#include "jvlink_setup/wine_link_settings.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "support/normal_open.h"
#include "support/records.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;
using test::openNormal;

namespace {

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

// Answers the next settings dialog: fills its path boxes and presses OK.
void answerSettingsDialog(const JVLinkChoice& typed) {
    QTimer::singleShot(0, [typed] {
        auto* dialog = qobject_cast<TJVLinkSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->folderEdit()->setText(qpath(typed.feed.feedDir));
        dialog->wineCommandEdit()->setText(QString::fromStdString(typed.wine.command));
        dialog->prefixEdit()->setText(qpath(typed.wine.prefix));
        dialog->bridgeEdit()->setText(qpath(typed.wine.bridge));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

}  // namespace

TEST(JVLinkSettingsDialog, PathsOfAnyScriptSurviveOkAndARestart) {
    const test::TempDir base;
    const fs::path app = base / "josé ü 한 日本 app";
    fs::create_directories(app);
    setAppDir(app);
    JVLinkChoice typed;
    typed.feed.feedDir = base / "Müller 한국 日本語/jv feed é";
    typed.wine = {(base / "wine 日本/bin/wine").string(), base / "prefix ü 한",
                  base / "ブリッジ é/vantor-jvbridge.exe"};
    test::writeTwoRaceNormalFeed(typed.feed.feedDir);

    TIniGT ini = programSettings();
    ProgramJVLink link(
        readJVLinkChoice(app, ini), nullptr, [](JVLinkChoice& c) { return editJVLinkChoice(nullptr, c); },
        [&ini](const JVLinkChoice& c) { return saveJVLinkChoice(ini, c); });
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    answerSettingsDialog(typed);
    ASSERT_EQ(link.JVSetUIProperties(), jv::kOk) << link.sourceProblem();
    EXPECT_EQ(link.choice().feed.feedDir, typed.feed.feedDir);
    EXPECT_EQ(openNormal(link), jv::kOk) << link.sourceProblem();

    const JVLinkChoice restarted = readJVLinkChoice(app, programSettings());
    EXPECT_EQ(restarted.feed.feedDir, typed.feed.feedDir);
    EXPECT_EQ(restarted.wine.command, typed.wine.command);
    EXPECT_EQ(restarted.wine.prefix, typed.wine.prefix);
    EXPECT_EQ(restarted.wine.bridge, typed.wine.bridge);
    FeedJVLink feed(restarted.feed);
    ASSERT_EQ(feed.JVInit("sid"), jv::kOk);
    EXPECT_EQ(openNormal(feed), jv::kOk) << feed.sourceProblem();
    setAppDir({});
}
