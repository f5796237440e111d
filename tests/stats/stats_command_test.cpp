// vantor-cli stats on hand-made races: its tables, a name several people
// share, bad options, and an analysis database it has to make anew.

#include <gtest/gtest.h>

#include "hand_made_records.h"
#include "support/run_command.h"

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

}  // namespace
}  // namespace vantor::test
