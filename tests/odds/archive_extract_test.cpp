#include "odds/archive_extract.h"

#include <gtest/gtest.h>

#include <vector>

#include "demo/lzh_writer.h"
#include "odds/lha_tool.h"
#include "support/temp_dir.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;
using demo::LzhMember;

namespace {

constexpr std::int64_t kStamp = 1716681600;  // 2024-05-26 00:00 UTC

std::string compressible(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "0512040" + std::to_string(i % 12 + 1) + "  12.3  45.6 123.4\r\n";
    return text;
}

class ArchiveExtract : public ::testing::Test {
protected:
    ArchiveExtract() { fs::create_directories(in); }

    fs::path pack(const std::vector<LzhMember>& members, int level, const std::string& name = "t.lzh") {
        writeFile(dir / name, demo::lzhArchive(members, level, kStamp));
        return dir / name;
    }
    // Files and folders anywhere under the temporary folder.
    std::vector<fs::path> everything() const {
        std::vector<fs::path> found;
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            found.push_back(e.path().lexically_relative(dir.path()));
        std::sort(found.begin(), found.end());
        return found;
    }

    TempDir dir;
    const fs::path in = dir / "in";
};

}  // namespace

TEST_F(ArchiveExtract, EveryMemberOfEachLzhMethodReplacesFilesOfTheSameName) {
    SKIP_WITHOUT_LHA();
    const fs::path src = dir / "src";
    writeFile(src / "a.txt", compressible(400));
    writeFile(src / "b.txt", compressible(90).substr(7));
    for (const auto& [option, method] :
         {std::pair{"ao5", "-lh5-"}, {"ao6", "-lh6-"}, {"ao7", "-lh7-"}, {"az", "-lh0-"}}) {
        SCOPED_TRACE(method);
        fs::remove(src / "t.lzh");
        runLha(src, std::string(option) + " t.lzh a.txt b.txt");
        const std::string archive = readFile(src / "t.lzh");
        ASSERT_EQ(archive.substr(2, 5), method);  // the tool's default header level 2
        writeFile(in / "a.txt", "older");

        const ExtractResult result = extractArchive(src / "t.lzh", in);
        EXPECT_EQ(result.extracted, 2);
        EXPECT_EQ(readFile(in / "a.txt"), readFile(src / "a.txt"));
        EXPECT_EQ(readFile(in / "b.txt"), readFile(src / "b.txt"));
    }
}

TEST_F(ArchiveExtract, ShiftJisNamesBecomeUtf8WithoutTakingTrailBytesForSeparators) {
    // "表" is 0x95 0x5C in Shift-JIS: its second byte is the backslash.
    for (int level : {0, 2}) {
        SCOPED_TRACE(level);
        fs::remove_all(in);
        const ExtractResult result = extractArchive(pack({{utf8ToCp932("表.txt"), "x", {}}}, level), in);
        EXPECT_EQ(result.extracted, 1);
        EXPECT_EQ(result.unsafe, 0);
        EXPECT_EQ(readFile(in / "表.txt"), "x");
    }
}

TEST_F(ArchiveExtract, NothingLandsOutsideTheFolder) {
    fs::create_directories(dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", in / "via");
    const std::string absolute = (dir / "absolute.txt").string();
    const std::vector<LzhMember> hostile = {
        {"../up.txt", "x", {}},    {"..\\up.txt", "x", {}}, {"sub/../../up.txt", "x", {}},  {absolute, "x", {}},
        {"\\abs.txt", "x", {}},    {"C:\\up.txt", "x", {}}, {"via/through.txt", "x", {}},   {"link", {}, "../up.txt"},
        {"abslink", {}, absolute}, {"ok.txt", "fine", {}},  {"sub/./deep.txt", "deep", {}},
    };
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        const ExtractResult result = extractArchive(pack(hostile, level), in);
        EXPECT_EQ(result.extracted, 2);
        EXPECT_EQ(result.unsafe, 9);
        EXPECT_EQ(readFile(in / "ok.txt"), "fine");
        EXPECT_EQ(readFile(in / "sub/deep.txt"), "deep");
        EXPECT_EQ(everything(), (std::vector<fs::path>{"elsewhere", "in", "in/ok.txt", "in/sub", "in/sub/deep.txt",
                                                       "in/via", "t.lzh"}));
    }
}

TEST_F(ArchiveExtract, MembersBeyondTheSizeBudgetAreSkipped) {
    const std::string half(kExtractBudget / 2 + 1, 'h');
    const ExtractResult result = extractArchive(pack({{"big.bin", std::string(kExtractBudget + 1, 'b'), {}},
                                                      {"first.bin", half, {}},
                                                      {"second.bin", half, {}},  // together beyond the budget
                                                      {"small.txt", "s", {}}},
                                                     2),
                                                in);
    EXPECT_EQ(result.extracted, 2);
    EXPECT_EQ(result.oversized, 2);
    EXPECT_TRUE(fs::exists(in / "first.bin"));
    EXPECT_FALSE(fs::exists(in / "big.bin"));
    EXPECT_FALSE(fs::exists(in / "second.bin"));
    EXPECT_EQ(readFile(in / "small.txt"), "s");
}

TEST_F(ArchiveExtract, DamagedOrMissingArchivesYieldNothing) {
    SKIP_WITHOUT_LHA();
    writeFile(dir / "a.txt", compressible(400));
    runLha(dir.path(), "a good.lzh a.txt");
    std::string flipped = readFile(dir / "good.lzh");
    flipped[flipped.size() / 2] ^= 0x55;
    const std::string good = readFile(dir / "good.lzh");
    writeFile(dir / "flipped.lzh", flipped);
    writeFile(dir / "truncated.lzh", good.substr(0, good.size() / 2));
    writeFile(dir / "garbage.lzh", compressible(10));
    for (const char* name : {"flipped.lzh", "truncated.lzh", "garbage.lzh", "missing.lzh"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(extractArchive(dir / name, in).extracted, 0);
        EXPECT_TRUE(fs::is_empty(in));
    }
}
