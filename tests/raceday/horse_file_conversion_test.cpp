#include "raceday/horse_file_conversion.h"

#include <gtest/gtest.h>

#include "support/records.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::jvdata;

namespace {

SjisString earlierRecord(const char* id, const char* sire) {
    auto b = umaBuilder(id);
    b.text(uma::HansyokuNum, "12345678", 1).text(uma::HansyokuName, sjisBytes(sire), 1);
    b.text(uma::HansyokuNum, "87654321", 14).text(uma::HansyokuName, "Last", 14);
    b.text(uma::ChokyosiRyakusyo, "Trainer").text(uma::BreederCode, "654321");
    b.text(uma::BreederName, SjisString(70, 'n')).text(uma::SanchiName, "Hidaka");
    b.text(uma::BanusiName, "Owner").number(uma::ChakuKaisuBa, 7, 42).number(uma::RaceCount, 25);
    return b.take();
}

}  // namespace

TEST(HorseFileConversion, EveryRecordWidenedWithFieldsAtTheirNewPlaces) {
    TempDir dir;
    const SjisString earlier = earlierRecord("2001100001", "SireA") + earlierRecord("2001100002", "SireB");
    writeFile(dir / "UMA/2001/2001100001.jvUMA", (earlier + "partial record").bytes());
    const auto um2 = dir / "UM2/2001/2001100001.jvUM2";
    std::filesystem::create_directories(um2.parent_path());

    ASSERT_TRUE(UMConvertBtnClick(dir / "UMA/2001/2001100001.jvUMA", um2));
    const SjisString converted = SjisString::fromBytes(readFile(um2));
    ASSERT_EQ(converted.size(), 2 * kUmLength) << "the trailing partial record is not converted";
    for (std::size_t n = 0; n < 2; ++n) {
        const SjisView rec = SjisView(converted).substr(n * kUmLength, kUmLength);
        const SjisView old = SjisView(earlier).substr(n * kUmaLength, kUmaLength);
        EXPECT_TRUE(rec.ends_with("\r\n"));
        EXPECT_EQ(field(rec, 1, 204), field(old, 1, 204));
        EXPECT_EQ(get(rec, um::HansyokuName, 14), get(old, uma::HansyokuName, 14));
        EXPECT_EQ(get(rec, um::SanchiName), get(old, uma::SanchiName));
        EXPECT_EQ(get(rec, um::ChakuKaisuBa, 42), "007"_sjis);
        EXPECT_EQ(get(rec, um::RaceCount), "025"_sjis);
    }
    EXPECT_EQ(get(converted, um::HansyokuNum, 1), "  12345678"_sjis);
    EXPECT_EQ(trimRightBlanks(get(converted, um::HansyokuName, 1)), "SireA"_sjis);
    EXPECT_EQ(get(converted, um::HansyokuNum, 14), "  87654321"_sjis);
    EXPECT_EQ(trimRightBlanks(get(converted, um::ChokyosiRyakusyo)), "Trainer"_sjis);
    EXPECT_EQ(get(converted, um::BreederCode), "  654321"_sjis);
    EXPECT_EQ(get(converted, um::BreederName), "  " + SjisString(70, 'n'));
    EXPECT_EQ(trimRightBlanks(get(converted, um::BanusiName)), "Owner"_sjis);
}

TEST(HorseFileConversion, NothingWrittenWithoutAWholeEarlierRecord) {
    TempDir dir;
    EXPECT_FALSE(UMConvertBtnClick(dir / "missing.jvUMA", dir / "a.jvUM2"));
    writeFile(dir / "short.jvUMA", earlierRecord("2001100001", "S").view().substr(0, 1000).bytes());
    EXPECT_FALSE(UMConvertBtnClick(dir / "short.jvUMA", dir / "a.jvUM2"));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.jvUM2"));
}
