#pragma once
// Hand-made real-time records of one race for tests, built with the layout
// table: Tokyo's 11th race on 2024-05-26 unless told otherwise.

#include <initializer_list>
#include <string>
#include <string_view>

#include "store/jvdata_live_structure.h"
#include "store/jvdata_record.h"

namespace vantor::test {

// A race-keyed live record (the kinds share the header's places) announced
// at MMDDhhmm.
inline jvdata::RecordBuilder liveRaceRecord(const jvdata::RecordLayout& layout, std::string_view announce,
                                            int race = 11, std::string_view dataKind = "1") {
    using namespace jvdata;
    RecordBuilder b(layout);
    b.text(wh::DataKubun, dataKind)
        .number(wh::MakeDate, 20240526)
        .number(wh::Year, 2024)
        .number(wh::MonthDay, 526)
        .text(wh::JyoCD, "05")
        .number(wh::Kaiji, 2)
        .number(wh::Nichiji, 12)
        .number(wh::RaceNum, race)
        .text(wh::HappyoTime, announce);
    return b;
}

// An O1 with the win odds (tenths, or a marker such as "----") of horses
// 1..n and their popularity: as given, else in that order.
inline std::string winOddsRecord(std::string_view announce, std::initializer_list<std::string_view> odds,
                                 std::string_view dataKind = "1", int race = 11,
                                 std::initializer_list<int> popularity = {}) {
    using namespace jvdata;
    RecordBuilder b = liveRaceRecord(kO1Layout, announce, race, dataKind);
    b.number(o1::SyussoTosu, static_cast<long long>(odds.size())).text(o1::TansyoFlag, "7");
    int i = 1;
    for (std::string_view o : odds) {
        const int ninki = popularity.size() >= static_cast<std::size_t>(i) ? popularity.begin()[i - 1] : i;
        b.number(o1::TanUmaban, i, i).text(o1::TanOdds, o, i).number(o1::TanNinki, ninki, i);
        ++i;
    }
    return b.take();
}

}  // namespace vantor::test
