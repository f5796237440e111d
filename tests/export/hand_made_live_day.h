#pragma once
// A race day's live files written by hand for the export tests: Tokyo race
// 11 on 2024-05-26 with records at the edges of their markers, an empty
// entry among the weights, a horse number 19 and a record cut short.

#include "export_store.h"
#include "record_layouts/jvdata_live_structure.h"
#include "support/live_records.h"

namespace vantor::test {
namespace live_day {

using namespace jvdata;

inline SjisString weights() {
    RecordBuilder b = liveRecord(kWhLayout, "05261430");
    // Horse number, weight, sign, change; slot 17 "00" and slot 18 blank are empty entries.
    const std::tuple<int, const char*, const char*, const char*> slots[] = {
        {1, "480", "+", "004"}, {2, "999", " ", "999"}, {3, "000", " ", "   "},
        {4, "462", "-", "006"}, {5, "500", " ", "000"}, {6, "47x", "+", "002"}};
    for (int i = 0; i < 6; ++i) {
        const auto& [horse, weight, sign, change] = slots[i];
        b.number(wh::Umaban, horse, i + 1).text(wh::BaTaijyu, sjisBytes(weight), i + 1).text(wh::ZogenFugo, sjisBytes(sign), i + 1);
        b.text(wh::ZogenSa, sjisBytes(change), i + 1);
    }
    for (int i = 7; i <= 16; ++i) b.number(wh::Umaban, i, i);
    return b.text(wh::Umaban, "00", 17).take();
}

inline SjisString winPlaceOdds(SjisView dataKind, SjisView announce, const char* firstOdds) {
    RecordBuilder b = liveRecord(kO1Layout, announce, 11, "05", dataKind);
    b.number(o1::SyussoTosu, 16);
    const std::tuple<int, const char*, const char*> win[] = {
        {1, firstOdds, "01"}, {2, "----", "--"}, {3, "****", "**"}, {4, "0000", "00"}, {5, "    ", "  "}};
    for (int i = 0; i < 5; ++i) {
        const auto& [horse, odds, ninki] = win[i];
        b.number(o1::TanUmaban, horse, i + 1).text(o1::TanOdds, sjisBytes(odds), i + 1).text(o1::TanNinki, sjisBytes(ninki), i + 1);
    }
    b.number(o1::FukuUmaban, 1, 1).text(o1::FukuOddsLow, "0012", 1).text(o1::FukuOddsHigh, "0018", 1);
    b.text(o1::FukuNinki, "01", 1);
    return b.text(o1::WakurenKumi, "12", 1).text(o1::WakurenOdds, "00123", 1).text(o1::WakurenNinki, "01", 1).take();
}

inline SjisString quinellaOdds() {
    RecordBuilder b = liveRecord(kO2Layout, "05261450");
    b.text(o2::UmarenKumi, "0102", 1).text(o2::UmarenOdds, "000123", 1).text(o2::UmarenNinki, "001", 1);
    return b.text(o2::UmarenKumi, "0318", 2).text(o2::UmarenOdds, "------", 2).text(o2::UmarenNinki, "---", 2).take();
}

inline SjisString weather(SjisView announce, SjisView change, SjisView going) {
    return RecordBuilder(kWeLayout)
        .text(we::DataKubun, "1")
        .number(we::MakeDate, 20240526)
        .number(we::Year, 2024)
        .number(we::MonthDay, 526)
        .text(we::JyoCD, "05")
        .number(we::Kaiji, 2)
        .number(we::Nichiji, 12)
        .text(we::HappyoTime, announce)
        .text(we::HenkoID, change)
        .text(we::TenkoCD, "1")
        .text(we::SibaBabaCD, going)
        .text(we::DirtBabaCD, "1")
        .take();
}

inline SjisString scratch(int horse, SjisView dataKind, SjisView reason) {
    return liveRecord(kAvLayout, "05260840", 11, "05", dataKind).number(av::Umaban, horse).text(av::JiyuKubun, reason).take();
}

inline SjisString jockey(SjisView announce, SjisView code, const std::string& nameUtf8) {
    return liveRecord(kJcLayout, announce)
        .number(jc::Umaban, 8)
        .number(jc::Futan, 570)
        .text(jc::KisyuCode, code)
        .text(jc::KisyuName, utf8ToCp932(nameUtf8))
        .number(jc::FutanBefore, 560)
        .text(jc::KisyuCodeBefore, "01111")
        .take();
}

inline SjisString dayChanges(bool withScratch) {
    SjisString bytes = weather("00000000", "1", "1") + weather("05261210", "3", "2");
    if (withScratch) bytes += scratch(6, "1", "001");
    bytes += scratch(7, "2", "002") + scratch(19, "1", "001");  // horse 19 is left out
    bytes += jockey("05260930", "00000", "未定") + jockey("05261020", "01234", "テスト騎手");
    bytes += liveRecord(kTcLayout, "05261000").text(tc::HassoTime, "1550").text(tc::HassoTimeBefore, "1540").take();
    bytes += liveRecord(kCcLayout, "05261005")
                 .number(cc::Kyori, 1400)
                 .text(cc::TrackCD, "23")
                 .number(cc::KyoriBefore, 1600)
                 .text(cc::TrackCDBefore, "11")
                 .text(cc::JiyuCD, "1")
                 .take();
    return bytes + "TC1202405262024052605021211\r\n";  // a record cut short
}

}  // namespace live_day

// Live records are Shift-JIS and go into the file as they are.
inline void putLiveFile(ExportStore& store, const std::string& name, SjisView bytes) {
    writeFile(store.paths().liveDayDir("20240526") / name, bytes.bytes());
}

inline void fillHandMadeLiveDay(ExportStore& store) {
    using namespace live_day;
    putLiveFile(store, "changes.jvd", dayChanges(true));
    putLiveFile(store, "weights.jvd", weights());
    putLiveFile(store, "odds_O1.jvd", winPlaceOdds("1", "05261450", "0297"));
    putLiveFile(store, "odds_O2.jvd", quinellaOdds());
    putLiveFile(store, "series.jvd",
                winPlaceOdds("1", "05261440", "0310") + winPlaceOdds("1", "05261450", "0297"));
    putLiveFile(store, "odds_O3.jvd", "O3 kept as delivered, not exported\r\n");
}

}  // namespace vantor::test
