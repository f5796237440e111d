// JV-Link through the bridge's stream mode, with the bridge built for Linux
// over a feed folder standing in for Wine and JV-Link: an acquisition files
// what the feed-folder JV-Link files, byte for byte; errors, cancels and a
// bridge that goes wrong are said and converge on the next run; no bridge
// process stays behind.

#include "jvlink/bridge_jvlink.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <thread>

#include "jvlink/acquisition.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "support/broken_wine.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "support/scoped_env.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

struct AcquireRun {
    std::vector<std::string> reports, lines;
    SjisString lastTime;
    bool failed = false;
    bool incomplete = false;
};

// An acquisition as the command line runs it; cancelAtPoll cancels at that download poll.
AcquireRun acquire(JVLink& link, const StorePaths& paths, int cancelAtPoll = 0) {
    AcquireRun run;
    Acquisition::Ui ui;
    ui.status = [](const SjisString&) {};
    ui.downloadBar = ui.readBar = [](int, int) {};
    ui.addLine = [&run](const SjisString& s) { run.lines.push_back(cp932ToUtf8(s)); };
    ui.clearLines = [] {};
    ui.report = [&run](const SjisString& s) { run.reports.push_back(cp932ToUtf8(s)); };
    ui.beep = ui.pump = [] {};
    ui.storeLastTime = [&run](const SjisString& s) {
        run.lastTime = s;
        return true;
    };
    Acquisition acquisition(link, paths, ui);
    auto next = acquisition.start("20240101000000", jv::kOptionNormal);
    for (int poll = 1; next == Acquisition::Next::poll; ++poll) {
        if (poll == cancelAtPoll) {
            acquisition.cancel();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        next = acquisition.poll();
    }
    if (next == Acquisition::Next::read) acquisition.readAll();
    acquisition.closeLink();
    run.failed = acquisition.failed();
    run.incomplete = acquisition.incomplete();
    return run;
}

class BridgeJVLinkTest : public ::testing::Test {
protected:
    BridgeJVLinkTest() {
        writeTwoRaceNormalFeed(feed.path());
        fs::create_directories(prefix / "drive_c");
        writeFile(bridgeExe, "a Windows program");
        FeedJVLink direct(FeedSettings{feed.path(), 0, "0490"});
        direct.JVInit("sid");
        expectedRun = acquire(direct, expected.paths());
        fs::remove_all(feed / "cache");
    }

    WineSettings wine() const { return {VANTOR_STREAM_STUB, prefix, bridgeExe}; }

    TempDir feed, base;
    ProgramFolder expected, app;
    fs::path prefix = base / "prefix";
    fs::path bridgeExe = base / "vantor-jvbridge.exe";
    ScopedEnv stubFeed{"VANTOR_STUB_FEED", feed.path().string()};
    AcquireRun expectedRun;
};

}  // namespace

TEST_F(BridgeJVLinkTest, AnAcquisitionFilesWhatTheFeedFolderJVLinkFiles) {
    BridgeJVLink link(wine());
    int waits = 0;
    link.setWaiter([&waits] { ++waits; });
    const ScopedEnv slowStart("VANTOR_STUB_START_MS", "50");  // longer than one wait step
    ASSERT_EQ(link.JVInit("SA000000/SD000000/Vantor/Version 1.40"), jv::kOk) << link.sourceProblem();
    EXPECT_EQ(link.version(), "0490");
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_FALSE(run.failed) << run.reports.front();
    EXPECT_EQ(run.lastTime, expectedRun.lastTime);
    EXPECT_EQ(run.lines, expectedRun.lines);
    EXPECT_EQ(snapshot(app.paths().dataDir()), snapshot(expected.paths().dataDir()));
    EXPECT_EQ(snapshot(app / "SEI"), snapshot(expected / "SEI"));
    EXPECT_EQ(snapshot(app / "UM2"), snapshot(expected / "UM2"));
    EXPECT_GT(waits, 0);  // the window got its turns while the bridge started
    EXPECT_TRUE(processesOfPrefix(prefix).empty());

    // Results of a day through JVRTOpen: nothing there is "no data", not an error.
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kNoNewerData);
    EXPECT_EQ(link.JVClose(), jv::kOk);
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

