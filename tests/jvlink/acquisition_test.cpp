#include "jvlink/acquisition.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "settings/app_dir.h"
#include "settings/ini_gt.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// A feed of three normal files: two race days and the week's horse masters.
void writeFeed(const fs::path& feed) {
    SjisString day1, day2, masters;
    for (int race = 1; race <= 3; ++race) {
        const RaceId a{.date = 20240525, .race = race}, b{.date = 20240526, .race = race};
        day1 += raRecord(a, 2) + seRecord(a, 1, "2020100001") + seRecord(a, 2, "2020100002") + hrRecord(a);
        day2 += raRecord(b, 2) + seRecord(b, 1, "2020100003") + seRecord(b, 2, "2020100004") + hrRecord(b);
    }
    for (const char* id : {"2020100001", "2020100002", "2020100003", "2020100004"}) masters += umRecord(id);
    writeFile(feed / "normal/20240525180000_RESULT1.jvd", day1.bytes());
    writeFile(feed / "normal/20240526180000_RESULT2.jvd", day2.bytes());
    writeFile(feed / "normal/20240527090000_MASTER.jvd", masters.bytes());
}

class AcquisitionTest : public ::testing::Test {
protected:
    AcquisitionTest() {
        setAppDir(app.path());
        writeFeed(feed.path());
        ini.setFileName("vantor.ini");
        link.JVInit("sid");
    }
    ~AcquisitionTest() override { setAppDir({}); }

    Acquisition::Ui ui() {
        Acquisition::Ui u;
        u.status = [this](const SjisString& s) { statuses.push_back(cp932ToUtf8(s)); };
        u.downloadBar = [this](int pos, int max) { download = {pos, max}; };
        u.readBar = [this](int pos, int max) { read = {pos, max}; };
        u.addLine = [this](const SjisString& s) { lines.push_back(cp932ToUtf8(s)); };
        u.clearLines = [this] { lines.clear(); };
        u.report = [this](const SjisString& s) { reports.push_back(cp932ToUtf8(s)); };
        u.beep = [this] { ++beeps; };
        u.pump = [this] {
            if (++pumps == cancelAtPump) acquisition->cancel();
            if (onPump) onPump(pumps);
        };
        u.storeLastTime = [this](const SjisString& s) {
            lastTimeShown = s;
            return ini.WriteString("JvDataGet", "LastTime", s);
        };
        return u;
    }

    // Runs an acquisition the way the dialog does.
    void run(SjisView fromtime = "20240101000000", int option = 1) {
        acquisition = std::make_unique<Acquisition>(link, paths, ui());
        auto next = acquisition->start(fromtime, option);
        while (next == Acquisition::Next::poll) {
            clock += std::chrono::milliseconds(10);
            next = acquisition->poll();
        }
        if (next == Acquisition::Next::read) acquisition->readAll();
        acquisition->closeLink();
    }

    ProgramFolder app;
    TempDir feed;
    StorePaths paths = app.paths();
    TIniGT ini;
    std::chrono::milliseconds clock{0};
    FeedJVLink link{FeedSettings{feed.path(), 25, "0490"}, [this] { return clock; }};
    std::unique_ptr<Acquisition> acquisition;
    std::vector<std::string> statuses, lines, reports;
    std::pair<int, int> download, read;
    int beeps = 0, pumps = 0, cancelAtPump = -1;
    std::function<void(int pump)> onPump;
    SjisString lastTimeShown;
};

}  // namespace

TEST_F(AcquisitionTest, CompleteReadFilesEverythingAndRemembersTheNewestFile) {
    run();
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_FALSE(acquisition->failed());
    EXPECT_EQ(statuses.back(), "データ作成が完了しました。");
    EXPECT_EQ(statuses[statuses.size() - 2], "JVRead EndOfFile :0データ読込み完了(3/3)");
    EXPECT_EQ(statuses[0], "JVOpen正常:正常に実行されました。(0)");
    EXPECT_EQ(statuses[1], "ReadCount:3, DownloadCount:3");
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/27 09:00:00"_sjis);
    EXPECT_EQ(lastTimeShown, "2024/05/27 09:00:00"_sjis);
    EXPECT_EQ(beeps, 1);          // the end of the acquisition
    EXPECT_EQ(lines.size(), 4u);  // the last file's horse masters
    EXPECT_EQ(lines[0], "作成済み:2020100001.jvUM2");
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月26日東京.jvSEr"));
    EXPECT_TRUE(fs::exists(app / "UM2" / "2020" / "2020100004.jvUM2"));
}

