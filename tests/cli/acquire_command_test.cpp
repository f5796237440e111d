// vantor-cli acquire against a small feed, with faults injected through the
// environment as a user would: what it says on standard error, its exit
// status and the start time it keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/records.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class AcquireCommand : public ::testing::Test {
protected:
    AcquireCommand() { writeTwoRaceNormalFeed(dir / "feed"); }

    // Runs acquire with the faults; its exit status, and its standard error as lines.
    int acquire(const std::string& faults) {
        const std::string command = "VANTOR_JVLINK_FAULTS=" + shellWord(faults) + " " + VANTOR_CLI + " --app-dir " +
                                    shellWord((dir / "app").string()) + " acquire --feed " +
                                    shellWord((dir / "feed").string()) + " --from '2024/01/01 00:00:00' --normal";
        const CommandOutput out = runCommand("(" + command + " 2>&1 >/dev/null)");
        said = lines(out.text);
        return out.status;
    }
    bool saidLine(const std::string& line) const { return std::find(said.begin(), said.end(), line) != said.end(); }
    bool lastTimeKept() const {
        return readFile(dir / "app/vantor.ini").find("LastTime=2024/05/27 09:00:00") != std::string::npos;
    }

    TempDir dir;
    std::vector<std::string> said;
};

}  // namespace

TEST_F(AcquireCommand, AnEarlyEndFailsTheRunAndKeepsNoStartTime) {
    EXPECT_EQ(acquire("JVRead@3=0"), 1);
    EXPECT_TRUE(saidLine("JVRead EndOfFile :0データ読込み未完了(0/2)"));
    EXPECT_TRUE(saidLine("読込み未完了:2ファイル中0ファイルで終了しました。前回取得日時は更新しません"));
    EXPECT_FALSE(saidLine("データ作成が完了しました。"));
    EXPECT_FALSE(fs::exists(dir / "app/vantor.ini") && lastTimeKept());

    EXPECT_EQ(acquire(""), 0);
    EXPECT_TRUE(saidLine("JVRead EndOfFile :0データ読込み完了(2/2)"));
    EXPECT_TRUE(saidLine("データ作成が完了しました。"));
    EXPECT_TRUE(lastTimeKept());
}
