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

const std::vector<std::string> kWanted = {"Oz240526.txt", "kol_ods.kd2"};

TEST_F(ArchiveExtract, TheWantedMemberOfEachLzhMethodAndNothingElse) {
    SKIP_WITHOUT_LHA();
    const fs::path src = dir / "src";
    writeFile(src / "OZ240526.TXT", compressible(400));
    writeFile(src / "b.txt", compressible(90).substr(7));
    for (const auto& [option, method] :
         {std::pair{"ao5", "-lh5-"}, {"ao6", "-lh6-"}, {"ao7", "-lh7-"}, {"az", "-lh0-"}}) {
        SCOPED_TRACE(method);
        fs::remove(src / "t.lzh");
        fs::remove_all(in);
        fs::create_directories(in);
        runLha(src, std::string(option) + " t.lzh b.txt OZ240526.TXT");
        const std::string archive = readFile(src / "t.lzh");
        ASSERT_EQ(archive.substr(2, 5), method);  // the tool's default header level 2

        const MemberExtract result = extractWantedMember(src / "t.lzh", kWanted, in);
        EXPECT_EQ(result.status, MemberExtract::Status::extracted);
        EXPECT_EQ(result.wantedIndex, 0u);
        EXPECT_EQ(result.skipped, 1);
        EXPECT_EQ(result.file, in / "Oz240526.txt");  // our spelling, whatever the archive's
        EXPECT_EQ(readFile(in / "Oz240526.txt"), readFile(src / "OZ240526.TXT"));
        EXPECT_EQ(everything(), (std::vector<fs::path>{"in", "in/Oz240526.txt", "src", "src/OZ240526.TXT", "src/b.txt",
                                                       "src/t.lzh"}));
    }
}

TEST_F(ArchiveExtract, ShiftJisNamesAreReadWithoutTakingTrailBytesForSeparators) {
    // "表" is 0x95 0x5C in Shift-JIS: its second byte is the backslash.
    for (int level : {0, 2}) {
        SCOPED_TRACE(level);
        const std::vector<std::string> wanted = {"表.txt"};
        const MemberExtract result =
            extractWantedMember(pack({{utf8ToCp932("表.txt").takeBytes(), "x", {}}}, level), wanted, in);
        EXPECT_EQ(result.status, MemberExtract::Status::extracted);
        EXPECT_EQ(readFile(in / "表.txt"), "x");
        fs::remove(in / "表.txt");
    }
}

TEST_F(ArchiveExtract, OnlyAPlainFileOfTheWantedNameIsWrittenAndNeverOverAnything) {
    fs::create_directories(dir / "elsewhere");
    const std::string absolute = (dir / "elsewhere/Oz240526.txt").string();
    const std::vector<LzhMember> hostile = {
        {"../Oz240526.txt", "x", {}},  {"sub/Oz240526.txt", "x", {}},    {absolute, "x", {}},
        {"C:\\Oz240526.txt", "x", {}}, {"oz240526.txt", {}, "../../up"}, {".bashrc", "x", {}},
        {"KOL_ODS.KD2", "kol", {}},    {"ok.txt", "fine", {}},
    };
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        const MemberExtract result = extractWantedMember(pack(hostile, level), kWanted, in);
        EXPECT_EQ(result.status, MemberExtract::Status::extracted);
        EXPECT_EQ(result.wantedIndex, 1u);
        EXPECT_EQ(result.skipped, 7);
        EXPECT_EQ(everything(), (std::vector<fs::path>{"elsewhere", "in", "in/kol_ods.kd2", "t.lzh"}));
        EXPECT_EQ(readFile(in / "kol_ods.kd2"), "kol");

        // What is already there stays, whatever it is.
        EXPECT_EQ(extractWantedMember(pack(hostile, level), kWanted, in).status, MemberExtract::Status::notWritten);
        EXPECT_EQ(readFile(in / "kol_ods.kd2"), "kol");
        fs::remove(in / "kol_ods.kd2");
        fs::create_symlink(dir / "elsewhere/planted", in / "kol_ods.kd2");
        EXPECT_EQ(extractWantedMember(pack(hostile, level), kWanted, in).status, MemberExtract::Status::notWritten);
        EXPECT_FALSE(fs::exists(dir / "elsewhere/planted"));
        fs::remove(in / "kol_ods.kd2");
    }
}

TEST_F(ArchiveExtract, TheFirstWantedNameWinsWhereverItStands) {
    const MemberExtract result =
        extractWantedMember(pack({{"kol_ods.kd2", "kol", {}}, {"oz240526.TXT", "jrdb", {}}}, 2), kWanted, in);
    EXPECT_EQ(result.status, MemberExtract::Status::extracted);
    EXPECT_EQ(result.wantedIndex, 0u);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(readFile(in / "Oz240526.txt"), "jrdb");
    EXPECT_FALSE(fs::exists(in / "kol_ods.kd2"));
}

TEST_F(ArchiveExtract, ArchivesOfManyMembersAreRefusedWhole) {
    std::vector<LzhMember> members(kMaxArchiveMembers, LzhMember{"", "", {}});
    for (int i = 0; i < kMaxArchiveMembers; ++i) members[i].name = "m" + std::to_string(i);
    members.back().name = "kol_ods.kd2";
    EXPECT_EQ(extractWantedMember(pack(members, 2), kWanted, in).status, MemberExtract::Status::extracted);
    fs::remove(in / "kol_ods.kd2");

    members.insert(members.begin(), LzhMember{"one-too-many", "", {}});
    const MemberExtract refused = extractWantedMember(pack(members, 2), kWanted, in);
    EXPECT_EQ(refused.status, MemberExtract::Status::tooManyMembers);
    EXPECT_TRUE(fs::is_empty(in));
}

TEST_F(ArchiveExtract, AWantedMemberBeyondTheSizeBudgetIsSkipped) {
    const MemberExtract big =
        extractWantedMember(pack({{"kol_ods.kd2", std::string(kExtractBudget + 1, 'b'), {}}}, 2), kWanted, in);
    EXPECT_EQ(big.status, MemberExtract::Status::oversized);
    EXPECT_TRUE(fs::is_empty(in));
}

TEST_F(ArchiveExtract, DamagedOrMissingArchivesYieldNothing) {
    SKIP_WITHOUT_LHA();
    writeFile(dir / "kol_ods.kd2", compressible(400));
    runLha(dir.path(), "a good.lzh kol_ods.kd2");
    std::string flipped = readFile(dir / "good.lzh");
    flipped[flipped.size() / 2] ^= 0x55;
    const std::string good = readFile(dir / "good.lzh");
    writeFile(dir / "flipped.lzh", flipped);
    writeFile(dir / "truncated.lzh", good.substr(0, good.size() / 2));
    writeFile(dir / "garbage.lzh", compressible(10));
    for (const char* name : {"flipped.lzh", "truncated.lzh", "garbage.lzh", "missing.lzh"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(extractWantedMember(dir / name, kWanted, in).status, MemberExtract::Status::extracted);
        EXPECT_TRUE(fs::is_empty(in));
    }
}
