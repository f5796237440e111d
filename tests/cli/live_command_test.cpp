// vantor-cli live on the demo's live day, through the feed replacement at
// chosen Japan times: the changes so far told and filed, the evening's
// state ending as the results, a repeated step touching nothing, and runs
// killed mid-fetch converging on the next.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <set>
#include <thread>

#include "fileio/writer_lock.h"
#include "raceday/day_loader.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "support/analysis_db_rows.h"
#include "support/demo_weekend.h"
#include "support/run_command.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

const std::string kDay = "2024年05月26日";

class LiveCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo_ = new DemoWeekend(VANTOR_FEEDGEN, VANTOR_CLI); }
    static void TearDownTestSuite() { delete demo_; }

    // Each test starts from the acquired demo store.
    void SetUp() override {
        ASSERT_TRUE(demo_->error().empty()) << demo_->error();
        fs::copy(demo_->appDir(), app.path(), fs::copy_options::recursive);
    }

    static fs::path feed() { return demo_->path() / "feed"; }
    fs::path live() const { return app / "Live" / "20240526"; }

    // live --once at Japan time "hhmm" of the day (or with the options given instead).
    CommandOutput once(const std::string& hhmm, const std::string& options = "--once") const {
        return runCommand("VANTOR_JVLINK_CLOCK=20240526" + hhmm + "00 " + VANTOR_CLI + " --app-dir " +
                          shellWord(app.path().string()) + " live --day " + shellWord(kDay) + " --feed " +
                          shellWord(feed().string()) + " " + options);
    }
    // live at 17:00 as a process of its own, --once unless other options are given.
    pid_t start(const std::vector<std::string>& options = {"--once"}) const {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) ::_exit(126);
            ::setenv("VANTOR_JVLINK_CLOCK", "20240526170000", 1);
            std::vector<std::string> words = {VANTOR_CLI, "--app-dir", app.path().string(), "live", "--day",
                                              kDay,       "--feed",    feed().string()};
            words.insert(words.end(), options.begin(), options.end());
            std::vector<char*> args;
            for (std::string& w : words) args.push_back(w.data());
            args.push_back(nullptr);
            ::execv(VANTOR_CLI, args.data());
            ::_exit(127);
        }
        return pid;
    }

    // The program folder's files with their bytes and times, but for the
    // writer lock (whose holder note comes and goes) and temporaries.
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files() const {
        std::map<std::string, std::pair<std::string, fs::file_time_type>> all;
        for (const auto& e : fs::recursive_directory_iterator(app.path())) {
            const std::string name = e.path().filename().string();
            if (!e.is_regular_file() || name == "vantor.lock" || name.find(".tmp-") != std::string::npos) continue;
            all[fs::relative(e.path(), app.path()).string()] = {readFile(e.path()), fs::last_write_time(e.path())};
        }
        return all;
    }
    // The files' bytes, the analysis database's by its rows.
    std::map<std::string, std::string> bytes() const {
        std::map<std::string, std::string> all;
        for (auto& [name, file] : files())
            all[name] = name == "analysis.sqlite" ? analysisDbRows(file.first) : file.first;
        return all;
    }

    static DemoWeekend* demo_;
    TempDir app;
};

DemoWeekend* LiveCommand::demo_ = nullptr;

bool contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

// The scratches (AV records) of each of the feed's day-changes answers, in announce order.
std::vector<int> scratchesPerAnswer(const fs::path& feed) {
    std::set<fs::path> answers;
    for (const auto& e : fs::directory_iterator(feed / "realtime" / "20240526"))
        if (e.path().filename().string().find("_0B14_") != std::string::npos) answers.insert(e.path());
    std::vector<int> counts;
    for (const fs::path& a : answers) {
        const std::string records = readFile(a);
        int n = 0;
        for (std::size_t at = 0; at < records.size(); at = records.find("\r\n", at) + 2)
            n += records.compare(at, 2, "AV") == 0;
        counts.push_back(n);
    }
    return counts;
}

