#include "analysis/grid_headers.h"

#include <initializer_list>

#include "raceday/day_capacity.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {
namespace {

std::vector<SjisString> sjis(std::initializer_list<const char*> utf8) {
    std::vector<SjisString> out;
    for (const char* t : utf8) out.push_back(utf8ToCp932(t));
    return out;
}

}  // namespace

const std::vector<SjisString>& cardCheckHeaders() {
    static const std::vector<SjisString> headers = [] {
        auto h = sjis({"枠", "馬", "印", "格言該当", "馬名", "騎手", "調教師"});
        for (int w = 1; w <= kWeekSlots; ++w) h.push_back(formatted("%d", w) + utf8ToCp932("週前"));
        return h;
    }();
    return headers;
}

const std::vector<SjisString>& raceCardHeaders() {
    static const auto headers =
        sjis({"枠", "馬", "印", "馬名", "騎手", "賞金", "当該ﾚｰｽ", "前1走", "前2走", "前3走", "前4走", "前5走"});
    return headers;
}

const std::vector<SjisString>& signCheckHeaders() {
    static const auto headers =
        sjis({"枠", "馬", "印", "馬主重複", "厩舎重複", "馬名", "性齢", "騎手", "調教師", "馬主", "予想配当", "順"});
    return headers;
}

const std::vector<SjisString>& horseSearchHeaders() {
    static const auto headers = sjis({"ﾚｰｽ", "枠", "馬", "馬名", "騎手", "調教師", "着順", "人気", "確ｵｯｽﾞ"});
    return headers;
}

const std::vector<SjisString>& searchListHeaders() {
    static const auto headers = sjis({"ﾚｰｽ", "枠", "馬", "該当", "馬名", "騎手", "調教師", "着順", "人気", "確ｵｯｽﾞ"});
    return headers;
}

}  // namespace vantor
