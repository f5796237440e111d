// vantor-cli marks: a day's marks go out as CSV and come into another
// program folder the same; a CSV that cannot be taken whole is named with
// its line and changes nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/demo_weekend.h"
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
    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --set 4").text, "race_key,umaban,set,mark\n" + date + "06031112,1,4,注\n");

    // Into a copy of the store without marks: the same marks come out.
    const TempDir other;
    fs::copy(weekend.appDir(), other / "app", fs::copy_options::recursive);
    for (const auto& e : fs::directory_iterator(other / "app"))
        if (e.path().filename().string().starts_with("usermarks.sqlite")) fs::remove(e.path());
    const std::string otherCli = shellWord(VANTOR_CLI) + " --app-dir " + shellWord((other / "app").string());
    EXPECT_EQ(run(otherCli + " marks" + day + " --import " + shellWord((weekend / "out.csv").string())).status, 0);
    EXPECT_EQ(run(otherCli + " marks" + day).text, exported);

    // A line that cannot be read, or a race of another day: named, and nothing taken.
    writeFile(weekend / "bad.csv", "race_key,umaban,set,mark\n" + date + "05021101,7,1,☆\n" + date + "05021101,19,1,◎\n");
    out = run(weekend.cli() + " marks" + day + " --import " + shellWord((weekend / "bad.csv").string()));
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.text.find("bad.csv: 3 行目: "), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("nothing was imported"), std::string::npos) << out.text;
    writeFile(weekend / "late.csv", date + "05021101,7,1,☆\n20991231050211" "01,1,1,◎\n");
    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --import " + shellWord((weekend / "late.csv").string())).status, 1);
    EXPECT_EQ(run(weekend.cli() + " marks" + day).text, exported);

    EXPECT_EQ(run(weekend.cli() + " marks" + day + " --set 9").status, 2);
}
