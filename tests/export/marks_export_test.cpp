// The user's marks file in the export: its marks, notes and set names as
// tables, read without a change to it; a missing or damaged file leaves the
// tables empty with a message and the rest of the export as it is.

#include <gtest/gtest.h>

#include "hand_made_store.h"
#include "usermarks/user_marks_export.h"
#include "usermarks/user_marks_file.h"

namespace vantor::test {
namespace {

using Rows = std::vector<Row>;

class MarksExport : public ::testing::Test {
protected:
    void SetUp() override { fillHandMadeStore(store); }

    sqlexport::ExportReport exportTo(const std::filesystem::path& file) {
        sqlexport::ExportOptions options;
        options.sideSources.push_back(&source);
        return store.exportTo(file, options);
    }
    std::filesystem::path marksPath() const { return userMarksPath(store.appDir()); }
    UserMarksFile openMarks() {
        auto opened = UserMarksFile::open(marksPath());
        EXPECT_TRUE(std::holds_alternative<UserMarksFile>(opened));
        return std::move(std::get<UserMarksFile>(opened));
    }
    // The marks file's folder: the file and what lies beside it.
    std::map<std::string, std::string> marksFolder() const {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(store.appDir()))
            if (e.is_regular_file()) files[e.path().filename().string()] = readFile(e.path());
        return files;
    }

    ExportStore store;
    UserMarksExportSource source{store.appDir()};
    std::filesystem::path db = store / "vantor.sqlite";
};

TEST_F(MarksExport, MarksNotesAndSetNamesAreTablesAndTheFileStaysAsItWas) {
    {
        UserMarksFile marks = openMarks();
        EXPECT_FALSE(marks.setMark("2024052605021211", 3, 1, UserMark::honmei));
        EXPECT_FALSE(marks.setMark("2024052605021211", 5, 2, UserMark::chui));
        EXPECT_FALSE(marks.setRaceNote("2024052605021211", "先行有利\n雨"));
        EXPECT_FALSE(marks.setHorseNote("2021100001", "左回り得意"));
        EXPECT_FALSE(marks.setSetName(2, "本紙"));
    }
    const auto folder = marksFolder();
    const auto report = exportTo(db);
    EXPECT_TRUE(report.notices.empty());
    EXPECT_EQ(marksFolder(), folder);
    EXPECT_EQ(query(db, "SELECT race_date, jyocd_name, racenum, umaban, mark_set, mark FROM marks ORDER BY umaban"),
              (Rows{{"2024-05-26", "東京", 11LL, 3LL, 1LL, "◎"}, {"2024-05-26", "東京", 11LL, 5LL, 2LL, "注"}}));
    EXPECT_EQ(query(db, "SELECT kind, key, note FROM notes ORDER BY kind"),
              (Rows{{"horse", "2021100001", "左回り得意"}, {"race", "2024052605021211", "先行有利\n雨"}}));
    EXPECT_EQ(query(db, "SELECT mark_set, name FROM mark_sets WHERE mark_set <= 3"),
              (Rows{{1LL, "印1"}, {2LL, "本紙"}, {3LL, "印3"}}));
    // The marks join the runners they were typed on.
    EXPECT_EQ(query(db,
                    "SELECT r.bamei FROM marks m JOIN runners r USING (race_date, jyocd, kaiji, nichiji, "
                    "racenum, umaban) WHERE m.mark = '◎'"),
              (Rows{{"テストホース"}}));
    EXPECT_EQ(exportTo(db).filesRead, 0);
}

TEST_F(MarksExport, AMarkTypedWhileTheWindowHoldsTheFileIsExportedNextTime) {
    UserMarksFile marks = openMarks();
    EXPECT_FALSE(marks.setMark("2024052605021211", 3, 1, UserMark::honmei));
    exportTo(db);
    EXPECT_EQ(count(db, "marks"), 1);
    // The change sits in the writer's journal until the file is closed.
    EXPECT_FALSE(marks.setMark("2024052605021211", 3, 1, UserMark::taikou));
    EXPECT_EQ(exportTo(db).filesRead, 1);
    EXPECT_EQ(query(db, "SELECT mark FROM marks"), (Rows{{"○"}}));
}

TEST_F(MarksExport, AMissingMarksFileGivesEmptyTablesADamagedOneAMessage) {
    auto report = exportTo(db);
    EXPECT_TRUE(report.notices.empty()) << report.notices.front();
    EXPECT_FALSE(std::filesystem::exists(marksPath()));
    EXPECT_EQ(count(db, "races"), 2);
    EXPECT_EQ(count(db, "marks"), 0);

    {
        UserMarksFile marks = openMarks();
        EXPECT_FALSE(marks.setMark("2024052605021211", 3, 1, UserMark::honmei));
    }
    exportTo(db);
    EXPECT_EQ(count(db, "marks"), 1);
    // The file's pages overwritten halfway, as a failing disk leaves it.
    std::string bytes = readFile(marksPath());
    for (std::size_t i = 100; i < bytes.size(); ++i) bytes[i] = '\x5a';
    writeFile(marksPath(), bytes);
    const auto folder = marksFolder();
    report = exportTo(db);
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(report.notices[0],
              marksPath().string() + " は印のファイルとして読めません。表 marks、notes、mark_sets は空にしました");
    EXPECT_EQ(marksFolder(), folder);  // nothing kept aside, nothing made
    EXPECT_EQ(count(db, "marks"), 0);
    EXPECT_EQ(count(db, "mark_sets"), 0);
    EXPECT_EQ(count(db, "runners"), 2);
    // Read again by the next export, which says it again.
    EXPECT_EQ(exportTo(db).notices.size(), 1u);
}

}  // namespace
}  // namespace vantor::test
