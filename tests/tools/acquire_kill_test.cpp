// A real `vantor-cli acquire` killed with SIGKILL at moments spread over its
// run: the re-run leaves the same store, byte for byte, as a run that was
// never interrupted, and no temporary file behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>

#include "demo/demo_feed.h"
#include "support/temp_dir.h"

using namespace vantor::test;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Every file under root, relative name to content.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = readFile(e.path());
    return files;
}

// Starts `vantor-cli acquire` of the feed into app; its output goes nowhere.
pid_t startAcquire(const fs::path& app, const fs::path& feed) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        ::execl(VANTOR_CLI, VANTOR_CLI, "--app-dir", app.c_str(), "acquire", "--feed", feed.c_str(), "--setup",
                "--from", "2023/01/01 00:00:00", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

class AcquireKillTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        feed_ = new TempDir;
        vantor::demo::DemoOptions options;
        options.out = feed_->path();
        options.toDate = 20240527;
        options.years = 1;
        ASSERT_TRUE(vantor::demo::generateDemoFeed(options).ok());
        // The first 1,200 records of the last month's set-up data keep the run
        // short (about a thousand store files).
        fs::remove_all(feed_->path() / "normal");
        for (const auto& e : fs::directory_iterator(feed_->path() / "setup")) {
            if (e.path().filename().string() < "20240520060000_RACE202403") {
                fs::remove(e.path());
                continue;
            }
            std::string records = readFile(e.path());
            std::size_t end = 0;
            for (int n = 0; n < 1200 && end != std::string::npos; ++n) end = records.find("\r\n", end + 2);
            if (end != std::string::npos) records.resize(end + 2);
            writeFile(e.path(), records);
        }
    }
    static void TearDownTestSuite() { delete feed_; }
    static TempDir* feed_;
};
TempDir* AcquireKillTest::feed_ = nullptr;

}  // namespace

TEST_F(AcquireKillTest, KilledRunsConvergeOnReRunAndLeaveNoTemporaries) {
    TempDir complete;
    const auto start = Clock::now();
    ASSERT_EQ(waitFor(startAcquire(complete.path(), feed_->path())), 0);
    const auto whole = Clock::now() - start;
    const auto expected = snapshot(complete.path());
    ASSERT_GT(expected.size(), 100u);

    for (const double at : {0.2, 0.6, 0.85, 0.95, 1.0}) {
        TempDir app;
        const pid_t pid = startAcquire(app.path(), feed_->path());
        std::this_thread::sleep_for(std::chrono::duration_cast<Clock::duration>(whole * at));
        ::kill(pid, SIGKILL);
        const int status = waitFor(pid);
        // Whatever the kill left, a re-run must clear: a temporary file of
        // the killed process stands in for one the kill caught mid-write.
        if (WIFSIGNALED(status) && fs::is_directory(app / "DATA"))
            writeFile(app / "DATA" / (".x.jvRA.tmp-" + std::to_string(pid) + "-0"), "half a file");
        ASSERT_EQ(waitFor(startAcquire(app.path(), feed_->path())), 0) << "re-run after " << at;
        EXPECT_EQ(snapshot(app.path()), expected) << "killed at " << at << " of the run";
    }
}
