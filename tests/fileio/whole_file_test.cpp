#include "fileio/whole_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

TEST(ReadFilePart, TakesTheStartOrTheEndOnRecordBoundaries) {
    TempDir dir;
    const fs::path file = dir / "f";
    writeFile(file, "AAAA\nBBBB\nCCCC\nDDDD\nEE");  // four records of 5 bytes and a cut-off one
    EXPECT_EQ(readFilePart(file, {7}).bytes, "AAAA\nBB");
    EXPECT_EQ(readFilePart(file, {11, ReadFrom::end, 5}).bytes, "DDDD\nEE");
    EXPECT_EQ(readFilePart(file, {11, ReadFrom::end}).bytes, "CCC\nDDDD\nEE");
    EXPECT_EQ(readFilePart(file, {100, ReadFrom::end, 5}).bytes, readWholeFile(file).bytes);
    EXPECT_EQ(readFilePart(dir / "missing", {10}).status, FileContent::Status::missing);
    EXPECT_EQ(readFilePart(dir.path(), {10}).status, FileContent::Status::unreadable);
}

TEST(ReadFilePart, AHugeSparseFileCostsOnlyItsBound) {
    TempDir dir;
    const fs::path file = dir / "huge";
    writeFile(file, "head");
    fs::resize_file(file, 3ull << 30);
    const FileContent tail = readFilePart(file, {555, ReadFrom::end, 555});
    EXPECT_EQ(tail.status, FileContent::Status::ok);
    EXPECT_LE(tail.bytes.size(), 555u);
    EXPECT_EQ(readFilePart(file, {4}).bytes, "head");
}

TEST(RemoveLeftTemporaries, RemovesOnlyTheTemporariesOfEndedWriters) {
    TempDir dir;
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended), alive = std::to_string(::getpid());
    const std::vector<std::string> kept = {
        ".a.jvRA.tmp-" + alive + "-4",  // this process's, in use
        ".a.jvRA.tmp-1-5",              // a running process's
        "a.jvRA.tmp-" + dead + "-1",    // not this naming: no leading dot
        ".a.jvRA.tmp-" + dead + "-x",
        ".a.jvRA.tmp-" + dead,
        "2024年05月26日.jvRA",
    };
    for (const auto& name : kept) writeFile(dir / name, "x");
    writeFile(dir / (".a.jvRA.tmp-" + dead + "-3"), "half");
    writeFile(dir / (".2024年05月26日.jvRA.tmp-" + dead + "-12"), "half");
    fs::create_directory(dir / (".folder.tmp-" + dead + "-1"));
    fs::create_symlink(dir / "2024年05月26日.jvRA", dir / (".link.tmp-" + dead + "-1"));

    EXPECT_EQ(removeLeftTemporaries(dir.path()), 2);
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.path())) left.insert(e.path().filename().string());
    std::set<std::string> expected(kept.begin(), kept.end());
    expected.insert(".folder.tmp-" + dead + "-1");
    expected.insert(".link.tmp-" + dead + "-1");
    EXPECT_EQ(left, expected);
}

TEST(ReplaceWholeFile, LeavesNoTemporaryBehind) {
    TempDir dir;
    ASSERT_TRUE(replaceWholeFile(dir / "f", "new", Durability::renameOnly));
    EXPECT_FALSE(replaceWholeFile(dir / "missing" / "f", "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}
