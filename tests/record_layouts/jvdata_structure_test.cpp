#include <gtest/gtest.h>

#include "record_layouts/jvdata_record.h"
#include "text/formatted.h"

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

namespace {

// A record of length bytes, blank but for its CR LF, with fields placed by
// hand where the JV-Data byte diagrams put them (1-based positions), not
// where the layout tables say.
class HandRecord {
public:
    explicit HandRecord(std::size_t length) : bytes_(length - 2, ' ') { bytes_ += "\r\n"; }
    HandRecord& at(std::size_t pos, SjisView text) {
        bytes_.replace(pos - 1, text.size(), text);
        return *this;
    }
    const SjisString& bytes() const { return bytes_; }

private:
    SjisString bytes_;
};

// value as a text of width digits with leading zeros.
SjisString digits(int width, int value) { return formatted("%0*d", width, value); }

}  // namespace

TEST(RecordLayouts, APayoutRecordPlacedByHandReadsBackEveryRepeatedEntry) {
    HandRecord hand(719);
    hand.at(1, "HR2").at(4, "20240527").at(12, "2024052605021211");
    // Per bet type: the first entry, entries, stride, widths of the number and the
    // popularity (payouts take 9 bytes), and the fields the table gives them.
    struct Group {
        std::size_t pos;
        int entries, stride, numberLen, popularityLen;
        Field number, pay, popularity;
    };
    const Group groups[] = {
        {103, 3, 13, 2, 2, hr::TanUmaban, hr::TanPay, hr::TanNinki},
        {142, 5, 13, 2, 2, hr::FukuUmaban, hr::FukuPay, hr::FukuNinki},
        {207, 3, 13, 2, 2, hr::WakurenKumi, hr::WakurenPay, hr::WakurenNinki},
        {246, 3, 16, 4, 3, hr::UmarenKumi, hr::UmarenPay, hr::UmarenNinki},
        {294, 7, 16, 4, 3, hr::WideKumi, hr::WidePay, hr::WideNinki},
    };
    for (int g = 0; g < 5; ++g) {
        const Group& group = groups[g];
        for (int j = 1; j <= group.entries; ++j) {
            const std::size_t entry = group.pos + static_cast<std::size_t>(group.stride * (j - 1));
            hand.at(entry, digits(group.numberLen, 10 * g + j))
                .at(entry + group.numberLen, digits(9, 1000 * g + j))
                .at(entry + group.numberLen + 9, digits(group.popularityLen, 50 + 10 * g + j));
        }
    }
    const SjisString& rec = hand.bytes();
    EXPECT_EQ(raceKey(rec).text(), "2024052605021211"_sjis);
    EXPECT_EQ(payoutKey(rec), "202405260511"_sjis);  // without meeting and day
    for (int g = 0; g < 5; ++g) {
        const Group& group = groups[g];
        for (int j = 1; j <= group.entries; ++j) {
            EXPECT_EQ(get(rec, group.number, j), digits(group.numberLen, 10 * g + j)) << group.pos << " entry " << j;
            EXPECT_EQ(get(rec, group.pay, j), digits(9, 1000 * g + j)) << group.pos << " entry " << j;
            EXPECT_EQ(get(rec, group.popularity, j), digits(group.popularityLen, 50 + 10 * g + j))
                << group.pos << " entry " << j;
        }
    }
}

