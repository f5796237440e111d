// vantor-cli acquire against a small feed, with faults injected through the
// environment as a user would: what it says on standard error, its exit
// status and the start time it keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fileio/writer_lock.h"
#include "support/records.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// The lines a terminal shows once text has been written to it: a carriage
// return goes back to the line's start, and ESC [ K erases to its end.
std::vector<std::string> screenLines(const std::string& text) {
    std::vector<std::string> rows(1);
    std::size_t column = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string& row = rows.back();
        if (text[i] == '\r') {
            column = 0;
        } else if (text[i] == '\n') {
            rows.emplace_back();
            column = 0;
        } else if (text.compare(i, 3, "\x1b[K") == 0) {
            row.resize(column);
            i += 2;
        } else {
            if (column < row.size())
                row[column] = text[i];
            else
                row += text[i];
            ++column;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

class AcquireCommand : public ::testing::Test {
protected:
    AcquireCommand() { writeTwoRaceNormalFeed(dir / "feed"); }

    enum class Stderr { file, terminal };

    // Runs acquire with the faults and options, its standard error a pipe or
    // a terminal; its exit status. Keeps what it wrote to standard error,
    // and the lines that stay on the screen.
    int acquire(const std::string& faults, const std::string& options = "", Stderr to = Stderr::file) {
        const std::string command = "VANTOR_JVLINK_FAULTS=" + shellWord(faults) + " " + VANTOR_CLI + " --app-dir " +
                                    shellWord((dir / "app").string()) + " acquire --feed " +
                                    shellWord((dir / "feed").string()) + " --from '2024/01/01 00:00:00' --normal " +
                                    options;
        // script gives the command a terminal and copies what it shows.
        const CommandOutput out =
            runCommand(to == Stderr::terminal ? "script -qec " + shellWord(command + " >/dev/null") + " /dev/null"
                                              : "(" + command + " 2>&1 >/dev/null)");
        written = out.text;
        said = screenLines(written);
        return out.status;
    }
    bool saidLine(const std::string& line) const { return std::find(said.begin(), said.end(), line) != said.end(); }
    long saidStartingWith(const std::string& prefix) const {
        return std::count_if(said.begin(), said.end(), [&](const std::string& l) { return l.starts_with(prefix); });
    }
    // A runner whose horse id is not digits, which filing rejects, and a
    // folder named like a feed file, which JV-Link cannot read.
    void addBadRecordAndFile() {
        writeFile(dir / "feed/normal/20240527100000_BAD.jvd", seRecord({.race = 3}, 1, "20201000X1").bytes());
        fs::create_directories(dir / "feed/normal/20240527110000_DIR.jvd");
    }
    bool lastTimeKept() const {
        return readFile(dir / "app/vantor.ini").find("LastTime=2024/05/27 09:00:00") != std::string::npos;
    }

    TempDir dir;
    std::string written;
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

// A log gets a line per file, never one per record; what went wrong and the
// totals are there all the same.
TEST_F(AcquireCommand, OffATerminalItWritesALinePerFileAndEveryNotice) {
    addBadRecordAndFile();
    EXPECT_EQ(acquire(""), 0);
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_FALSE(saidLine("作成済み:2020100001.jvUM2"));
    EXPECT_EQ(saidStartingWith("ダウンロード中") + saidStartingWith("データ読込み中"), 0)
        << "no status line per poll or file";
    EXPECT_EQ(saidStartingWith("download 3/3 files, "), 1) << written;
    EXPECT_EQ(saidStartingWith("read 1/3 files, 6 records, "), 1);
    EXPECT_EQ(saidStartingWith("read 2/3 files, 7 records, "), 1);
    EXPECT_EQ(saidStartingWith("read "), 2) << "the end of the read ends file 3";
    EXPECT_TRUE(saidLine("JVRead EndOfFile :0データ読込み完了(3/3)"));
    EXPECT_TRUE(saidLine("不正なレコードを除外しました:1件"));
    EXPECT_TRUE(saidLine("rejected records: 1"));
    EXPECT_TRUE(saidLine("読込めないファイルを除外しました:1件"));
    EXPECT_TRUE(saidLine("除外:20240527110000_DIR.jvd"));
    EXPECT_TRUE(saidLine("データ作成が完了しました。"));
    EXPECT_EQ(saidStartingWith("7 records filed in "), 1);

    EXPECT_EQ(acquire("JVRead@5=-502"), 1);
    EXPECT_TRUE(saidLine("JVReadエラー:ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"));
    EXPECT_EQ(saidStartingWith("read "), 0);
}

// The records read and not filed are said as the dialog's list says them,
// and are no filed records.
TEST_F(AcquireCommand, RecordsReadAndNotFiledAreSaidByKind) {
    const SjisString odds = "H1"_sjis + SjisString(28951, ' ') + "\r\n" + "O3" + SjisString(2650, ' ') + "\r\n" +
                            finalOddsRecord(jvdata::kO1Layout, {.race = 1});
    writeFile(dir / "feed/normal/20240527100000_ODDS.jvd", odds.bytes());
    EXPECT_EQ(acquire(""), 0);
    EXPECT_TRUE(saidLine("読込んで保存しなかったレコード:H1 1件 O3 1件")) << written;
    EXPECT_EQ(saidStartingWith("8 records filed in "), 1) << written;
    EXPECT_TRUE(fs::exists(dir / "app/DATA/2024年05月26日東京.jvO1"));
}

// On a terminal the progress line is drawn and at the end taken away; the
// lines that stay are the same as in a log, without the per-file lines.
TEST_F(AcquireCommand, OnATerminalTheProgressLineIsRewrittenInPlace) {
    addBadRecordAndFile();
    EXPECT_EQ(acquire("", "", Stderr::terminal), 0);
    EXPECT_NE(written.find("\rread "), std::string::npos) << written;
    EXPECT_EQ(saidStartingWith("read "), 0);
    EXPECT_EQ(saidStartingWith("download "), 0);
    EXPECT_FALSE(saidLine("作成済み:2020100001.jvUM2"));
    EXPECT_TRUE(saidLine("不正なレコードを除外しました:1件"));
    EXPECT_TRUE(saidLine("データ作成が完了しました。"));
    EXPECT_EQ(saidStartingWith("7 records filed in "), 1);

    // An error takes the progress line's place whole.
    EXPECT_EQ(acquire("JVRead@5=-502", "", Stderr::terminal), 1);
    EXPECT_TRUE(saidLine("JVReadエラー:ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)")) << written;
}

TEST_F(AcquireCommand, VerboseWritesEveryStatusAndFiledRecordLine) {
    EXPECT_EQ(acquire("", "--verbose", Stderr::terminal), 0);
    EXPECT_EQ(written.find("\rread "), std::string::npos);
    EXPECT_TRUE(saidLine("作成済み:2020100001.jvUM2"));
    EXPECT_TRUE(saidLine("データ読込み中．．．(1/2)"));
    EXPECT_EQ(saidStartingWith("ダウンロード中．．．(2/2)"), 1) << "each poll's line once";
    EXPECT_EQ(saidStartingWith("7 records filed in "), 1);
}

TEST_F(AcquireCommand, NoDemoGoesAmongTheUsersRacesAndARefusedStartMakesNothing) {
    ASSERT_EQ(acquire(""), 0);
    const auto filed = snapshot(dir / "app");
    // The settings name no feed folder: the program's own holds no feed file, and the store holds races.
    auto run = runCommand("(" + std::string(VANTOR_CLI) + " --app-dir " + shellWord((dir / "app").string()) +
                          " acquire 2>&1)");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.text.find("フィードフォルダが設定されていません"), std::string::npos) << run.text;
    EXPECT_EQ(snapshot(dir / "app"), filed);
    EXPECT_FALSE(fs::exists(dir / "app/jvfeed"));

    run = runCommand("(" + std::string(VANTOR_CLI) + " --app-dir " + shellWord((dir / "fresh").string()) +
                     " acquire --feed " + shellWord((dir / "missing").string()) + " 2>&1)");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.text.find((dir / "missing").string()), std::string::npos) << run.text;
    EXPECT_FALSE(fs::exists(dir / "fresh"));

    // A writer refused by the holder of the folder makes no store folder there.
    fs::create_directories(dir / "held");
    const auto holder = WriterLock::take(dir / "held", "vantor", false);
    ASSERT_TRUE(std::holds_alternative<WriterLock>(holder));
    run = runCommand("(" + std::string(VANTOR_CLI) + " --app-dir " + shellWord((dir / "held").string()) +
                     " acquire --feed " + shellWord((dir / "feed").string()) + " 2>&1)");
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> made;
    for (const auto& entry : fs::directory_iterator(dir / "held")) made.push_back(entry.path().filename().string());
    EXPECT_EQ(made, std::vector<std::string>{"vantor.lock"});
}
