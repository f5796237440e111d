#include "demo/lzh_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "odds/archive_extract.h"
#include "odds/lha_tool.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

// The archives we write must read in the independent LHA tool exactly as in
// our own extraction: names, sizes, contents and checksums.
TEST(LzhWriter, ArchivesOfEveryHeaderLevelReadInTheIndependentTool) {
    SKIP_WITHOUT_LHA();
    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>(i * 7 % 256);
    const std::vector<demo::LzhMember> members = {
        {"Oz240526.txt", "0512041101 12.3\r\n", {}}, {"empty.txt", "", {}}, {"data.bin", binary, {}}};
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        TempDir dir;
        writeFile(dir / "t.lzh", demo::lzhArchive(members, level, 1716681600));

        const std::string listing = runLha(dir.path(), "l t.lzh");
        EXPECT_EQ(listing.find("rror"), std::string::npos) << listing;
        EXPECT_EQ(listing.find("arning"), std::string::npos) << listing;
        EXPECT_NE(listing.find("Oz240526.txt"), std::string::npos) << listing;
        EXPECT_NE(listing.find(" 70000 "), std::string::npos) << listing;
        EXPECT_NE(listing.find("2024"), std::string::npos) << listing;  // the time stamp

        const std::string extraction = runLha(dir.path(), "xw=out t.lzh");
        EXPECT_EQ(extraction.find("rror"), std::string::npos) << extraction;
        fs::create_directories(dir / "ours");
        for (const auto& m : members) {
            EXPECT_EQ(readFile(dir / "out" / m.name), m.data) << m.name;
            EXPECT_EQ(extractWantedMember(dir / "t.lzh", {m.name}, dir / "ours").status,
                      MemberExtract::Status::extracted);
            EXPECT_EQ(readFile(dir / "ours" / m.name), m.data) << m.name;
        }
    }
}
