// Two `vantor-cli acquire` runs of different feeds into one program folder
// at the same time: the second is refused at once, naming the first, or
// with --wait runs after it, and the store is that of the runs one after
// the other. A killed holder blocks no one, and readers need no lock.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "acquire_runs.h"
#include "fileio/writer_lock.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class AcquireLockTest : public ::testing::Test {
protected:
    // Two halves of the same month: their runs share horses, so the
    // histories depend on which ran first.
    static void SetUpTestSuite() {
        feeds_ = new TempDir;
        makeSetupFeed(*feeds_ / "a", 0, 500);
        makeSetupFeed(*feeds_ / "b", 500, 500);
    }
    static void TearDownTestSuite() { delete feeds_; }
    static fs::path feed(const char* name) { return *feeds_ / name; }

    // The store after the runs of the feeds named, one after the other.
    static std::map<std::string, std::string> serial(std::initializer_list<const char*> names) {
        const TempDir app;
        for (const char* name : names) EXPECT_EQ(waitFor(startAcquire(app.path(), feed(name))), 0) << name;
        return folderSnapshot(app.path());
    }

    static TempDir* feeds_;
};
TempDir* AcquireLockTest::feeds_ = nullptr;

TEST_F(AcquireLockTest, ASecondRunIsRefusedNamingTheHolderAndWithWaitRunsAfterIt) {
    const TempDir app;
    const fs::path errors = app / "errors.txt";
    {
        auto held = WriterLock::take(app.path(), "vantor ＪＶデータ取得", false);
        ASSERT_TRUE(std::holds_alternative<WriterLock>(held));
        const int refused = waitFor(startAcquire(app.path(), feed("a"), {}, errors.c_str()));
        EXPECT_TRUE(WIFEXITED(refused) && WEXITSTATUS(refused) == 1);
        const std::string message = readFile(errors);
        EXPECT_NE(message.find("vantor ＪＶデータ取得 (プロセス " + std::to_string(getpid())), std::string::npos)
            << message;
        EXPECT_FALSE(fs::exists(app / "vantor.ini")) << "the refused run wrote settings";

        const pid_t waiting = startAcquire(app.path(), feed("a"), {"--wait"});
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(::waitpid(waiting, nullptr, WNOHANG), 0) << "the run did not wait for the holder";
        held = std::string();  // gives the folder back
        EXPECT_EQ(waitFor(waiting), 0);
    }
    fs::remove(errors);
    EXPECT_EQ(folderSnapshot(app.path()), serial({"a"}));
}

TEST_F(AcquireLockTest, RunsStartedTogetherWithWaitLeaveTheStoreOfOneAfterTheOther) {
    const TempDir app;
    const pid_t a = startAcquire(app.path(), feed("a"), {"--wait"});
    const pid_t b = startAcquire(app.path(), feed("b"), {"--wait"});
    ASSERT_EQ(waitFor(a), 0);
    ASSERT_EQ(waitFor(b), 0);
    const auto together = folderSnapshot(app.path());
    EXPECT_TRUE(together == serial({"a", "b"}) || together == serial({"b", "a"}))
        << "the store is neither serial order";
}

TEST_F(AcquireLockTest, AKilledHolderBlocksNoOneAndReadersNeedNoLock) {
    const TempDir app;
    ASSERT_EQ(waitFor(startAcquire(app.path(), feed("a"))), 0);
    const pid_t killed = startAcquire(app.path(), feed("b"));
    std::this_thread::sleep_for(100ms);
    ::kill(killed, SIGKILL);
    waitFor(killed);

    auto held = WriterLock::take(app.path(), "vantor ＪＶデータ取得", false);
    ASSERT_TRUE(std::holds_alternative<WriterLock>(held)) << std::get<std::string>(held);
    const std::string days = std::string(VANTOR_CLI) + " --app-dir '" + app.path().string() + "' days >/dev/null 2>&1";
    EXPECT_EQ(std::system(days.c_str()), 0) << "a reader was refused";
}

}  // namespace
