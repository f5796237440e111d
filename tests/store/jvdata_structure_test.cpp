#include <gtest/gtest.h>

#include "store/jvdata_live_structure.h"
#include "store/jvdata_record.h"

using namespace vantor;
using namespace vantor::jvdata;

TEST(RecordLayouts, FieldsTheProgramReadsStandWhereTheRecordsHaveThem) {
    EXPECT_EQ(ra::Hondai.pos, 33);
    EXPECT_EQ(ra::Ryakusyo3.pos, 605);
    EXPECT_EQ(ra::GradeCD.pos, 615);
    EXPECT_EQ(ra::JyuryoCD.pos, 622);
    EXPECT_EQ(ra::JyokenCD.at(5), 635u);
    EXPECT_EQ(ra::Kyori.pos, 698);
    EXPECT_EQ(ra::TrackCD.pos, 706);
    EXPECT_EQ(ra::Honsyokin.at(7), 714u + 48);
    EXPECT_EQ(ra::Fukasyokin.at(5), 810u + 32);
    EXPECT_EQ(ra::HassoTime.pos, 874);
    EXPECT_EQ(ra::TorokuTosu.pos, 882);
    EXPECT_EQ(ra::DirtBabaCD.pos, 890);
    EXPECT_EQ(se::KettoNum.pos, 31);
    EXPECT_EQ(se::BanusiName.pos, 105);
    EXPECT_EQ(se::Futan.pos, 289);
    EXPECT_EQ(se::KisyuRyakusyo.pos, 307);
    EXPECT_EQ(se::KakuteiJyuni.pos, 335);
    EXPECT_EQ(se::Jyuni.at(4), 358u);
    EXPECT_EQ(se::Odds.pos, 360);
    EXPECT_EQ(se::HaronTimeL3.pos, 391);
    EXPECT_EQ(se::AiteBamei.pos, 404);
    EXPECT_EQ(se::TimeDiff.pos, 532);
    EXPECT_EQ(hr::TanUmaban.at(3), 103u + 26);
    EXPECT_EQ(hr::FukuUmaban.pos, 142);
    EXPECT_EQ(hr::WakurenKumi.pos, 207);
    EXPECT_EQ(hr::UmarenKumi.pos, 246);
    EXPECT_EQ(hr::WideKumi.at(7), 294u + 96);
    EXPECT_EQ(um::HansyokuName.at(1), 215u);
    EXPECT_EQ(um::HansyokuName.at(2), 261u);
    EXPECT_EQ(um::HansyokuName.at(3), 307u);
    EXPECT_EQ(um::BreederName.len, 72);
    EXPECT_EQ(uma::HansyokuNum.len, 8);
    EXPECT_EQ(uma::BreederCode.len, 6);
    EXPECT_EQ(uma::BreederName.len, 70);
}

TEST(RecordLayouts, EveryLayoutNamesItsFieldsOnce) {
    std::vector<const RecordLayout*> layouts{&kRaLayout, &kSeLayout, &kHrLayout, &kUmLayout, &kUmaLayout};
    for (const RecordLayout& live : kLiveLayouts) layouts.push_back(&live);
    for (const RecordLayout* layout : layouts) {
        for (std::size_t i = 0; i < layout->fields.size(); ++i)
            for (std::size_t j = i + 1; j < layout->fields.size(); ++j)
                EXPECT_NE(layout->fields[i].name, layout->fields[j].name) << layout->kind;
    }
}

TEST(RecordBuilder, WritesFieldsThatParseBack) {
    RecordBuilder b(kRaLayout);
    b.number(ra::Year, 2024)
        .number(ra::MonthDay, 526)
        .text(ra::JyoCD, "05")
        .number(ra::Kaiji, 2)
        .number(ra::Nichiji, 12)
        .number(ra::RaceNum, 11)
        .number(ra::Honsyokin, 15000, 2)
        .blankPadded(ra::TorokuTosu, 9)
        .text(ra::Hondai, "\x93\xFA\x96\x7B\x83\x5F\x81\x5B\x83\x72\x81\x5B");
    const SjisString rec = b.take();
    ASSERT_EQ(rec.size(), kRaLength);
    EXPECT_EQ(rec.substr(rec.size() - 2), "\r\n");
    EXPECT_EQ(recordKind(rec), "RA");
    EXPECT_EQ(raceKey(rec).text(), "2024052605021211");
    EXPECT_EQ(payoutKey(rec), "202405260511");
    EXPECT_EQ(raceDate(rec), "20240526");
    EXPECT_EQ(get(rec, ra::Honsyokin, 2), "00015000");
    EXPECT_EQ(num(rec, ra::Honsyokin, 2), 15000);
    EXPECT_EQ(inum(rec, ra::TorokuTosu), 9);
    EXPECT_EQ(trimRightBlanks(get(rec, ra::Hondai)).size(), 12u);
}

TEST(RecordBuilder, CutsLongTextAtACharacterBoundaryAndKeepsTheLength) {
    RecordBuilder b(kSeLayout);
    b.text(se::ChokyosiRyakusyo, "a\x83\x41\x83\x41\x83\x41\x83\x41");  // 9 bytes into 8
    b.number(se::TimeDiff, -105);
    const SjisString rec = b.take();
    ASSERT_EQ(rec.size(), kSeLength);
    EXPECT_EQ(get(rec, se::ChokyosiRyakusyo), "a\x83\x41\x83\x41\x83\x41 ");
    EXPECT_EQ(get(rec, se::TimeDiff), "-105");
}

TEST(RecordKeys, ShortOrBlankRecordsGiveNoDate) {
    EXPECT_EQ(raceDate("SE7"), "");
    EXPECT_EQ(raceDate("SE700000000    0526"), "");
    EXPECT_EQ(raceDate("SE7000000000000052605"), "");
    EXPECT_EQ(raceKey("SE7").text(), "");
    EXPECT_EQ(withoutLineEnd("RA1\r\n"), "RA1");
    EXPECT_EQ(withoutLineEnd("RA1\n"), "RA1");
}
