// vantor-cli stats on hand-made races: its tables, a name several people
// share, bad options, an analysis database it has to make anew, and the
// record of a mark set.

#include <gtest/gtest.h>

#include "hand_made_records.h"
#include "support/run_command.h"
#include "text/formatted.h"
#include "usermarks/user_marks_file.h"

namespace vantor::test {
namespace {

class StatsCommand : public ::testing::Test {
protected:
    void SetUp() override { fillHandRides(store); }
    // Its tables; with messages, what it says on standard error too.
    CommandOutput stats(const std::string& options, bool messages = false) {
        return runCommand("(" + std::string(VANTOR_CLI) + " --app-dir " + shellWord(store.appDir().string()) +
                          " stats " + options + (messages ? " 2>&1)" : " 2>/dev/null)"));
    }
    ExportStore store;
};

TEST_F(StatsCommand, PrintsTheRecordAsCsvAndAsAlignedText) {
    const auto csv = stats(std::string("--jockey ") + kJockey + " --from 2023-01-01 --to 2024-12-31 --by going --csv");
    ASSERT_EQ(csv.status, 0) << csv.text;
    EXPECT_EQ(csv.text,
              "馬場,出走,1着,2着,3着,着外,勝率,連対率,複勝率,単回収率,複回収率\n"
              "良,2,1,0,0,1,50.0,50.0,50.0,135.0,65.0\n"
              "稍重,2,1,1,0,0,50.0,100.0,100.0,75.0,250.0\n"
              "重,1,0,0,1,0,0.0,0.0,100.0,0.0,400.0\n"
              "計,5,2,1,1,1,40.0,60.0,80.0,84.0,206.0\n");

    // Text: the title, then lines as wide as each other (figures right-aligned), full-width characters two columns.
    const auto text = stats(std::string("--jockey ") + kJockey + " --from 2023-01-01 --to 2024-12-31");
    ASSERT_EQ(text.status, 0) << text.text;
    const auto out = lines(text.text);
    ASSERT_EQ(out.size(), 5u);  // title, heading, 東京, 中山, 計
    EXPECT_EQ(out[0], "騎手 手作騎手 (01001) 2023-01-01～2024-12-31");
    for (std::size_t i = 2; i < out.size(); ++i) EXPECT_EQ(utf8ToCp932(out[i]).size(), utf8ToCp932(out[1]).size());
    EXPECT_TRUE(out[4].starts_with("計"));
}

TEST_F(StatsCommand, ANameOfSeveralPeopleListsThemAndExitsTwo) {
    const auto shared = stats("--jockey 手作騎手", true);
    EXPECT_EQ(shared.status, 2);
    EXPECT_NE(shared.text.find(std::string(kJockey) + "  手作騎手"), std::string::npos) << shared.text;
    EXPECT_NE(shared.text.find(std::string(kNamesake) + "  手作騎手"), std::string::npos) << shared.text;
    EXPECT_EQ(stats("--jockey 無名").status, 1);
    // A part of one name is enough.
    EXPECT_EQ(stats("--jockey 別").status, 0);
}

TEST_F(StatsCommand, BadOptionsExitTwoBeforeAnythingIsRead) {
    for (const char* bad :
         {"", "--jockey 01001 --trainer 05001", "--jockey ''", "--jockey 01001 --going 雨",
          "--jockey 01001 --surface 砂", "--jockey 01001 --distance 1800-1600", "--jockey 01001 --distance 1600",
          "--jockey 01001 --by weather", "--jockey 01001 --course 11", "--jockey 01001 --from 2024-02-30",
          "--jockey 01001 --from 2024-05-01 --to 2024-04-01", "--jockey 01001 extra",
          "--jockey 01001 --day 2024年05月26日"}) {
        EXPECT_EQ(stats(bad).status, 2) << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(store.appDir() / "analysis.sqlite"));
}

TEST_F(StatsCommand, ADamagedAnalysisDatabaseIsMadeAnew) {
    writeFile(store.appDir() / "analysis.sqlite", std::string(4096, 'x'));
    const auto answered = stats(std::string("--jockey ") + kJockey + " --csv", true);
    EXPECT_EQ(answered.status, 0) << answered.text;
    EXPECT_NE(answered.text.find("the analysis database was rebuilt"), std::string::npos) << answered.text;
    EXPECT_NE(answered.text.find("計,3,"), std::string::npos) << answered.text;
}

// Marks typed as the window types them, the file held open: ◎ on both horses
// of the dead heat, ○ on the scratched and the excluded horse, ▲ on the
// pulled-up one, 注 on the dirt race's 3rd, △ on a ride before the twelve
// months, × on the card entry, and of set 4 the namesake's winner.
void markRides(UserMarksFile& file) {
    const auto& r = handRides();
    const HandRide card{{.date = 20240601, .course = "05", .race = 1}, 1, kJockey, 0};
    for (const auto& [ride, mark, set] : {std::tuple{&r[0], UserMark::honmei, 3},
                                          {&r[1], UserMark::honmei, 3},
                                          {&r[2], UserMark::taikou, 3},
                                          {&r[3], UserMark::taikou, 3},
                                          {&r[4], UserMark::tanana, 3},
                                          {&r[5], UserMark::chui, 3},
                                          {&r[7], UserMark::renka, 3},
                                          {&card, UserMark::keshi, 3},
                                          {&r[8], UserMark::honmei, 4}}) {
        const RaceId& id = ride->race;
        const auto key = formatted("%08d%s%02d%02d%02d", id.date, id.course, id.meeting, id.day, id.race);
        ASSERT_FALSE(file.setMark(key.bytes(), ride->umaban, set, mark));
    }
}

TEST_F(StatsCommand, TheRecordOfAMarkSetCountsMarksTypedAfterTheDatabaseWasMade) {
    EXPECT_EQ(lines(stats("--marks 3 --csv").text).back(), "計,0,0,0,0,0,0.0,0.0,0.0,0.0,0.0");
    ASSERT_TRUE(std::filesystem::exists(store.appDir() / "analysis.sqlite"));
    EXPECT_FALSE(std::filesystem::exists(userMarksPath(store.appDir())));  // read, never made

    auto writer = std::get<UserMarksFile>(UserMarksFile::open(userMarksPath(store.appDir())));
    markRides(writer);
    EXPECT_EQ(stats("--marks 3 --csv").text,
              "印,出走,1着,2着,3着,着外,勝率,連対率,複勝率,単回収率,複回収率\n"
              "◎,2,2,0,0,0,100.0,100.0,100.0,230.0,130.0\n"
              "○,0,0,0,0,0,0.0,0.0,0.0,0.0,0.0\n"
              "▲,1,0,0,0,1,0.0,0.0,0.0,0.0,0.0\n"
              "△,0,0,0,0,0,0.0,0.0,0.0,0.0,0.0\n"
              "☆,0,0,0,0,0,0.0,0.0,0.0,0.0,0.0\n"
              "×,0,0,0,0,0,0.0,0.0,0.0,0.0,0.0\n"
              "注,1,0,0,1,0,0.0,0.0,100.0,0.0,400.0\n"
              "計,4,2,0,1,1,50.0,50.0,75.0,115.0,165.0\n");

    // The filters apply; the title names the set as the user named it.
    ASSERT_FALSE(writer.setSetName(3, "本紙"));
    const auto out = lines(stats("--marks 3 --from 2023-01-01 --to 2024-12-31 --surface 芝").text);
    ASSERT_EQ(out.size(), 10u);  // title, heading, seven marks, 計
    EXPECT_EQ(out[0], "本紙 2023-01-01～2024-12-31 芝");
    EXPECT_TRUE(out[5].starts_with("△     1    1")) << out[5];
    EXPECT_TRUE(out[9].starts_with("計     4    3")) << out[9];
    EXPECT_TRUE(lines(stats("--marks 4").text)[0].starts_with("印4 "));
}

TEST_F(StatsCommand, MarkSetOptionsAndADamagedMarksFile) {
    for (const char* bad : {"--marks 0", "--marks 9", "--marks x", "--marks 1 --jockey 01001",
                            "--jockey 01001 --marks 1", "--marks 1 --by going", "--marks 1 --going 雨"}) {
        EXPECT_EQ(stats(bad).status, 2) << bad;
    }
    const std::string damage(4096, 'x');
    writeFile(userMarksPath(store.appDir()), damage);
    const auto damaged = stats("--marks 1", true);
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.text.find("usermarks.sqlite"), std::string::npos) << damaged.text;
    EXPECT_EQ(readFile(userMarksPath(store.appDir())), damage);
}

}  // namespace
}  // namespace vantor::test
