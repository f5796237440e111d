#pragma once
// Hand-made real-time records for tests, built with the layout table:
// Tokyo's 11th race on 2024-05-26 unless told otherwise.

#include <initializer_list>
#include <string>
#include <string_view>

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "text/sjis_literal.h"

namespace vantor::test {

using namespace vantor::jvdata;

// A live record of Tokyo's 11th race on 2024-05-26 (or the race given),
// announced at MMDDhhmm. The race-keyed kinds share the header's places.
inline RecordBuilder liveRecord(const RecordLayout& layout, SjisView announce, int race = 11, SjisView course = "05",
                                SjisView dataKind = "1") {
    RecordBuilder b(layout);
    b.text(wh::DataKubun, dataKind)
        .number(wh::MakeDate, 20240526)
        .number(wh::Year, 2024)
        .number(wh::MonthDay, 526)
        .text(wh::JyoCD, course)
        .number(wh::Kaiji, 2)
        .number(wh::Nichiji, 12)
        .number(wh::RaceNum, race)
        .text(wh::HappyoTime, announce);
    return b;
}

inline SjisString weRecord(SjisView announce, char change, char weather, char turf, char dirt) {
    RecordBuilder b(kWeLayout);
    b.text(we::DataKubun, "1")
        .number(we::Year, 2024)
        .number(we::MonthDay, 526)
        .text(we::JyoCD, "05")
        .number(we::Kaiji, 2)
        .number(we::Nichiji, 12)
        .text(we::HappyoTime, announce);
    b.text(we::HenkoID, SjisString(1, change))
        .text(we::TenkoCD, SjisString(1, weather))
        .text(we::SibaBabaCD, SjisString(1, turf))
        .text(we::DirtBabaCD, SjisString(1, dirt))
        .text(we::TenkoCDBefore, "0")
        .text(we::SibaBabaCDBefore, "0")
        .text(we::DirtBabaCDBefore, "0");
    return b.take();
}

inline SjisString jcRecord(SjisView announce, int horse, SjisView code, std::string_view nameUtf8) {
    return liveRecord(kJcLayout, announce)
        .number(jc::Umaban, horse)
        .number(jc::Futan, 570)
        .text(jc::KisyuCode, code)
        .text(jc::KisyuName, sjis(nameUtf8))
        .number(jc::FutanBefore, 580)
        .text(jc::KisyuCodeBefore, "01126")
        .text(jc::KisyuNameBefore, sjis("北原"))
        .take();
}

inline SjisString avRecord(SjisView announce, int horse, SjisView kind, SjisView reason) {
    return liveRecord(kAvLayout, announce, 11, "05", kind).number(av::Umaban, horse).text(av::JiyuKubun, reason).take();
}

// A post-time change of race 11 from `before` to `after` (hhmm).
inline SjisString tcRecord(SjisView announce, SjisView after, SjisView before) {
    return liveRecord(kTcLayout, announce).text(tc::HassoTime, after).text(tc::HassoTimeBefore, before).take();
}


// An O1 with the win odds (tenths, or a marker such as "----") of horses
// 1..n and their popularity: as given, else in that order.
inline SjisString winOddsRecord(SjisView announce, std::initializer_list<SjisView> odds, SjisView dataKind = "1",
                                int race = 11, std::initializer_list<int> popularity = {}) {
    RecordBuilder b = liveRecord(kO1Layout, announce, race, "05", dataKind);
    b.number(o1::SyussoTosu, static_cast<long long>(odds.size())).text(o1::TansyoFlag, "7");
    int i = 1;
    for (SjisView o : odds) {
        const int ninki = popularity.size() >= static_cast<std::size_t>(i) ? popularity.begin()[i - 1] : i;
        b.number(o1::TanUmaban, i, i).text(o1::TanOdds, o, i).number(o1::TanNinki, ninki, i);
        ++i;
    }
    return b.take();
}

// An O4 (exacta) whose entries are given as combination, odds and
// popularity texts, each at its place in the record (1-based).
struct ExactaEntry {
    int index;
    SjisView kumi, odds, ninki;
};
inline SjisString exactaRecord(SjisView announce, std::initializer_list<ExactaEntry> entries, int race = 11) {
    RecordBuilder b = liveRecord(kO4Layout, announce, race);
    b.text(o4::HatubaiFlag, "7");
    for (const ExactaEntry& e : entries)
        b.text(o4::Kumi, e.kumi, e.index).text(o4::Odds, e.odds, e.index).text(o4::Ninki, e.ninki, e.index);
    return b.take();
}

}  // namespace vantor::test