// Whether every line of a live file is a whole record of its kind.
bool wholeRecords(const fs::path& file) {
    const std::string name = file.filename().string();
    std::set<std::size_t> lengths;
    using namespace jvdata;
    if (name == "changes.jvd")
        lengths = {kWeLength, kAvLength, kJcLength, kTcLength, kCcLength};
    else if (name == "weights.jvd")
        lengths = {kWhLength};
    else if (name == "odds_O1.jvd" || name == "series.jvd")
        lengths = {kO1Length};
    else if (name == "odds_O2.jvd")
        lengths = {kO2Length};
    else if (name == "odds_O3.jvd")
        lengths = {kO3Length};
    else if (name == "odds_O4.jvd")
        lengths = {kO4Length};
    else if (name == "odds_O5.jvd")
        lengths = {kO5Length};
    else if (name == "odds_O6.jvd")
        lengths = {kO6Length};
    else
        return name.find(".tmp-") != std::string::npos;  // a temporary the next write clears
    const std::string bytes = readFile(file);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos || !lengths.contains(end + 2 - at)) return false;
        at = end + 2;
    }
    return true;
}

}  // namespace

TEST_F(LiveCommand, TheMorningIsToldAsItComesAndTheEveningEndsAsTheResults) {
    const CommandOutput ten = once("1000");
    ASSERT_EQ(ten.status, 0);
    const std::vector<std::string> morning = lines(ten.text);
    EXPECT_TRUE(contains(morning, "出走取消(")) << ten.text;
    EXPECT_TRUE(contains(morning, "競走除外("));
    EXPECT_TRUE(contains(morning, "騎手変更"));
    EXPECT_TRUE(contains(morning, "馬体重"));
    EXPECT_TRUE(contains(morning, "単勝1番人気"));
    for (const std::string& l : morning) EXPECT_LE(l.substr(0, 5), "10:00") << l;
    EXPECT_TRUE(fs::exists(live() / "changes.jvd"));
    EXPECT_TRUE(fs::exists(live() / "odds_O1.jvd"));

    // Half an hour later, replayed: the scratch withdrawn at 10:15 says so.
    const CommandOutput half = once("1000", "--replay-from 10:30 --once");
    ASSERT_EQ(half.status, 0);
    EXPECT_TRUE(contains(lines(half.text), "出走取消を撤回")) << half.text;
    EXPECT_FALSE(contains(lines(half.text), "競走除外(")) << "told already";

    // Nothing new: nothing said, no byte and no file time of the store changed.
    const auto before = files();
    const CommandOutput again = once("1030");
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.text, "");
    EXPECT_TRUE(files() == before);

    ASSERT_EQ(once("1700").status, 0);
    std::unique_ptr<RaceDay> day = RaceDay::create();
    ASSERT_EQ(DayLoader(StorePaths(app.path())).load(kDay, *day).status, DayLoadResult::Status::loaded);
    const LiveDay& state = day->live();
    int compared = 0, scratched = 0;
    for (int r = 0; r < day->RaceCount; ++r) {
        const SjisView key = day->RaceTbl[r].RaceKey.view();
        const LiveRace* race = state.race(key.substr(8, 2), lenientInt(key.substr(14, 2)));
        ASSERT_TRUE(race) << key.bytes();
        for (int j = 0; j < kMaxRunners; ++j) {
            const SjisView se = day->JvSeTbl[r][j].view();
            const LiveRunner& runner = race->runners[static_cast<std::size_t>(j)];
            scratched += !runner.scratch.empty();
            if (lenientInt(jvdata::get(se, jvdata::se::Odds)) <= 0) continue;
            EXPECT_EQ(runner.winOdds, liveValue(lenientInt(jvdata::get(se, jvdata::se::Odds))))
                << key.bytes() << " " << j + 1;
            EXPECT_EQ(runner.winNinki, liveValue(lenientInt(jvdata::get(se, jvdata::se::Ninki))))
                << key.bytes() << " " << j + 1;
            ++compared;
        }
    }
    EXPECT_GT(compared, 300);
    const std::vector<int> answers = scratchesPerAnswer(feed());
    EXPECT_GT(*std::max_element(answers.begin(), answers.end()), answers.back()) << "one scratch is withdrawn";
    EXPECT_EQ(scratched, answers.back()) << "the withdrawn scratch is gone";
}

