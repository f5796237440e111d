#include "odds/jrdb_odds.h"

#include "odds/yoz_line.h"

namespace vantor {

SjisString jrdbYozLine(SjisView line, SjisView date) {
    SjisString out = blankYozLine();
    putYozField(out, yoz::Date, 0, "20");
    putYozField(out, yoz::Date, 2, date);
    copySourceField(out, yoz::CourseCode, line, jrdb::JyoCD);
    putYozField(out, yoz::Kaiji, 0, "0");
    copySourceField(out, yoz::Kaiji, line, jrdb::Kaiji);
    putYozField(out, yoz::Nichiji, 0, "0");
    copySourceField(out, yoz::Nichiji, line, jrdb::Nichiji);
    copySourceField(out, yoz::RaceNum, line, jrdb::RaceNum);
    putYozField(out, yoz::Source, 0, "J");
    copySourceField(out, yoz::Runners, line, jrdb::Runners);
    for (int i = 1; i <= yoz::kHorses; ++i) {
        copySourceField(out, yoz::WinOdds, line, jrdb::WinOdds, i);
        copySourceField(out, yoz::PlaceOdds, line, jrdb::PlaceOdds, i);
    }
    for (int k = 1; k <= yoz::kHorsePairs; ++k) copySourceField(out, yoz::QuinellaOdds, line, jrdb::QuinellaOdds, k);
    return out;
}

}  // namespace vantor