TEST(RecordLayouts, HorseMastersPlacedByHandReadBackInBothLayouts) {
    struct Layout {
        std::size_t length, idLen, breederCodeLen;
        std::size_t breederCodePos, birthplacePos, finishCountsPos;
        Field pedigreeName, breederName, birthplace, finishCounts;
    };
    // The earlier layout's 14 pedigree ids are 2 bytes narrower, its breeder
    // code and name 2 bytes each: what follows them moves up by 28, 30, 32.
    const Layout layouts[] = {
        {1609, 10, 8, 883, 963, 1143, um::HansyokuName, um::BreederName, um::SanchiName, um::ChakuKaisuBa},
        {1577, 8, 6, 855, 931, 1111, uma::HansyokuName, uma::BreederName, uma::SanchiName, uma::ChakuKaisuBa},
    };
    for (const Layout& l : layouts) {
        HandRecord hand(l.length);
        hand.at(1, "UM1").at(12, "2020100001").at(39, "20200415");
        for (int n = 1; n <= 14; ++n) {
            const std::size_t entry = 205 + (l.idLen + 36) * static_cast<std::size_t>(n - 1);
            hand.at(entry, digits(static_cast<int>(l.idLen), 100 + n)).at(entry + l.idLen, "name " + digits(2, n));
        }
        hand.at(l.breederCodePos, digits(static_cast<int>(l.breederCodeLen), 201))
            .at(l.breederCodePos + l.breederCodeLen, "breeder")
            .at(l.birthplacePos, "birthplace");
        for (int g = 1; g <= 7; ++g)
            for (int c = 0; c <= 5; ++c)
                hand.at(l.finishCountsPos + 18 * static_cast<std::size_t>(g - 1) + 3 * static_cast<std::size_t>(c),
                        digits(3, 100 * g + c));
        const SjisString& rec = hand.bytes();
        EXPECT_EQ(get(rec, um::BirthDate), "20200415"_sjis);
        for (int n = 1; n <= 14; ++n)
            EXPECT_EQ(trimRightBlanks(get(rec, l.pedigreeName, n)), "name "_sjis + digits(2, n)) << l.length;
        EXPECT_EQ(trimRightBlanks(get(rec, l.breederName)), "breeder"_sjis) << l.length;
        EXPECT_EQ(trimRightBlanks(get(rec, l.birthplace)), "birthplace"_sjis) << l.length;
        for (int g = 1; g <= 7; ++g)
            for (int c = 0; c <= 5; ++c)
                EXPECT_EQ(get(rec, l.finishCounts, 6 * (g - 1) + c + 1), digits(3, 100 * g + c))
                    << l.length << " group " << g << " class " << c;
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
        .text(ra::Hondai, "\x93\xFA\x96\x7B\x83\x5F\x81\x5B\x83\x72\x81\x5B"_sjis);
    const SjisString rec = b.take();
    ASSERT_EQ(rec.size(), kRaLength);
    EXPECT_EQ(rec.view().substr(rec.size() - 2), "\r\n"_sjis);
    EXPECT_EQ(recordKind(rec), "RA"_sjis);
    EXPECT_EQ(raceKey(rec).text(), "2024052605021211"_sjis);
    EXPECT_EQ(payoutKey(rec), "202405260511"_sjis);
    EXPECT_EQ(raceDate(rec), "20240526"_sjis);
    EXPECT_EQ(get(rec, ra::Honsyokin, 2), "00015000"_sjis);
    EXPECT_EQ(num(rec, ra::Honsyokin, 2), 15000);
    EXPECT_EQ(inum(rec, ra::TorokuTosu), 9);
    EXPECT_EQ(trimRightBlanks(get(rec, ra::Hondai)).size(), 12u);
}

TEST(RecordBuilder, CutsLongTextAtACharacterBoundaryAndKeepsTheLength) {
    RecordBuilder b(kSeLayout);
    b.text(se::ChokyosiRyakusyo, "a\x83\x41\x83\x41\x83\x41\x83\x41"_sjis);  // 9 bytes into 8
    b.number(se::TimeDiff, -105);
    const SjisString rec = b.take();
    ASSERT_EQ(rec.size(), kSeLength);
    EXPECT_EQ(get(rec, se::ChokyosiRyakusyo), "a\x83\x41\x83\x41\x83\x41 "_sjis);
    EXPECT_EQ(get(rec, se::TimeDiff), "-105"_sjis);
}

TEST(RecordBuilder, NumbersFillTheirFieldWithZerosAndKeepTheLastDigits) {
    RecordBuilder b(kSeLayout);
    b.number(se::TimeDiff, -5).number(se::Umaban, 123).number(se::Wakuban, 0).blankPadded(se::Barei, -3);
    const SjisString rec = b.take();
    EXPECT_EQ(get(rec, se::TimeDiff), "-005"_sjis);
    EXPECT_EQ(get(rec, se::Umaban), "23"_sjis);
    EXPECT_EQ(get(rec, se::Wakuban), "0"_sjis);
    EXPECT_EQ(get(rec, se::Barei), "-3"_sjis);
}

TEST(RecordKeys, ShortOrBlankRecordsGiveNoDate) {
    EXPECT_EQ(raceDate("SE7"_sjis), ""_sjis);
    EXPECT_EQ(raceDate("SE700000000    0526"_sjis), ""_sjis);
    EXPECT_EQ(raceDate("SE7000000000000052605"_sjis), ""_sjis);
    EXPECT_EQ(raceKey("SE7"_sjis).text(), ""_sjis);
    EXPECT_EQ(withoutLineEnd("RA1\r\n"_sjis), "RA1"_sjis);
    EXPECT_EQ(withoutLineEnd("RA1\n"_sjis), "RA1"_sjis);
}
