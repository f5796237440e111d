// The program folder's writer lock: a second writer is refused at once with
// who holds the folder, or waits for it; a killed holder blocks no one.

#include "fileio/writer_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/temp_dir.h"

using namespace vantor;
using namespace std::chrono_literals;

namespace {

bool taken(const std::variant<WriterLock, std::string>& result) { return std::holds_alternative<WriterLock>(result); }
std::string refusal(const std::variant<WriterLock, std::string>& result) {
    return taken(result) ? std::string("(taken)") : std::get<std::string>(result);
}

TEST(WriterLock, ASecondWriterIsRefusedWithTheHolderAndGetsTheFolderOnceItIsFree) {
    const test::TempDir folder;
    {
        auto first = WriterLock::take(folder.path(), "vantor-cli acquire", false);
        ASSERT_TRUE(taken(first)) << refusal(first);
        const auto second = WriterLock::take(folder.path(), "vantor-cli odds", false);
        ASSERT_FALSE(taken(second));
        const std::string message = refusal(second);
        EXPECT_NE(message.find("vantor-cli acquire"), std::string::npos) << message;
        EXPECT_NE(message.find("プロセス " + std::to_string(getpid())), std::string::npos) << message;
        EXPECT_NE(message.find(" から"), std::string::npos) << message;
    }
    // Given back: free, and the file says no one.
    EXPECT_EQ(std::filesystem::file_size(folder / kWriterLockFile), 0u);
    EXPECT_TRUE(taken(WriterLock::take(folder.path(), "vantor-cli odds", false)));
}

TEST(WriterLock, AWaitingWriterGetsTheFolderWhenTheHolderEnds) {
    const test::TempDir folder;
    auto first =
        std::make_unique<std::variant<WriterLock, std::string>>(WriterLock::take(folder.path(), "vantor", false));
    ASSERT_TRUE(taken(*first));
    const auto start = std::chrono::steady_clock::now();
    std::thread holder([&first] {
        std::this_thread::sleep_for(200ms);
        first.reset();
    });
    const auto waited = WriterLock::take(folder.path(), "vantor-cli acquire", true);
    holder.join();
    EXPECT_TRUE(taken(waited)) << refusal(waited);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
}

TEST(WriterLock, AKilledHolderBlocksNoOne) {
    const test::TempDir folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto lock = WriterLock::take(folder.path(), "vantor-cli acquire", false);
        const char byte = taken(lock) ? '1' : '0';
        [[maybe_unused]] const auto written = write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, '1');
    const auto whileHeld = WriterLock::take(folder.path(), "vantor", false);
    EXPECT_NE(refusal(whileHeld).find("プロセス " + std::to_string(child)), std::string::npos) << refusal(whileHeld);

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    const auto after = WriterLock::take(folder.path(), "vantor", false);
    EXPECT_TRUE(taken(after)) << refusal(after);
}

TEST(WriterLock, AFolderThatCannotHoldTheLockIsAMessage) {
    const test::TempDir folder;
    const auto result = WriterLock::take(folder / "missing", "vantor", false);
    ASSERT_FALSE(taken(result));
    EXPECT_NE(refusal(result).find("missing"), std::string::npos) << refusal(result);
}

}  // namespace

TEST(WriterLock, ALockFileThatIsNotTheFoldersOwnIsRefusedAndNothingOutsideIsTouched) {
    const test::TempDir folder, outside;
    const auto victim = outside / "notes.txt";
    test::writeFile(victim, "the user's notes\n");
    const auto lockFile = folder / kWriterLockFile;
    const auto refusedWith = [&folder](const std::string& words) {
        const auto result = WriterLock::take(folder.path(), "vantor-cli acquire", false);
        ASSERT_FALSE(taken(result));
        EXPECT_NE(refusal(result).find(words), std::string::npos) << refusal(result);
    };

    std::filesystem::create_symlink(victim, lockFile);
    refusedWith("シンボリックリンク");
    EXPECT_EQ(test::readFile(victim), "the user's notes\n");

    std::filesystem::remove(lockFile);
    std::filesystem::create_symlink(outside / "made.txt", lockFile);  // dangling: nothing is created there
    refusedWith("シンボリックリンク");
    EXPECT_FALSE(std::filesystem::exists(outside / "made.txt"));

    std::filesystem::remove(lockFile);
    std::filesystem::create_hard_link(victim, lockFile);
    refusedWith("ハードリンク");
    EXPECT_EQ(test::readFile(victim), "the user's notes\n");

    std::filesystem::remove(lockFile);
    ASSERT_EQ(mkfifo(lockFile.c_str(), 0600), 0);
    refusedWith("通常のファイルではありません");
}

TEST(WriterLock, AForeignLockFilesBytesAreShownAsPrintableText) {
    const test::TempDir folder;
    test::writeFile(folder / kWriterLockFile, std::string("evil\x1b]0;owned\x07\0tool\n12\x1b[2J\nnow\r\n", 32));
    const int fd = open((folder / kWriterLockFile).c_str(), O_RDWR);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    const auto result = WriterLock::take(folder.path(), "vantor", false);
    close(fd);
    const std::string message = refusal(result);
    EXPECT_NE(message.find("evil\\x1b]0;owned\\x07\\x00tool (プロセス 12\\x1b[2J, now\\r から)"), std::string::npos)
        << message;
    for (const char c : message) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << message;
}
