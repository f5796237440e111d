// The main window's odds commands, with the dialogs answered as a user would.

#include <gtest/gtest.h>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "demo/lzh_writer.h"
#include "settings/odds_folder.h"
#include "settings/program_settings.h"
#include "shell/main_form.h"
#include "store/store_paths.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

class OddsCommands : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<TMainForm>(std::make_unique<test::FakeJVLink>()); }
    fs::path archive(const std::string& name, const std::string& member, const std::string& data) {
        const std::vector<demo::LzhMember> members = {{member, data, {}}};
        const fs::path path = oddsFolder / name;
        test::writeFile(path, demo::lzhArchive(members, 2, 1716681600));
        return path;
    }

    test::RunningProgramFolder folder;
    const fs::path oddsFolder = folder / "yLzh";
    ui::MessageBoxHook boxes;
    ui::FileDialogHook dialogs;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(OddsCommands, ImportOfTheChosenArchiveStartsInTheOddsFolder) {
    dialogs.answer(qpath(archive("OZ240526.lzh", "Oz240526.txt", "05242c0116  12.5\r\n")));
    form->YozBtnClick();
    ASSERT_EQ(dialogs.requests().size(), 1u);
    const ui::FileDialogHook::Request& asked = dialogs.requests().front();
    EXPECT_EQ(asked.caption, QStringLiteral("開く"));
    EXPECT_EQ(asked.startFolder, qpath(oddsFolder));  // the default "ylzh" is the store's "yLzh"
    EXPECT_EQ(asked.filter, QStringLiteral("KOLｵｯｽﾞ（j*.lzh）,JRDBｵｯｽﾞ(OZ*.lzh) (j*.lzh OZ*.lzh)"));
    EXPECT_EQ(boxes.shown(),
              QStringList{QStringLiteral("JRDB基準オッズデータを解凍し、2024年05月26日のデータを保存しました。"
                                         "データを再読込すると反映されます。")});
    EXPECT_EQ(boxes.beeps(), 0);
    EXPECT_TRUE(fs::exists(folder.paths().dayFile("2024年05月26日", ".yoz")));
}

TEST_F(OddsCommands, CancelDoesNothingAndFailuresBeep) {
    const fs::path broken = oddsFolder / "OZ240526.lzh";
    test::writeFile(broken, "damaged");
    dialogs.answer(std::nullopt);
    form->YozBtnClick();
    EXPECT_TRUE(boxes.shown().isEmpty());

    dialogs.answer(qpath(broken));
    form->YozBtnClick();
    EXPECT_EQ(boxes.shown(), QStringList{QStringLiteral("データが解凍できませんでした。")});
    EXPECT_EQ(boxes.beeps(), 1);
}

TEST_F(OddsCommands, TheChosenFolderIsKeptForTheNextImport) {
    const fs::path other = folder / "odds josé 日本";
    fs::create_directories(other);
    dialogs.answer(qpath(other));
    form->yosohaitomenuClick();
    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_EQ(dialogs.requests()[0].caption, QStringLiteral("単勝予想配当ﾃﾞｰﾀﾌｫﾙﾀﾞの指定"));
    EXPECT_EQ(dialogs.requests()[0].startFolder, qpath(oddsFolder));
    EXPECT_EQ(programSettings().ReadString("Dir", "yoso", "").bytes(), other.string());  // the file system's bytes

    form->YozBtnClick();  // no answer left: cancelled
    ASSERT_EQ(dialogs.requests().size(), 2u);
    EXPECT_EQ(dialogs.requests()[1].startFolder, qpath(other));
}

TEST_F(OddsCommands, AFolderThatCannotBeKeptIsReported) {
    const fs::path settings = programSettings().filePath();
    fs::remove(settings);
    fs::create_directory(settings);  // the settings file's name taken by a folder
    dialogs.answer(qpath(folder.path()));
    form->yosohaitomenuClick();
    EXPECT_EQ(boxes.shown(),
              QStringList{QStringLiteral("設定ファイル「%1」に保存できませんでした。").arg(qpath(settings))});
    EXPECT_EQ(boxes.beeps(), 1);
}

TEST(OddsFolder, StoredValueAsItIsOtherwiseTheStoresOddsFolderInAnyCase) {
    test::TempDir app;
    TIniGT ini;
    ini.setFileName((app / "vantor.ini").string());
    EXPECT_EQ(oddsArchiveFolder(ini, app.path()), app / "ylzh");  // none yet: as spelt, to be made
    fs::create_directories(app / "YLZH");
    EXPECT_EQ(oddsArchiveFolder(ini, app.path()), app / "YLZH");
    ini.WriteString("Dir", "yoso", "\"\"");
    EXPECT_EQ(oddsArchiveFolder(ini, app.path()), fs::path());
    ASSERT_TRUE(storeOddsArchiveFolder(ini, "/srv/odds"));
    EXPECT_EQ(oddsArchiveFolder(ini, app.path()), "/srv/odds");
}