TEST_F(AcquisitionTest, ASettingsFileThatCannotBeReplacedFailsTheRun) {
    fs::create_directory(ini.filePath());
    run();
    EXPECT_TRUE(acquisition->failed());
    EXPECT_EQ(reports, std::vector<std::string>{"前回取得日時を設定ファイルに保存できませんでした。"});
    EXPECT_NE(statuses.back(), "データ作成が完了しました。");

    fs::remove(ini.filePath());
    ASSERT_EQ(::mkfifo(ini.filePath().c_str(), 0600), 0);
    reports.clear();
    fs::remove_all(feed / "cache");
    run();
    EXPECT_TRUE(acquisition->failed());
    EXPECT_EQ(reports, std::vector<std::string>{"前回取得日時を設定ファイルに保存できませんでした。"});
    EXPECT_TRUE(fs::is_fifo(ini.filePath()));
}

TEST_F(AcquisitionTest, FeedEntriesThatCannotBeReadAreSkippedAndNamed) {
    fs::create_directories(feed / "normal/20240525190000_FOLDER.jvd");
    fs::create_symlink(feed / "nowhere", feed / "normal/20240525200000_DANGLING.jvd");
    run();
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_FALSE(acquisition->failed());
    EXPECT_EQ(statuses.back(), "データ作成が完了しました。");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"読込めないファイルを除外しました:2件", "除外:20240525190000_FOLDER.jvd",
                                        "除外:20240525200000_DANGLING.jvd"}));
    EXPECT_TRUE(fs::exists(app / "UM2" / "2020" / "2020100004.jvUM2"));
}

TEST_F(AcquisitionTest, NothingNewerIsANoticeNotAnError) {
    run("20240601000000");
    EXPECT_EQ(reports, std::vector<std::string>{"最新のデータがありません。"});
    EXPECT_FALSE(acquisition->failed());
    EXPECT_EQ(beeps, 1);  // the close
    EXPECT_EQ(link.faults().calls("JVClose"), 1);
}

TEST_F(AcquisitionTest, AFeedFolderThatIsGoneIsAnErrorNamingItNotNothingNewer) {
    fs::remove_all(feed.path());
    run();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("JVOpenエラー:", 0), 0u) << reports[0];
    EXPECT_NE(reports[0].find("(-211)\r\nフィードフォルダ " + feed.path().string()), std::string::npos) << reports[0];
    EXPECT_TRUE(acquisition->failed());
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
}

TEST_F(AcquisitionTest, EveryJVLinkErrorIsReportedWithItsMessageAndClosed) {
    link.faults().add("JVOpen", 1, -504);
    run();
    EXPECT_EQ(reports.back(), "JVOpenエラー:サーバーがメンテナンス中です。(-504)");
    link.faults().add("JVStatus", 1, -502);
    run();
    EXPECT_EQ(reports.back(), "JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
    link.faults().add("JVRead", 4, -403);
    link.faults().add("JVClose", 3, -201);
    run();
    EXPECT_EQ(reports[reports.size() - 2], "JVReadエラー:ダウンロードしたファイル内容が異常です。(-403)");
    EXPECT_EQ(reports.back(), "JVCloseエラー:(-201)");
    EXPECT_TRUE(acquisition->failed());
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
    // The records read before the error stay filed.
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月25日.jvRA"));
    // Each attempt was closed, so the next one opens (the failed close
    // left the last open standing until a close succeeds).
    EXPECT_EQ(link.JVClose(), 0);
    reports.clear();
    run();
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(AcquisitionTest, DownloadProgressIsPolledUntilComplete) {
    link.faults().add("JVStatus", 2, 99);  // above the count: ignored
    run();
    EXPECT_EQ(download.second, 3);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "ダウンロード中．．．(1/3)"), statuses.end());
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "ダウンロード中．．．(3/3)"), statuses.end());
    EXPECT_GE(link.faults().calls("JVStatus"), 6);
    // A second acquisition finds everything downloaded: the bar shows full at once.
    statuses.clear();
    run("20240101000000");
    EXPECT_EQ(statuses[1], "ReadCount:3, DownloadCount:0");
}

