// The file access of the store on disk and in memory: the in-memory files
// behave as the disk does wherever the store relies on it, so that fuzzing
// and benchmarks in memory run the program's own paths.

#include "fileio/file_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fileio/memory_files.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

using Status = FileContent::Status;

// A fresh folder on disk, or one of the same name in memory.
class FileAccessTest : public ::testing::TestWithParam<bool> {
protected:
    FileAccessTest() {
        if (GetParam()) {
            files = &diskFiles();
        } else {
            memory = std::make_unique<MemoryFiles>();
            memory->makeFolders(dir.path());
            files = memory.get();
        }
    }

    TempDir dir;
    std::unique_ptr<MemoryFiles> memory;
    FileAccess* files = nullptr;
};

}  // namespace

TEST_P(FileAccessTest, AReplacementIsReadBackWithinTheBoundsOfTheRead) {
    const fs::path file = dir / "f";
    EXPECT_EQ(files->readWhole(file).status, Status::missing);
    ASSERT_TRUE(files->replace(file, "old", Durability::renameOnly));
    ASSERT_TRUE(files->replace(file, "AAAA\nBBBB\nCCCC\nDDDD\nEE", Durability::flushed));
    EXPECT_EQ(files->readWhole(file).bytes, "AAAA\nBBBB\nCCCC\nDDDD\nEE");
    EXPECT_EQ(files->readPart(file, {7}).bytes, "AAAA\nBB");
    EXPECT_EQ(files->readPart(file, {11, ReadFrom::end, 5}).bytes, "DDDD\nEE");
    EXPECT_EQ(files->readPart(file, {11, ReadFrom::end}).bytes, "CCC\nDDDD\nEE");
    EXPECT_EQ(files->readPart(file, {0}).status, Status::ok) << "a look at a file that is there";
    EXPECT_EQ(files->readPart(file, {0}).bytes, "");
    ASSERT_TRUE(files->replace(dir / "empty", "", Durability::renameOnly));
    EXPECT_EQ(files->readWhole(dir / "empty").status, Status::ok);
}

TEST_P(FileAccessTest, FoldersAreMadeWithTheirParentsAndNeitherReadNorReplaced) {
    const fs::path deep = dir / "a" / "b" / "c";
    EXPECT_FALSE(files->replace(deep / "f", "x", Durability::renameOnly)) << "a folder that is not there";
    EXPECT_EQ(files->readWhole(deep / "f").status, Status::missing);
    ASSERT_TRUE(files->makeFolders(deep));
    EXPECT_TRUE(files->makeFolders(deep)) << "made already";
    EXPECT_TRUE(files->replace(deep / "f", "x", Durability::renameOnly));
    EXPECT_EQ(files->readWhole(dir / "a" / "b").status, Status::unreadable) << "a folder reads as unreadable";
    EXPECT_FALSE(files->replace(dir / "a" / "b", "x", Durability::renameOnly));
    EXPECT_EQ(files->readWhole(deep / "f").bytes, "x") << "a failed replacement leaves what is there";
    EXPECT_FALSE(files->makeFolders(deep / "f")) << "a file holds the name";
    EXPECT_FALSE(files->makeFolders(deep / "f" / "g"));
    EXPECT_EQ(files->removeLeftTemporaries(deep), 0);
}

TEST_P(FileAccessTest, AFoldersFilesAreListedWithoutItsFoldersAndRemovedOneByOne) {
    EXPECT_TRUE(files->fileNames(dir / "missing").empty());
    ASSERT_TRUE(files->makeFolders(dir / "sub" / "deeper"));
    for (const char* name : {"a", "b", "sub/c"}) ASSERT_TRUE(files->replace(dir / name, name, Durability::renameOnly));
    std::vector<std::string> names = files->fileNames(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(files->remove(dir / "a"));
    EXPECT_EQ(files->readWhole(dir / "a").status, Status::missing);
    EXPECT_TRUE(files->remove(dir / "a")) << "gone already";
    EXPECT_FALSE(files->remove(dir / "sub" / "deeper")) << "a folder is no file to remove";
    EXPECT_TRUE(files->makeFolders(dir / "sub" / "deeper"));
    EXPECT_EQ(files->fileNames(dir / "sub"), std::vector<std::string>{"c"});
}

TEST_P(FileAccessTest, APathSpeltWithDotsOrDoubledSeparatorsNamesTheSameFile) {
    ASSERT_TRUE(files->makeFolders(dir / "a" / "b"));
    ASSERT_TRUE(files->replace(dir.path().string() + "/a/./b//f", "x", Durability::renameOnly));
    for (const char* spelt : {"/a/b/f", "/a/b/../b/f", "/./a/b/f", "//a//b/./f"})
        EXPECT_EQ(files->readWhole(dir.path().string() + spelt).bytes, "x") << spelt;
    EXPECT_EQ(files->readWhole(dir.path().string() + "/a/b.f").status, Status::missing);
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, FileAccessTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "disk" : "memory"; });

TEST(MemoryFiles, AFileMarkedUnreadableIsThereButCannotBeRead) {
    MemoryFiles files;
    files.put("/app/Data/x.jvRA", "bytes");
    files.makeUnreadable("/app/Data/x.jvRA");
    EXPECT_EQ(files.readWhole("/app/Data/x.jvRA").status, FileContent::Status::unreadable);
    EXPECT_EQ(files.readWhole("/app/Data//x.jvRA").status, FileContent::Status::unreadable)
        << "the same path however it is spelt";
    std::vector<std::string> listed;
    files.forEachFile([&](const std::string& path, std::string_view) { listed.push_back(path); });
    EXPECT_EQ(listed, std::vector<std::string>{"/app/Data/x.jvRA"});
}
