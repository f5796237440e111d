// The window's export into an SQLite file, with the dialogs answered as a
// user would.

#include <gtest/gtest.h>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "export_store.h"
#include "shell/main_form.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "support/run_command.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(folder.paths().dayFile("2024年05月26日", ".jvRA"),
                        (test::raRecord({}) + test::raRecord({.race = 12})).bytes());
        form = std::make_unique<TMainForm>(std::make_unique<test::FakeJVLink>());
    }

    test::RunningProgramFolder folder;
    ui::MessageBoxHook boxes;
    ui::FileDialogHook dialogs;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(ExportCommand, TheChosenFileGetsTheStoreAndTheExportsMessage) {
    const fs::path file = folder / "races.sqlite";
    dialogs.answer(QString::fromStdString(file.string()));
    form->SqlExportItem->trigger();
    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_EQ(dialogs.requests()[0].caption, QStringLiteral("SQLiteへ書き出し"));
    EXPECT_EQ(dialogs.requests()[0].startFolder, QString::fromStdString((folder.path() / "vantor.sqlite").string()));
    // The day's race file and the marks file the window keeps open.
    EXPECT_EQ(boxes.shown(), QStringList{QStringLiteral("SQLiteへ書き出しました。書き出したファイル：2、"
                                                        "変更のないファイル：0、ストアから消えたファイル：0")});
    EXPECT_EQ(test::count(file, "races"), 2);
    EXPECT_EQ(test::count(file, "mark_sets"), 8);
}

TEST_F(ExportCommand, DamagedStoreFilesAreNamedInJapaneseLikeTheRest) {
    const fs::path damaged = folder.paths().dayFile("2024年06月01日", ".jvRA");
    const SjisString whole = test::raRecord({.date = 20240601});
    test::writeFile(damaged, whole.bytes().substr(0, whole.size() - 100));
    dialogs.answer(QString::fromStdString((folder / "races.sqlite").string()));
    form->SqlExportItemClick();
    EXPECT_EQ(boxes.shown(), QStringList{QStringLiteral("SQLiteへ書き出しました。書き出したファイル：2、"
                                                        "変更のないファイル：0、ストアから消えたファイル：0\n"
                                                        "壊れているため飛ばしたファイル：1\n  ") +
                                         QString::fromStdString(fs::relative(damaged, folder.path()).string())});
}

TEST_F(ExportCommand, AForeignFileIsReplacedOnlyWhenTheUserSaysYes) {
    const fs::path file = folder / "notes.txt";
    test::writeFile(file, "a text the user keeps, long enough for a database header\n");
    const QString refusal =
        QStringLiteral("「%1」はSQLiteのデータベースではありません。\n新しい書き出しで置き換えますか？")
            .arg(QString::fromStdString(file.string()));
    dialogs.answer(QString::fromStdString(file.string()));
    form->SqlExportItemClick();  // no answer: No
    EXPECT_EQ(boxes.shown(), QStringList{refusal});
    EXPECT_EQ(test::readFile(file), "a text the user keeps, long enough for a database header\n");

    boxes.clear();
    boxes.answer(true);
    dialogs.answer(QString::fromStdString(file.string()));
    form->SqlExportItemClick();
    EXPECT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(test::count(file, "races"), 2);
}

TEST_F(ExportCommand, AnotherDatabaseOrAnExportOfAnotherFormatIsSaidInJapanese) {
    const fs::path other = folder / "other.sqlite", older = folder / "older.sqlite";
    test::runCommand("sqlite3 " + test::shellWord(other.string()) + " 'CREATE TABLE trainers (name TEXT)'");
    dialogs.answer(QString::fromStdString(older.string()));
    form->SqlExportItemClick();
    test::runCommand("sqlite3 " + test::shellWord(older.string()) + " 'PRAGMA user_version = 7'");
    boxes.clear();
    for (const fs::path& file : {other, older}) {
        dialogs.answer(QString::fromStdString(file.string()));
        form->SqlExportItemClick();  // no answer: No
    }
    const QString replace = QStringLiteral("\n新しい書き出しで置き換えますか？");
    EXPECT_EQ(boxes.shown(),
              (QStringList{QStringLiteral("「%1」はVantorの書き出しではない、別のデータベースです。")
                                   .arg(QString::fromStdString(other.string())) +
                               replace,
                           QStringLiteral("「%1」は形式7の書き出しです（このVantorは形式2で書き出します）。")
                                   .arg(QString::fromStdString(older.string())) +
                               replace}));
}