TEST_F(AcquisitionTest, CancelWhileReadingKeepsWhatWasFiledAndLastTime) {
    cancelAtPump = 5;
    run();
    EXPECT_EQ(reports, std::vector<std::string>{"JVCancel:キャンセルされました"});
    EXPECT_EQ(CancelFlag, 1);
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
    EXPECT_EQ(snapshot(app.path()).count("DATA/2024年05月25日.jvRA"), 1u);
    EXPECT_EQ(link.faults().calls("JVClose"), 1);
}

TEST_F(AcquisitionTest, CancelWhileDownloadingClosesSoTheNextStartOpens) {
    acquisition = std::make_unique<Acquisition>(link, paths, ui());
    ASSERT_EQ(acquisition->start("20240101000000", 1), Acquisition::Next::poll);
    acquisition->cancel();
    EXPECT_EQ(link.faults().calls("JVClose"), 1);
    reports.clear();
    run();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(CancelFlag, 0);
}

TEST_F(AcquisitionTest, InterruptedReadsLeaveWholeFilesAndRerunGivesTheSameStore) {
    run();
    const auto complete = snapshot(app.path());
    const int readCalls = link.faults().calls("JVRead");
    ASSERT_GT(readCalls, 30);
    // Failures spread over the whole read, down to its last call.
    for (int failAt = 1; failAt <= readCalls; failAt += 3) {
        ProgramFolder other;
        setAppDir(other.path());
        TIniGT otherIni;
        otherIni.setFileName("vantor.ini");
        const StorePaths otherPaths = other.paths();
        FeedJVLink fresh(FeedSettings{feed.path(), 0, "0490"});
        fresh.JVInit("sid");
        fresh.faults().add("JVRead", failAt, -502);
        {
            Acquisition a(fresh, otherPaths, ui());
            if (a.start("20240101000000", 1) == Acquisition::Next::read) a.readAll();
            a.closeLink();
        }
        for (const auto& [name, bytes] : snapshot(other.path())) {
            if (name == "vantor.ini") continue;
            const std::size_t len = name.ends_with(".jvUM2")  ? 1609
                                    : name.ends_with(".jvHR") ? 719
                                    : name.ends_with(".jvRA") ? 1272
                                                              : 555;
            EXPECT_EQ(bytes.size() % len, 0u) << name << " after failing at " << failAt;
        }
        EXPECT_EQ(otherIni.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
        {
            Acquisition a(fresh, otherPaths, ui());
            if (a.start("20240101000000", 1) == Acquisition::Next::read) a.readAll();
            a.closeLink();
        }
        auto rerun = snapshot(other.path());
        EXPECT_EQ(rerun, complete) << "failing at record " << failAt;
    }
    setAppDir(app.path());
}

TEST_F(AcquisitionTest, FileEndsRepeatedBeforeTheEndCountNoFileTwice) {
    run();
    const int readCalls = link.faults().calls("JVRead");
    // The second run's end, twice preceded by a file end of its own.
    link.faults().add("JVRead", 2 * readCalls, jv::kFileSwitched);
    link.faults().add("JVRead", 2 * readCalls + 1, jv::kFileSwitched);
    statuses.clear();
    run();
    EXPECT_FALSE(acquisition->failed());
    EXPECT_FALSE(acquisition->incomplete());
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "JVRead EndOfFile :0データ読込み完了(3/3)"), statuses.end());
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "データ読込み中．．．(3/3)"), 1);
}