TEST_F(BridgeJVLinkTest, AJVLinkErrorIsSaidInItsWordsAndTheNextRunConverges) {
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    {
        const ScopedEnv fault("VANTOR_JVLINK_FAULTS", "JVRead@4=-502");
        const AcquireRun failed = acquire(link, app.paths());
        EXPECT_TRUE(failed.failed);
        ASSERT_FALSE(failed.reports.empty());
        EXPECT_EQ(failed.reports.back(), "JVReadエラー:ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)");
        EXPECT_EQ(failed.lastTime, ""_sjis);
    }
    const AcquireRun again = acquire(link, app.paths());
    EXPECT_FALSE(again.failed);
    EXPECT_EQ(snapshot(app.paths().dataDir()), snapshot(expected.paths().dataDir()));
    EXPECT_EQ(snapshot(app / "SEI"), snapshot(expected / "SEI"));
}

TEST_F(BridgeJVLinkTest, ACancelDuringTheDownloadStopsTheBridgeAndTheNextRunConverges) {
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    {
        const ScopedEnv pace("VANTOR_STUB_PACE_MS", "400");
        const AcquireRun cancelled = acquire(link, app.paths(), 2);
        EXPECT_FALSE(cancelled.failed);
        EXPECT_EQ(cancelled.lastTime, ""_sjis);
        EXPECT_EQ(cancelled.reports.back(), "JVCancel:キャンセルされました");
    }
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
    CancelFlag = 0;
    const AcquireRun again = acquire(link, app.paths());
    EXPECT_FALSE(again.failed) << again.reports.back();
    EXPECT_EQ(snapshot(app.paths().dataDir()), snapshot(expected.paths().dataDir()));
}

