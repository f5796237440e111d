#pragma once
// A race day filled by hand, for the analysis views' tests: races with
// their keys and head counts, runners with the fields the views show.

#include <memory>
#include <string>

#include "raceday/race_day.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor::test {

struct HandRunner {
    std::string name = "テストホース";  // UTF-8
    const char* bracket = "1";
    const char* number = "01";
    const char* age = "  ";  // as the record gives it: two digits, blank when not known
    std::string jockey = "騎手";
    std::string trainer = "TA      ";  // stored as the record gives it: 8 bytes, blank-padded
    int position = 0;
    int popularity = 0;
    double odds = 0;
};

class HandDay {
public:
    HandDay() : day_(RaceDay::create()) {}

    RaceDay& day() { return *day_; }
    TRaceRec& race(int r) { return day_->RaceTbl[static_cast<std::size_t>(r)]; }
    TRaceMarkRec& marks(int r) { return day_->MarkTbl[static_cast<std::size_t>(r)]; }

    // Race slot r: course code and race number of 2024-05-26, `heads` runner slots.
    TRaceRec& addRace(int r, const char* course, int number, int heads) {
        TRaceRec& rec = race(r);
        rec.RacePresent = 1;
        char key[17];
        std::snprintf(key, sizeof key, "20240526%s0212%02d", course, number);
        rec.RaceKey = sjisBytes(key);
        rec.TorokuTosu = formatted("%d", heads);
        return rec;
    }

    void addRunner(int r, int j, const HandRunner& h) {
        TRaceRec& rec = race(r);
        const auto s = static_cast<std::size_t>(j);
        rec.Bamei[s] = utf8ToCp932(h.name);
        rec.Wakuban[s] = sjisBytes(h.bracket);
        rec.Umaban[s] = sjisBytes(h.number);
        rec.Barei[s] = sjisBytes(h.age);
        rec.KisyuName[s] = utf8ToCp932(h.jockey);
        rec.ChokName[s] = utf8ToCp932(h.trainer);
        rec.KekkaChakujun[s] = h.position;
        rec.KekkaNinki[s] = h.popularity;
        rec.KekkaOdds[s] = h.odds;
    }

    // Week slot w of runner j of race r.
    void week(int r, int j, std::size_t w, const char* date, int interval, int position) {
        TRaceMarkRec& m = marks(r);
        const auto s = static_cast<std::size_t>(j);
        m.SyuDate[s][w] = sjisBytes(date);
        m.SyuKankaku[s][w] = interval;
        m.SyuChakujun[s][w] = position;
    }

private:
    std::unique_ptr<RaceDay> day_;
};

inline std::string u(SjisView sjis) { return cp932ToUtf8(sjis); }

}  // namespace vantor::test
