// The values of one choice written together: one replacement of the file,
// all of them or none.

#include "settings/settings_batch.h"

#include <gtest/gtest.h>

#include "fileio/memory_files.h"
#include "settings/setting.h"

using namespace vantor;

namespace {

// Counts the replacements of files held in memory.
class CountingFiles final : public FileAccess {
public:
    MemoryFiles files;
    int replaced = 0;

    FileContent readPart(const std::filesystem::path& path, const ReadBound& bound) override {
        return files.readPart(path, bound);
    }
    bool replace(const std::filesystem::path& path, std::string_view content, Durability durability) override {
        ++replaced;
        return files.replace(path, content, durability);
    }
    bool makeFolders(const std::filesystem::path& folder) override { return files.makeFolders(folder); }
    int removeLeftTemporaries(const std::filesystem::path&) override { return 0; }
    std::vector<std::string> fileNames(const std::filesystem::path& folder) override { return files.fileNames(folder); }
    bool remove(const std::filesystem::path& file) override { return files.remove(file); }
};

class Batch : public ::testing::Test {
protected:
    // No such folder exists on disk: the link lookup and the update lock find nothing there.
    const std::filesystem::path file = "/nonexistent/vantor-settings/vantor.ini";
    CountingFiles disk;
    TIniGT ini{disk};

    void SetUp() override { ini.setFileName(file.string()); }
    std::string bytes() { return disk.files.readWhole(file).bytes; }
};

}  // namespace

TEST_F(Batch, AllValuesGoIntoOneReplacementAndTheLastOfAKeyCounts) {
    disk.files.put(file, "[locate]\r\ntop=1\r\n");
    SettingsBatch batch(ini);
    writeSetting(batch, PlacementSetting{"locate", {}}, {5, 6, 700, 500});
    writeSetting(batch, Setting<bool>{"datalist", "close", false}, true);
    writeSetting(batch, Setting<int>{"locate", "top", 0}, 9);
    EXPECT_EQ(disk.replaced, 0);  // nothing before the commit
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(disk.replaced, 1);
    EXPECT_EQ(bytes(), "[locate]\r\ntop=9\r\nleft=5\r\nwidth=700\r\nheight=500\r\n\r\n[datalist]\r\nclose=1\r\n");

    EXPECT_TRUE(batch.commit());  // emptied by the commit: nothing more to write
    EXPECT_EQ(disk.replaced, 1);
}

TEST_F(Batch, OneValueTheFileCannotHoldKeepsTheWholeOldFile) {
    const std::string old = "[JVLinkFeed]\r\nFolder=/old\r\nPace=20\r\n";
    disk.files.put(file, old);
    SettingsBatch batch(ini);
    writeSetting(batch, Setting<int>{"JVLinkFeed", "Pace", 0}, 50);
    writeSetting(batch, Setting<SjisView>{"JVLinkFeed", "Folder", ""}, "/new\r\n[locate]");
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(disk.replaced, 0);

    // A folder that is gone: the replacement fails, and says so.
    ini.setFileName("/nonexistent/gone/vantor.ini");
    writeSetting(batch, Setting<int>{"JVLinkFeed", "Pace", 0}, 50);
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(bytes(), old);
}