TEST_F(BridgeJVLinkTest, ABridgeThatGoesWrongIsSaidWithItsLastWordsAndReportsNoSuccess) {
    {
        const ScopedEnv mode("VANTOR_STUB_MODE", "other-version");
        BridgeJVLink link(wine());
        EXPECT_EQ(link.JVInit("sid"), jv::kInternalError);
        EXPECT_NE(link.sourceProblem().find("version 1, this Vantor version 2"), std::string::npos)
            << link.sourceProblem();
    }
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    const ScopedEnv mode("VANTOR_STUB_MODE", "die-after-open");
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_TRUE(run.failed);
    ASSERT_FALSE(run.reports.empty());
    EXPECT_NE(run.reports.back().find("エラー:(-401)"), std::string::npos) << run.reports.back();
    EXPECT_NE(run.reports.back().find("wine: a helper of the stub gave up"), std::string::npos) << run.reports.back();
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

TEST_F(BridgeJVLinkTest, WhatIsMissingForARunIsNamedBeforeAnythingStarts) {
    const auto problem = [](const WineSettings& s) { return wineRunProblem(s).value_or(""); };
    EXPECT_EQ(problem(wine()), "");
    EXPECT_NE(problem({"no-such-wine-command", prefix, bridgeExe}).find("no-such-wine-command"), std::string::npos);
    EXPECT_NE(problem({VANTOR_STREAM_STUB, base / "none", bridgeExe}).find((base / "none").string()),
              std::string::npos);
    EXPECT_NE(problem({VANTOR_STREAM_STUB, prefix, base / "none.exe"}).find("none.exe"), std::string::npos);

    // A 32-bit bridge in a prefix whose 32-bit half is empty would hang without a word.
    std::string pe(0x90, '\0');
    pe[0] = 'M', pe[1] = 'Z', pe[60] = 0x80;
    pe.replace(0x80, 6, std::string("PE\0\0\x4c\x01", 6));
    writeFile(bridgeExe, pe);
    EXPECT_TRUE(isThirtyTwoBitProgram(bridgeExe));
    fs::create_directories(prefix / "drive_c/windows/syswow64");
    EXPECT_NE(problem(wine()).find("syswow64"), std::string::npos);
    writeFile(prefix / "drive_c/windows/syswow64/kernel32.dll", "");
    EXPECT_EQ(problem(wine()), "");

    BridgeJVLink link({"no-such-wine-command", prefix, bridgeExe});
    EXPECT_EQ(link.JVInit("sid"), jv::kInternalError);
    EXPECT_NE(link.sourceProblem().find("no-such-wine-command"), std::string::npos);
}

// A Wine command that cannot start Wine is said with what to do, whether
// the shell running it or the start itself fails, at the check and at an
// open alike.
TEST_F(BridgeJVLinkTest, AWineThatCannotStartIsSaidWithWhatToDo) {
    const BrokenWines wines = writeBrokenWines(base / "wines");
    const std::string cannotRun = "このシステムでは、32 ビットの JV-Link に要る Wine の 32 ビットの部分が動きません";
    const std::string notFound = "Wine をインストールするか、「JVLink設定」で Wine のコマンドを設定してください。";
    const auto problemAtInit = [&](const fs::path& command) {
        BridgeJVLink link({command.string(), prefix, bridgeExe});
        EXPECT_EQ(link.JVInit("sid"), jv::kInternalError);
        return link.sourceProblem();
    };

    std::string problem = problemAtInit(wines.cannotExecute);
    EXPECT_NE(problem.find(cannotRun), std::string::npos) << problem;
    EXPECT_NE(problem.find("/usr/lib/wine/wine: Exec format error"), std::string::npos) << problem;
    problem = problemAtInit(wines.notFound);
    EXPECT_NE(problem.find(notFound), std::string::npos) << problem;
    EXPECT_NE(problem.find("/no/such/wine/loader"), std::string::npos) << problem;

    // Executable, but no program this system can start.
    writeFile(base / "wines/not-a-program",
              "\x7f"
              "ELF garbage");
    fs::permissions(base / "wines/not-a-program", fs::perms::owner_all);
    problem = problemAtInit(base / "wines/not-a-program");
    EXPECT_NE(problem.find(cannotRun), std::string::npos) << problem;

    // The acquisition's open says the same.
    BridgeJVLink link({wines.cannotExecute.string(), prefix, bridgeExe});
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_TRUE(run.failed);
    ASSERT_FALSE(run.reports.empty());
    EXPECT_NE(run.reports.back().find(cannotRun), std::string::npos) << run.reports.back();
}

namespace {

// A run's output as a bridge speaking the protocol wrongly writes it.
std::string wireOf(const std::vector<std::string>& lines) {
    std::string wire = std::string(bridge_stream::kGreeting) + " " + std::to_string(bridge_stream::kVersion) +
                       "\ninit 0\nversion 0490\n";
    for (const std::string& line : lines) wire += line + "\n";
    return wire;
}

}  // namespace

TEST_F(BridgeJVLinkTest, AStreamThatSaysDoneEarlyFailsSaysWhyAndKeepsTheStartTime) {
    const std::string ra = "record 4 A.jvd\nRA\r\n", rb = "record 4 B.jvd\nRB\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {wireOf({"open 0 2 0 20240601000000", ra, "fileend", rb, "record 0 B.jvd\n", rb, "read 0", "close 0"}),
         "record of length 0"},
        {wireOf({"open 0 2 0 20240601000000", ra, "fileend", "record 2000000000 B.jvd"}),
         "longer than any JV-Data record"},
        {wireOf({"open 0 2 0 20240601000000", ra, "fileend", ra, "read 0", "close 0"}), "file end inside"},
        {wireOf({"open 0 3 0 20240601000000", ra, "fileend", "fileend", "read 0", "close 0"}),
         "file end with no record"},
    };
    for (const auto& [wire, message] : cases) {
        writeFile(base / "wire", wire);
        const ScopedEnv hostile("VANTOR_STUB_WIRE", (base / "wire").string());
        BridgeJVLink link(wine());
        ASSERT_EQ(link.JVInit("sid"), jv::kOk);
        const AcquireRun run = acquire(link, app.paths());
        EXPECT_TRUE(run.failed) << message;
        EXPECT_EQ(run.lastTime, ""_sjis) << message;
        ASSERT_FALSE(run.reports.empty()) << message;
        EXPECT_NE(run.reports.back().find(message), std::string::npos) << run.reports.back();
        EXPECT_TRUE(processesOfPrefix(prefix).empty());
    }
    // A read that ends before the announced files is an incomplete one, as with any JV-Link.
    writeFile(base / "wire", wireOf({"open 0 3 0 20240601000000", ra, "read 0", "close 0"}));
    const ScopedEnv early("VANTOR_STUB_WIRE", (base / "wire").string());
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_TRUE(run.incomplete);
    EXPECT_EQ(run.lastTime, ""_sjis);
}

