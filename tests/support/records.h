#pragma once
// Small hand-made JV-Data records for tests, built with the layout table.

#include <string>

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "support/temp_dir.h"
#include "text/encoding.h"

namespace vantor::test {

struct RaceId {
    int date = 20240526;  // yyyymmdd
    const char* course = "05";
    int meeting = 2;
    int day = 12;
    int race = 11;
};

inline jvdata::RecordBuilder& withRaceKey(jvdata::RecordBuilder& b, const RaceId& id, const char* dataKind) {
    using namespace jvdata;
    return b.text(ra::DataKubun, sjisBytes(dataKind))
        .number(ra::MakeDate, 20240601)
        .number(ra::Year, id.date / 10000)
        .number(ra::MonthDay, id.date % 10000)
        .text(ra::JyoCD, sjisBytes(id.course))
        .number(ra::Kaiji, id.meeting)
        .number(ra::Nichiji, id.day)
        .number(ra::RaceNum, id.race);
}

inline SjisString raRecord(const RaceId& id, int heads = 16, const char* dataKind = "7",
                           const std::string& nameUtf8 = "テストステークス") {
    jvdata::RecordBuilder b(jvdata::kRaLayout);
    withRaceKey(b, id, dataKind).number(jvdata::ra::TorokuTosu, heads).text(jvdata::ra::Hondai, utf8ToCp932(nameUtf8));
    return b.take();
}

inline SjisString seRecord(const RaceId& id, int horse, const char* horseId = "2020100001", const char* dataKind = "7",
                           int position = 1) {
    jvdata::RecordBuilder b(jvdata::kSeLayout);
    withRaceKey(b, id, dataKind)
        .number(jvdata::se::Umaban, horse)
        .text(jvdata::se::KettoNum, sjisBytes(horseId))
        .text(jvdata::se::Bamei, utf8ToCp932("テストホース"))
        .number(jvdata::se::KakuteiJyuni, position);
    return b.take();
}

inline SjisString hrRecord(const RaceId& id, const char* dataKind = "7", int winner = 1) {
    jvdata::RecordBuilder b(jvdata::kHrLayout);
    withRaceKey(b, id, dataKind).number(jvdata::hr::TanUmaban, winner).number(jvdata::hr::TanPay, 350);
    return b.take();
}

inline SjisString umRecord(const char* horseId, const std::string& sireUtf8 = "テストサイアー") {
    jvdata::RecordBuilder b(jvdata::kUmLayout);
    b.text(jvdata::um::DataKubun, "1")
        .text(jvdata::um::KettoNum, sjisBytes(horseId))
        .text(jvdata::um::HansyokuName, utf8ToCp932(sireUtf8), 1);
    return b.take();
}

// Final odds of a race (O1 or O2 layout, announce time "00000000"), with the
// first entry's odds set, so that two records of one race tell apart.
inline SjisString finalOddsRecord(const jvdata::RecordLayout& layout, const RaceId& id, int firstOdds = 35,
                                  const char* dataKind = "4") {
    jvdata::RecordBuilder b(layout);
    withRaceKey(b, id, dataKind).text(jvdata::o1::HappyoTime, "00000000").number(jvdata::o1::SyussoTosu, 16);
    if (layout.kind == "O1")
        b.number(jvdata::o1::TanUmaban, 1, 1).number(jvdata::o1::TanOdds, firstOdds, 1);
    else
        b.text(jvdata::o2::UmarenKumi, "0102", 1).number(jvdata::o2::UmarenOdds, firstOdds, 1);
    return b.take();
}

// Builders with the race key (and for runners the horse) already set, for
// tests that add fields of their own.
inline jvdata::RecordBuilder raBuilder(const RaceId& id, int heads = 16, const char* dataKind = "7") {
    jvdata::RecordBuilder b(jvdata::kRaLayout);
    withRaceKey(b, id, dataKind).number(jvdata::ra::TorokuTosu, heads);
    return b;
}

inline jvdata::RecordBuilder seBuilder(const RaceId& id, int horse, const char* horseId = "2020100001",
                                       const char* dataKind = "7") {
    jvdata::RecordBuilder b(jvdata::kSeLayout);
    withRaceKey(b, id, dataKind).number(jvdata::se::Umaban, horse).text(jvdata::se::KettoNum, sjisBytes(horseId));
    return b;
}

inline jvdata::RecordBuilder hrBuilder(const RaceId& id, const char* dataKind = "7") {
    jvdata::RecordBuilder b(jvdata::kHrLayout);
    withRaceKey(b, id, dataKind);
    return b;
}

// Normal data of one race day (races 1 and 2, one runner each, with their
// payouts) and the runner's horse master, as two feed files in feed/normal.
inline void writeTwoRaceNormalFeed(const std::filesystem::path& feed) {
    SjisString day;
    for (int race = 1; race <= 2; ++race) {
        const RaceId id{.race = race};
        day += raRecord(id, 1) + seRecord(id, 1) + hrRecord(id);
    }
    writeFile(feed / "normal/20240526180000_RESULT.jvd", day.bytes());
    writeFile(feed / "normal/20240527090000_MASTER.jvd", umRecord("2020100001").bytes());
}

// A horse master record in the earlier 1577-byte layout.
inline jvdata::RecordBuilder umaBuilder(const char* horseId) {
    jvdata::RecordBuilder b(jvdata::kUmaLayout);
    b.text(jvdata::uma::DataKubun, "1").text(jvdata::uma::KettoNum, sjisBytes(horseId));
    return b;
}

}  // namespace vantor::test
