// The window's writers keep the analysis database up to date: the odds
// import brings its odds in, a damaged file is rebuilt with a message, and
// the acquisition dialog's update runs once it closed, the folder still
// locked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "demo/lzh_writer.h"
#include "export/analysis_db.h"
#include "export_store.h"
#include "fileio/writer_lock.h"
#include "jvlink_ui/get_data_form.h"
#include "shell/main_form.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

class AnalysisDbWindow : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(folder.paths().dayFile("2024年05月26日", ".jvRA"),
                        (test::raRecord({}) + test::raRecord({.race = 12})).bytes());
        form = std::make_unique<TMainForm>(std::make_unique<test::FakeJVLink>());
    }

    test::RunningProgramFolder folder;
    const fs::path db = sqlexport::analysisDbPath(folder.path());
    ui::MessageBoxHook boxes;
    ui::FileDialogHook dialogs;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(AnalysisDbWindow, TheOddsImportBringsItsOddsIn) {
    std::string line = "05242c1116 12.5";
    line += std::string(955 - line.size(), ' ') + "\r\n";
    const demo::LzhMember member{"Oz240526.txt", line, {}};
    const fs::path archive = folder / "yLzh" / "OZ240526.lzh";
    test::writeFile(archive, demo::lzhArchive({&member, 1}, 1, 1716681600));
    dialogs.answer(QString::fromStdString(archive.string()));
    form->YozBtnClick();
    ASSERT_TRUE(fs::exists(folder.paths().dayFile("2024年05月26日", ".yoz")));
    EXPECT_EQ(test::count(db, "races"), 2);
    EXPECT_GT(test::count(db, "predicted_odds"), 0);
    EXPECT_EQ(test::count(db, "mark_sets"), 8) << "the marks file the window keeps open";
    EXPECT_EQ(boxes.shown().size(), 1) << "the import's own message only";
}

TEST_F(AnalysisDbWindow, ADamagedFileIsRebuiltWithAMessageAndThenUsedQuietly) {
    test::writeFile(db, "not a database, and long enough to be read as a header of one\n");
    form->updateAnalysisDb();
    EXPECT_EQ(boxes.shown(),
              QStringList{QStringLiteral("分析用データベースが使えない状態だったため、作り直しました。\n") +
                          QString::fromStdString(db.string()) + QStringLiteral(" is not an SQLite database")});
    EXPECT_EQ(test::count(db, "races"), 2);
    form->updateAnalysisDb();
    EXPECT_EQ(boxes.shown().size(), 1);
}

TEST_F(AnalysisDbWindow, TheAcquisitionDialogsUpdateRunsAfterItClosedUnderTheLock) {
    bool closedFirst = false, locked = false;
    QTimer::singleShot(200, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    test::FakeJVLink link;
    runAcquisitionDialog(nullptr, link, folder.path(), [&] {
        closedFirst = QApplication::activeModalWidget() == nullptr;
        locked = std::holds_alternative<std::string>(WriterLock::take(folder.path(), "test", false));
    });
    EXPECT_TRUE(closedFirst);
    EXPECT_TRUE(locked) << "the update ran without the writer lock";
}