TEST_F(BridgeJVLinkTest, RecordsSentBeforeTheDownloadHasEndedAreRefusedNotHeld) {
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    const auto peakKb = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long before = peakKb();
    const ScopedEnv flood("VANTOR_STUB_FLOOD_MB", "160");
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_LT(peakKb() - before, 40 * 1024) << "kB more at the peak";
    EXPECT_TRUE(run.failed);
    EXPECT_EQ(run.lastTime, ""_sjis);
    ASSERT_FALSE(run.reports.empty());
    EXPECT_NE(run.reports.back().find("wrote \"record\" during the download"), std::string::npos) << run.reports.back();
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

TEST_F(BridgeJVLinkTest, ABridgeThatSaysNothingIsEndedAtTheTimeLimit) {
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    link.setTimeLimit(std::chrono::milliseconds(300));
    const ScopedEnv silent("VANTOR_STUB_MODE", "silent");
    const auto start = std::chrono::steady_clock::now();
    const AcquireRun run = acquire(link, app.paths());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(run.failed);
    EXPECT_EQ(run.lastTime, ""_sjis);
    ASSERT_FALSE(run.reports.empty());
    EXPECT_NE(run.reports.back().find("1 秒間何も伝えなかった"), std::string::npos) << run.reports.back();
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

namespace {

// What a real-time open delivers, "-1" at each change of file; the open's
// code alone when it delivers nothing.
std::vector<std::string> realtimeRecords(JVLink& link, std::string_view dataspec, std::string_view key) {
    const int opened = link.JVRTOpen(dataspec, key);
    std::vector<std::string> got;
    if (opened != jv::kOk) got.push_back("open " + std::to_string(opened));
    std::string buff, name;
    int size = 100000;
    for (int r = opened == jv::kOk ? link.JVRead(buff, size, name) : 0; r != jv::kEndOfAll;
         r = link.JVRead(buff, size, name)) {
        if (r == jv::kNoRecordNow) continue;
        if (r < jv::kFileSwitched) {
            got.push_back("read " + std::to_string(r));
            break;
        }
        got.push_back(r > 0 ? buff : "-1");
    }
    got.push_back("close " + std::to_string(link.JVClose()));
    return got;
}

void writeRealtimeDay(const fs::path& feed) {
    const fs::path day = feed / "realtime/20240526";
    writeFile(day / "20240526090000_0B14_20240526.jvd", "WE1\r\nAV1\r\nJC1\r\n");
    writeFile(day / "20240526093000_0B14_20240526.jvd", "WE2\r\nJC2\r\n");  // the scratch withdrawn
    writeFile(day / "20240526100000_0B11_2024052605021211.jvd", "WH11\r\n");
    writeFile(day / "20240526100000_0B30_2024052605021211.jvd", std::string(962, '1') + "\r\nO2a\r\n");
    writeFile(day / "20240526101000_0B30_2024052605021211.jvd", std::string(83285, '6') + "\r\nO2b\r\n");
    writeFile(day / "20240526100000_0B41_2024052605021211.jvd", "O1a\r\n");
    writeFile(day / "20240526101000_0B41_202405260511.jvd", "O1b\r\n");
    writeFile(day / "20240526160000_RT.jvd", "RA\r\nSE\r\nHR\r\n");
}

}  // namespace

TEST_F(BridgeJVLinkTest, EveryRealtimeSpecDeliversWhatTheFeedFolderJVLinkDelivers) {
    writeRealtimeDay(feed.path());
    FeedJVLink direct(FeedSettings{feed.path(), 0, "0490"});
    ASSERT_EQ(direct.JVInit("sid"), jv::kOk);
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    const std::vector<std::pair<std::string, std::string>> opens = {
        {"0B14", "20240526"},     {"0B11", "20240526"}, {"0B11", "202405260511"}, {"0B30", "2024052605021211"},
        {"0B41", "202405260511"}, {"0B12", "20240526"}, {"0B30", "202405260512"},  // nothing announced for that race
                                                                                   // yet
    };
    for (const auto& [dataspec, key] : opens) {
        const std::vector<std::string> expected = realtimeRecords(direct, dataspec, key);
        EXPECT_EQ(realtimeRecords(link, dataspec, key), expected) << dataspec << " " << key;
        EXPECT_GT(expected.size(), 1u);
    }
    EXPECT_EQ(realtimeRecords(link, "0B30", "202405260511")[0], std::string(83285, '6') + "\r\n");
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

TEST_F(BridgeJVLinkTest, RealtimeOpensKeepJVLinksCodesAndItsSessionAfterNothingAnnounced) {
    writeRealtimeDay(feed.path());
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    EXPECT_EQ(link.JVRTOpen("0B30", "20240526"), jv::kBadKey);  // odds take a race key
    EXPECT_EQ(link.JVRTOpen("0B14", "202405260511"), jv::kBadKey);
    EXPECT_EQ(link.JVRTOpen("0B99", "20240526"), jv::kBadDataSpec);
    EXPECT_EQ(link.JVRTOpen("0B11", "2024052605"), jv::kBadKey);

    // -1 holds the session as JV-Link does: every open is busy until JVClose.
    EXPECT_EQ(link.JVRTOpen("0B11", "20240527"), jv::kNoNewerData);
    EXPECT_EQ(link.JVRTOpen("0B14", "20240526"), jv::kStillOpen);
    EXPECT_EQ(link.JVRTOpen("0B11", "20240527"), jv::kStillOpen);
    EXPECT_EQ(link.JVClose(), jv::kOk);
    EXPECT_EQ(realtimeRecords(link, "0B14", "20240526"), (std::vector<std::string>{"WE2\r\n", "JC2\r\n", "close 0"}));
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}

TEST_F(BridgeJVLinkTest, AJVRTOpenThatHangsIsEndedAtTheTimeLimitAndTheNextFetchWorks) {
    writeRealtimeDay(feed.path());
    BridgeJVLink link(wine());
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    link.setTimeLimit(std::chrono::milliseconds(300));
    {
        const ScopedEnv silent("VANTOR_STUB_MODE", "silent");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(link.JVRTOpen("0B30", "2024052605021211"), jv::kInternalError);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_NE(link.sourceProblem().find("1 秒間何も伝えなかった"), std::string::npos) << link.sourceProblem();
        EXPECT_EQ(link.JVClose(), jv::kOk);
        EXPECT_TRUE(processesOfPrefix(prefix).empty());
    }
    EXPECT_EQ(realtimeRecords(link, "0B41", "2024052605021211"),
              (std::vector<std::string>{"O1a\r\n", "-1", "O1b\r\n", "close 0"}));
    EXPECT_EQ(link.sourceProblem(), "");
}
