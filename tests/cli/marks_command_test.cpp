// vantor-cli marks: a day's marks go out as CSV and come into another
// program folder the same; a CSV that cannot be taken whole is named with
// its line and changes nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/demo_weekend.h"
#include "support/marks_day.h"
#include "support/program_folder.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

CommandOutput run(const std::string& command) { return runCommand("(exec 2>&1; " + command + ")"); }

}  // namespace

TEST(MarksCommand, ADaysMarksGoOutAsCsvAndComeIntoAnotherProgramFolderTheSame) {
    const DemoWeekend weekend(VANTOR_FEEDGEN, VANTOR_CLI);
    ASSERT_EQ(weekend.error(), "");
    const std::string day = " --day " + shellWord(weekend.days().front());
    const std::string date = weekend.days().front().substr(0, 4) + weekend.days().front().substr(7, 2) +
                             weekend.days().front().substr(12, 2);  // "yyyy年mm月dd日": 3-byte 年 and 月
    const fs::path marksFile = weekend.appDir() / "usermarks.sqlite";

    // No marks yet: the column names only, and no file made for them.
    CommandOutput out = run(weekend.cli() + " marks" + day);
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.text, "race_key,umaban,set,mark\n");
    EXPECT_FALSE(fs::exists(marksFile));

    writeFile(weekend / "in.csv", date + "05021101,3,1,◎\n" + date + "05021101,5,1,2\n" + date + "06031112,1,4,注\n");
    out = run(weekend.cli() + " marks" + day + " --import " + shellWord((weekend / "in.csv").string()));
    EXPECT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(out.text, "marks imported: 3\n");
    out = run(weekend.cli() + " marks" + day + " --export " + shellWord((weekend / "out.csv").string()));
    ASSERT_EQ(out.status, 0) << out.text;
    const std::string exported = readFile(weekend / "out.csv");
    EXPECT_EQ(exported, "race_key,umaban,set,mark\n" + date + "05021101,3,1,◎\n" + date + "05021101,5,1,○\n" + date +
                            "06031112,1,4,注\n");
    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --set 4").text,
              "race_key,umaban,set,mark\n" + date + "06031112,1,4,注\n");

    // Into a copy of the store without marks: the same marks come out.
    const TempDir other;
    fs::copy(weekend.appDir(), other / "app", fs::copy_options::recursive);
    for (const auto& e : fs::directory_iterator(other / "app"))
        if (e.path().filename().string().starts_with("usermarks.sqlite")) fs::remove(e.path());
    const std::string otherCli = shellWord(VANTOR_CLI) + " --app-dir " + shellWord((other / "app").string());
    EXPECT_EQ(run(otherCli + " marks" + day + " --import " + shellWord((weekend / "out.csv").string())).status, 0);
    EXPECT_EQ(run(otherCli + " marks" + day).text, exported);

    // A line that cannot be read, or a race of another day: named, and nothing taken.
    writeFile(weekend / "bad.csv",
              "race_key,umaban,set,mark\n" + date + "05021101,7,1,☆\n" + date + "05021101,19,1,◎\n");
    out = run(weekend.cli() + " marks" + day + " --import " + shellWord((weekend / "bad.csv").string()));
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.text.find("bad.csv: 3 行目: "), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("nothing was imported"), std::string::npos) << out.text;
    writeFile(weekend / "late.csv", date +
                                        "05021101,7,1,☆\n20991231050211"
                                        "01,1,1,◎\n");
    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --import " + shellWord((weekend / "late.csv").string())).status,
              1);
    EXPECT_EQ(run(weekend.cli() + " marks" + day).text, exported);

    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --set 9").status, 2);
}

TEST(MarksCommand, GridShowsTheMarksOfTheSetAsTheCopyButtonsCopyThem) {
    const ProgramFolder app;
    fileMarksDay(app.paths());
    const std::string cli = shellWord(VANTOR_CLI) + " --app-dir " + shellWord(app.path().string());
    const std::string day = std::string(" --day ") + kMarksDayName;
    const auto gridLines = [&](const std::string& args) { return lines(run(cli + " grid" + day + args).text); };

    // Without a marks file the column is there, empty, and no file is made.
    EXPECT_EQ(gridLines(" card").at(1), "枠\t馬\t印\t馬名\t騎手\t賞金\t当該ﾚｰｽ\t前1走\t前2走\t前3走\t前4走\t前5走\r");
    EXPECT_EQ(gridLines(" card").at(2), "\t01\t\t 1\t\t\t\t\t\t\t\t\r") << "number, mark, order rank";
    EXPECT_FALSE(fs::exists(app / "usermarks.sqlite"));

    writeFile(app / "in.csv",
              std::string(kMarksRace11Key) + ",2,1,◎\n" + kMarksRace11Key + ",2,5,☆\n" + kMarksRace12Key + ",1,1,×\n");
    ASSERT_EQ(run(cli + " marks" + day + " --import " + shellWord((app / "in.csv").string())).status, 0);
    EXPECT_EQ(gridLines(" card").at(3), "\t02\t◎\t 2\t\t\t\t\t\t\t\t\r");
    EXPECT_EQ(gridLines(" --set 5 card").at(3), "\t02\t☆\t 2\t\t\t\t\t\t\t\t\r");
    EXPECT_EQ(gridLines(" --race 2 sign").at(2).substr(0, 8), "1\t 1\t×\t");
    EXPECT_EQ(gridLines(" check").at(3).substr(0, 9), "2\t02\t◎\t");
    EXPECT_EQ(run(cli + " grid" + day + " --set 0 card").status, 2);
}