TEST_F(AcquisitionTest, AnEndBeforeTheLastFileKeepsTheRecordsButNotTheStartTime) {
    link.faults().add("JVRead", 20, jv::kEndOfAll);  // in the second file
    run();
    EXPECT_TRUE(acquisition->incomplete());
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "JVRead EndOfFile :0データ読込み未完了(1/3)"),
              statuses.end());
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "データ作成が完了しました。"), 0);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "読込み未完了:3ファイル中1ファイルで終了しました。前回取得日時は更新しません");
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
    EXPECT_TRUE(lastTimeShown.empty());
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月25日.jvRA"));

    // The next run from the same start reads the missing files.
    statuses.clear();
    run();
    EXPECT_FALSE(acquisition->incomplete());
    EXPECT_EQ(statuses.back(), "データ作成が完了しました。");
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/27 09:00:00"_sjis);
}

TEST_F(AcquisitionTest, AFailedCloseIsTheEndOfAReadNotItsCompletion) {
    link.faults().add("JVClose", 1, -201);
    run();
    EXPECT_TRUE(acquisition->failed());
    EXPECT_EQ(reports, std::vector<std::string>{"JVCloseエラー:(-201)"});
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "データ作成が完了しました。"), 0);
    EXPECT_EQ(beeps, 0);
}

TEST_F(AcquisitionTest, AStoreErrorIsTheOnlyErrorReported) {
    // The first race file, held since the first record, cannot be written:
    // a folder has taken its name.
    onPump = [this](int pump) {
        if (pump == 3) fs::create_directories(app.data() / "2024年05月25日.jvRA");
    };
    link.faults().add("JVRead", 5, jv::kFileNotFound);
    run();
    EXPECT_TRUE(acquisition->failed());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].starts_with("データ保存エラー:cannot write ")) << reports[0];
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
}

TEST_F(AcquisitionTest, AnOwnerGoneMidReadLeavesTheStoreErrorOnStandardError) {
    // The owner's pump ends the read by throwing, with the first race file
    // still held and its name taken by a folder.
    struct OwnerGone {};
    acquisition = std::make_unique<Acquisition>(link, paths, ui());
    auto next = acquisition->start("20240101000000", 1);
    while (next == Acquisition::Next::poll) {
        clock += std::chrono::milliseconds(10);
        next = acquisition->poll();
    }
    ASSERT_EQ(next, Acquisition::Next::read);
    const int readStart = pumps;
    onPump = [this, readStart](int pump) {
        if (pump < readStart + 3) return;
        fs::create_directories(app.data() / "2024年05月25日.jvRA");
        throw OwnerGone{};
    };
    EXPECT_THROW(acquisition->readAll(), OwnerGone);
    testing::internal::CaptureStderr();
    acquisition.reset();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.starts_with("データ保存エラー:cannot write ")) << said;
    EXPECT_NE(said.find("2024年05月25日.jvRA"), std::string::npos) << said;
    EXPECT_TRUE(reports.empty());
}

TEST_F(AcquisitionTest, RecordsReadAndNotFiledAreCountedByKindAtTheEndOfEachRun) {
    const RaceId race{.race = 1};
    const SjisString votes = "H1" + SjisString(28951, ' ') + "\r\n";
    const SjisString quinellaPlace = "O3" + SjisString(2650, ' ') + "\r\n";
    writeFile(feed / "normal/20240527100000_ODDS.jvd",
              (votes + finalOddsRecord(jvdata::kO1Layout, race) + finalOddsRecord(jvdata::kO2Layout, race) + votes +
               quinellaPlace)
                  .bytes());
    run();
    ASSERT_FALSE(lines.empty());
    const std::string counted = "読込んで保存しなかったレコード:H1 2件 O3 1件";
    EXPECT_EQ(lines.back(), counted);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), counted), 1);
    EXPECT_EQ(lines[lines.size() - 3], "作成済み:01R/2024年05月26日東京.jvO1");
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月26日東京.jvO2"));

    // The dialog starts its acquisition again: the counts are the new run's.
    fs::remove_all(feed / "cache");
    lines.clear();
    auto next = acquisition->start("20240101000000", 1);
    while (next == Acquisition::Next::poll) {
        clock += std::chrono::milliseconds(10);
        next = acquisition->poll();
    }
    ASSERT_EQ(next, Acquisition::Next::read);
    acquisition->readAll();
    acquisition->closeLink();
    EXPECT_EQ(lines.back(), counted);
}