TEST_F(LiveCommand, RunsKilledMidFetchLeaveWholeFilesAndTheNextRunConverges) {
    TempDir reference;
    fs::copy(app.path(), reference.path(), fs::copy_options::recursive);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(once("1700").status, 0);
    const auto whole = std::chrono::steady_clock::now() - started;
    const auto expected = bytes();
    fs::remove_all(app.path());
    fs::copy(reference.path(), app.path(), fs::copy_options::recursive);

    // Kill points spread over the whole run: most of a run is the process
    // starting and loading its day, so only some of them fall in the filing.
    constexpr int kKills = 20;
    int midway = 0;  // kills that caught the run with part of the day filed
    for (int kill = 1; kill <= kKills; ++kill) {
        const auto at = std::chrono::duration_cast<std::chrono::microseconds>(whole) * kill / kKills;
        const pid_t pid = start();
        std::this_thread::sleep_for(at);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!fs::is_directory(live())) continue;
        for (const auto& e : fs::directory_iterator(live()))
            EXPECT_TRUE(wholeRecords(e.path())) << e.path() << " after a kill at " << at.count() << " us";
        midway += bytes() != expected;
    }
    EXPECT_GE(midway, 1);
    ASSERT_EQ(once("1700").status, 0);
    EXPECT_TRUE(bytes() == expected) << "the run after the kills ends where an unkilled run ends";
}

TEST_F(LiveCommand, AReplayedLoopStepsByItsClockUntilItsEndAndASignalEndsALoop) {
    // Half an hour of the morning at 150 times the pace: twelve seconds, so
    // that a step slowed by a sanitizer or a loaded machine still leaves the
    // replayed clock steps to take before 09:30.
    const auto started = std::chrono::steady_clock::now();
    const CommandOutput replay = once("0000", "--replay-from 09:00 --speed 150 --every 300 --until 09:30");
    const auto took = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(replay.status, 0);
    EXPECT_GE(took, std::chrono::seconds(10));
    EXPECT_LT(took, std::chrono::seconds(60));
    const std::vector<std::string> told = lines(replay.text);
    ASSERT_FALSE(told.empty());
    EXPECT_LE(told.back().substr(0, 5), "09:30") << told.back();
    // The demo announces its scratches from 8:40 every 25 minutes, 出走取消 from the second on.
    const std::regex scratch("09:05 .+R [0-9]+番 出走取消\\((疾病|事故|その他)\\)");
    EXPECT_TRUE(std::any_of(told.begin(), told.end(), [&](const std::string& l) {
        return std::regex_match(l, scratch);
    })) << replay.text;
    EXPECT_TRUE(contains(told, "09:10 東京 1R 馬体重")) << "the weighing of a later step";

    for (const int signal : {SIGINT, SIGTERM}) {
        const pid_t pid = start({"--every", "1"});
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << signal;
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    }
    EXPECT_EQ(once("1700").text, "") << "the loop ended with the day filed";
}

TEST_F(LiveCommand, BadOptionsAreRefusedBeforeAnythingIsFetched) {
    for (const std::string options : {"--every 0", "--until 25:00", "--replay-from 9:00", "--speed 2",
                                      "--replay-from 09:00 --speed 0", "--once --every 10", "--race 3"}) {
        EXPECT_EQ(once("1000", options).status, 2) << options;
    }
    EXPECT_FALSE(fs::exists(live()));
}

TEST_F(LiveCommand, TheWriterLockIsTakenForEachFetchAlone) {
    {
        auto held = WriterLock::take(app.path(), "the window", false);
        ASSERT_TRUE(std::holds_alternative<WriterLock>(held));
        const CommandOutput refused = once("1000", "--once 2>&1; exit $?");  // its standard error too
        EXPECT_EQ(refused.status, 1) << "every fetch refused is a failed fetch";
        EXPECT_NE(refused.text.find("0B14 20240526: "), std::string::npos) << refused.text;
        EXPECT_NE(refused.text.find("the window"), std::string::npos) << "the holder is named";
        EXPECT_FALSE(fs::exists(live()));
    }
    // Between its steps a loop holds nothing: another writer gets the folder
    // once the first step (its fetches, then the analysis database's update)
    // is done, long before the next step is due.
    const pid_t pid = start({"--every", "60"});
    bool taken = false;
    for (int tries = 0; tries < 300 && !taken; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        taken = fs::exists(live() / "weights.jvd") &&
                std::holds_alternative<WriterLock>(WriterLock::take(app.path(), "another writer", false));
    }
    EXPECT_TRUE(taken) << "the folder was still held 30 s into a loop stepping every 60 s";
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 143);
    EXPECT_TRUE(fs::exists(live() / "weights.jvd"));
}
