// A real `vantor-cli acquire` killed with SIGKILL at moments spread over its
// run: the re-run leaves the same store, byte for byte, as a run that was
// never interrupted, and no temporary file behind.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "acquire_runs.h"

using namespace vantor::test;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

class AcquireKillTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        feed_ = new TempDir;
        makeSetupFeed(feed_->path(), 0, 1200);
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
    const auto expected = folderSnapshot(complete.path());
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
        EXPECT_EQ(folderSnapshot(app.path()), expected) << "killed at " << at << " of the run";
    }
}
