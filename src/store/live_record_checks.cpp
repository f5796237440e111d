#include "store/live_record_checks.h"

#include <span>

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "store/record_checks.h"
#include "text/encoding.h"

namespace vantor {
namespace {

using namespace jvdata;

struct KindLength {
    SjisView kind;
    std::size_t length;
};

// The kinds each dataspec delivers, with their record lengths.
std::span<const KindLength> kindsOf(LiveDataspec dataspec) {
    static constexpr KindLength weights[] = {{"WH", kWhLength}};
    static constexpr KindLength changes[] = {
        {"WE", kWeLength}, {"AV", kAvLength}, {"JC", kJcLength}, {"TC", kTcLength}, {"CC", kCcLength}};
    static constexpr KindLength odds[] = {{"O1", kO1Length}, {"O2", kO2Length}, {"O3", kO3Length},
                                          {"O4", kO4Length}, {"O5", kO5Length}, {"O6", kO6Length}};
    static constexpr KindLength series[] = {{"O1", kO1Length}};
    switch (dataspec) {
        case LiveDataspec::weights:
            return weights;
        case LiveDataspec::dayChanges:
            return changes;
        case LiveDataspec::odds:
            return odds;
        case LiveDataspec::winOddsSeries:
            break;
    }
    return series;
}

// True when every occurrence of the field holds a horse number or none.
bool everyNumberFits(SjisView record, Field f) {
    for (int i = 1; i <= f.count; ++i)
        if (liveHorseNumber(get(record, f, i)) < 0) return false;
    return true;
}

bool quinellaPairsFit(SjisView record) {
    for (int i = 1; i <= o2::UmarenKumi.count; ++i) {
        const SjisView pair = get(record, o2::UmarenKumi, i);
        if (trimBlanks(pair).empty()) continue;
        if (liveHorseNumber(pair.substr(0, 2)) < 0 || liveHorseNumber(pair.substr(2, 2)) < 0) return false;
    }
    return true;
}

// True when every horse number the record names is 01-18 or an empty entry
// (a scratch or jockey change names one horse, which must be there).
bool horseNumbersFit(SjisView record) {
    static_assert(av::Umaban.pos == jc::Umaban.pos);
    const SjisView kind = recordKind(record);
    if (kind == "AV" || kind == "JC") return liveHorseNumber(get(record, av::Umaban)) >= 1;
    if (kind == "WH") return everyNumberFits(record, wh::Umaban);
    if (kind == "O1") return everyNumberFits(record, o1::TanUmaban) && everyNumberFits(record, o1::FukuUmaban);
    if (kind == "O2") return quinellaPairsFit(record);
    return true;
}

bool isRaceOfTheDay(SjisView record, SjisView day) {
    const SjisView race = get(record, wh::RaceNum);
    const int r = isAllDigits(race) ? lenientInt(race) : 0;
    return raceDate(record) == day && liveCourseIndex(get(record, wh::JyoCD)) >= 0 && r >= 1 && r <= 12;
}

}  // namespace

int liveHorseNumber(SjisView text) {
    if (trimBlanks(text).empty() || text == "00") return 0;
    if (text.size() != 2 || !isAllDigits(text)) return -1;
    const int n = lenientInt(text);
    return n <= 18 ? n : -1;
}

int liveCourseIndex(SjisView code) {
    if (code.size() != 2 || !isAllDigits(code)) return -1;
    const int c = lenientInt(code);
    return c >= 1 && c <= 10 ? c - 1 : -1;
}

std::optional<LiveSkipReason> liveRecordProblem(LiveDataspec dataspec, SjisView record, SjisView day) {
    const SjisView kind = recordKind(record);
    const KindLength* known = nullptr;
    for (const KindLength& k : kindsOf(dataspec))
        if (k.kind == kind) known = &k;
    if (!known) return LiveSkipReason::kind;
    // A line break inside would split the record's line in its file: as a
    // line, it does not have the layout's length.
    if (record.size() + 2 != known->length || !isOneLine(record)) return LiveSkipReason::length;
    if (kind == "WE") {
        const SjisView change = get(record, we::HenkoID);
        if (change != "1" && change != "2" && change != "3") return LiveSkipReason::changeKind;
        if (field(record, we::Year.pos, 8) != day || liveCourseIndex(get(record, we::JyoCD)) < 0)
            return LiveSkipReason::race;
        return std::nullopt;
    }
    if (!horseNumbersFit(record)) return LiveSkipReason::horseNumber;
    if (!isRaceOfTheDay(record, day)) return LiveSkipReason::race;
    return std::nullopt;
}

std::int32_t liveAnnounceOrder(SjisView announce, SjisView day) {
    if (announce.size() != 8 || !isAllDigits(announce) || announce == "00000000") return 0;
    const bool sameYear = lenientInt(announce.substr(0, 4)) <= lenientInt(field(day, 5, 4));
    return 1 + (sameYear ? 100000000 : 0) + lenientInt(announce);
}

void LiveSkips::count(LiveSkipReason reason, SjisView record) {
    const SjisView kind = field(record, 1, 2);
    for (std::size_t i = 0; i < used_; ++i) {
        if (entries_[i].reason == reason && entries_[i].kind == kind) {
            ++entries_[i].count;
            return;
        }
    }
    // A full table counts on in its last entry, so no skip goes uncounted.
    if (used_ == entries_.size()) {
        ++entries_.back().count;
        return;
    }
    entries_[used_++] = LiveSkip{reason, kind, 1};
}

std::string liveSkipText(const LiveSkip& skip) {
    const char* why = "";
    switch (skip.reason) {
        case LiveSkipReason::length:
            why = "長さが違う";
            break;
        case LiveSkipReason::kind:
            why = "このデータ種別では届かない種別";
            break;
        case LiveSkipReason::race:
            why = "この日のJRAのレースではない";
            break;
        case LiveSkipReason::horseNumber:
            why = "馬番が01-18の外";
            break;
        case LiveSkipReason::changeKind:
            why = "変更識別が1-3の外";
            break;
        case LiveSkipReason::seriesFull:
            why = "時系列オッズが満杯";
            break;
    }
    return cp932ToUtf8(skip.kind) + " " + std::to_string(skip.count) + "件 " + why;
}

}  // namespace vantor
