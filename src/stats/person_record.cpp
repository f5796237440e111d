#include "stats/person_record.h"

#include <array>

#include "codes/calendar.h"

namespace vantor::stats {
namespace {

// The runs of a subject within ?2 and ?3 (race dates), its code ?1.
const std::string& recordSql(SubjectKind kind) {
    static const std::array<std::string, 5> sql = [] {
        const std::string select = "SELECT " + kRunColumns + " FROM ";
        const std::string races = " JOIN races ra USING (race_date, jyocd, kaiji, nichiji, racenum)";
        const std::string period = " AND r.race_date BETWEEN ?2 AND ?3 AND " + kJraCondition + " AND " + kRanCondition;
        const auto byRunner = [&](const char* column) {
            return select + "runners r" + races + " WHERE r." + column + " = ?1" + period;
        };
        return std::array<std::string, 5>{
            byRunner("kettonum"),
            byRunner("kisyucode"),
            byRunner("chokyosicode"),
            byRunner("banusicode"),
            select + "horses h JOIN runners r ON r.kettonum = h.kettonum" + races + " WHERE h.hansyokunum_1 = ?1" +
                period,
        };
    }();
    return sql[static_cast<std::size_t>(kind)];
}

}  // namespace

int newestRaceDate(StatsDb& db) {
    auto& q = db.query("SELECT max(race_date) FROM races WHERE jyocd BETWEEN '01' AND '10'");
    if (!q.next() || q.isNull(0)) return 0;
    const std::string_view date = q.text(0);
    if (date.size() != 10) return 0;
    return std::stoi(std::string(date.substr(0, 4))) * 10000 + std::stoi(std::string(date.substr(5, 2))) * 100 +
           std::stoi(std::string(date.substr(8, 2)));
}

RecordFilter withDefaultPeriod(StatsDb& db, RecordFilter filter) {
    if (filter.to == 0) filter.to = newestRaceDate(db);
    if (filter.from == 0 && filter.to != 0) {
        const int y = filter.to / 10000, m = filter.to / 100 % 100, d = filter.to % 100;
        filter.from = ymdFromDay(dayNumber(y - 1, m, d) + 1);
    }
    return filter;
}

PersonRecord personRecord(StatsDb& db, const Subject& subject, const RecordFilter& filter, Dimension by) {
    PersonRecord record{subject, withDefaultPeriod(db, filter), by, {}, {}};
    auto& runs = db.query(recordSql(subject.kind));
    runs.bind(1, subject.code).bind(2, isoDate(record.filter.from)).bind(3, isoDate(record.filter.to));
    Breakdown breakdown(by);
    while (runs.next()) {
        const RunFacts run = runFacts(runs);
        if (!record.filter.admits(run)) continue;
        record.total.add(run);
        breakdown.add(run);
    }
    record.rows = breakdown.rows();
    return record;
}

}  // namespace vantor::stats
