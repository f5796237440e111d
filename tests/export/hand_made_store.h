#pragma once
// A store of hand-made records with known values: a race day with one race,
// a runner that the horse's run file holds too, payouts and predicted odds;
// an earlier run, an outside race and the horse's master.

#include "export_store.h"

namespace vantor::test {

inline const RaceId kDerby{.date = 20240526, .course = "05", .meeting = 2, .day = 12, .race = 11};
inline const RaceId kEarlierRun{.date = 20240428, .course = "08", .meeting = 1, .day = 4, .race = 5};

inline SjisString derbyRace() {
    using namespace jvdata;
    return raBuilder(kDerby, 18, "2")
        .text(ra::Hondai, utf8ToCp932("東京優駿"))
        .number(ra::Kyori, 2400)
        .text(ra::TrackCD, "11")
        .text(ra::TenkoCD, "1")
        .text(ra::SibaBabaCD, "2")
        .text(ra::GradeCD, "A")
        .text(ra::JyokenCD, "999", 5)
        .number(ra::LapTime, 123, 1)
        .number(ra::Honsyokin, 30000000, 1)
        .text(ra::HassoTime, "1540")
        .take();
}

// Horse 3 of the derby as the day file holds it (data kind 2); the horse's
// run file holds the same run with data kind 7 and other odds.
inline SjisString derbyRunner(const char* dataKind, int oddsTenths) {
    using namespace jvdata;
    return seBuilder(kDerby, 3, "2021100001", dataKind)
        .number(se::Wakuban, 2)
        .text(se::Bamei, utf8ToCp932("テストホース　"))  // a full-width blank before the padding
        .text(se::SexCD, "1")
        .text(se::KeiroCD, "03")
        .number(se::Barei, 3)
        .number(se::Futan, 570)
        .number(se::BaTaijyu, 480)
        .text(se::ZogenFugo, "+")
        .number(se::ZogenSa, 4)
        .number(se::KakuteiJyuni, 2)
        .number(se::Time, 2245)
        .number(se::Jyuni, 12, 4)
        .number(se::Odds, oddsTenths)
        .number(se::HaronTimeL3, 345)
        .text(se::TimeDiff, "-005")
        .text(se::DMTime, "22456")
        .take();
}

inline SjisString oddsRecord() {
    jvdata::RecordBuilder b(kYozLayout);
    b.text(yoz::Date, "20240526").text(yoz::CourseCode, "05").text(yoz::Kaiji, "02").text(yoz::Nichiji, "12");
    b.text(yoz::RaceNum, "11").text(yoz::Source, "J").text(yoz::Runners, "18");
    int n = 0;
    for (const char* odds : {"  12.3", "   3.4", "   3.4"}) b.text(yoz::WinOdds, sjisBytes(odds), ++n);
    return b.take();
}

inline void fillHandMadeStore(ExportStore& store) {
    using namespace jvdata;
    store.dayRaces(kDerby.date, derbyRace());
    store.dayRunners(kDerby.date, "東京", {derbyRunner("2", 123)});
    store.horseRuns("2021100001", seBuilder(kEarlierRun, 7, "2021100001").take() + derbyRunner("7", 999));
    store.outsideRaces("2024050544", raBuilder({.date = 20240505, .course = "44", .race = 3}, 12, "A").take());
    store.dayPayouts(kDerby.date, hrBuilder(kDerby)
                                      .number(hr::TanUmaban, 3, 1)
                                      .number(hr::TanPay, 350, 1)
                                      .number(hr::TanNinki, 1, 1)
                                      .number(hr::FukuUmaban, 3, 1)
                                      .number(hr::FukuPay, 150, 1)
                                      .number(hr::FukuNinki, 1, 1)
                                      .number(hr::FukuUmaban, 5, 2)
                                      .number(hr::FukuPay, 210, 2)
                                      .number(hr::FukuNinki, 3, 2)
                                      .text(hr::WakurenKumi, "24", 1)
                                      .number(hr::WakurenPay, 800, 1)
                                      .text(hr::WideKumi, "0305", 1)  // a combination without payout
                                      .number(hr::WidePay, 500, 2)    // a payout without combination
                                      .text(hr::SanrentanKumi, "030512", 1)
                                      .number(hr::SanrentanPay, 45670, 1)
                                      .number(hr::SanrentanNinki, 120, 1)
                                      .take());
    store.dayOdds(kDerby.date, oddsRecord());
    store.horse("2021100001", jvdata::RecordBuilder(kUmLayout)
                                  .text(um::DataKubun, "1")
                                  .text(um::KettoNum, "2021100001")
                                  .number(um::BirthDate, 20210315)
                                  .text(um::DelDate, "00000000")
                                  .text(um::Bamei, utf8ToCp932("テストホース"))
                                  .text(um::SexCD, "2")
                                  .text(um::HansyokuName, utf8ToCp932("テストサイアー"), 1)
                                  .number(um::RuikeiHonsyoHeiti, 123456)
                                  .number(um::ChakuSogo, 3, 1)
                                  .take());
}

}  // namespace vantor::test
