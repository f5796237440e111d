#include "stats/horse_career.h"

#include "text/encoding.h"

namespace vantor::stats {
namespace {

// The run columns, then what a career shows beside them, from column
// kRunColumnCount on.
const std::string& careerSql() {
    static const std::string sql =
        "SELECT " + kRunColumns +
        ", r.kaiji, r.nichiji, r.racenum, ra.hondai, ra.gradecd, ra.syussotosu, r.wakuban, r.umaban, r.odds, "
        "r.time, r.timediff, r.harontimel3, r.bataijyu, r.zogenfugo, r.zogensa, r.kisyuryakusyo, r.futan, "
        "r.aitebamei_1 FROM runners r LEFT JOIN races ra USING (race_date, jyocd, kaiji, nichiji, racenum) "
        "WHERE r.kettonum = ?1 AND " +
        kRanCondition + " ORDER BY r.race_date DESC, r.jyocd DESC, r.kaiji DESC, r.nichiji DESC, r.racenum DESC";
    return sql;
}

std::string twoDigits(long long n) {
    const std::string text = std::to_string(n % 100);
    return n % 100 < 10 ? "0" + text : text;
}

CareerRun careerRun(const Query& row, const RunFacts& facts) {
    constexpr int at = kRunColumnCount;
    CareerRun run;
    run.date = facts.date;
    run.raceKey = std::to_string(facts.date) + std::string(facts.courseCode) + twoDigits(row.integer(at)) +
                  twoDigits(row.integer(at + 1)) + twoDigits(row.integer(at + 2));
    run.course = utf8ToCp932(facts.courseName);
    run.raceName = utf8ToCp932(row.text(at + 3));
    run.className = utf8ToCp932(facts.className);
    run.grade = utf8ToCp932(row.text(at + 4));
    run.surface = facts.surface;
    run.distance = facts.distance;
    run.going = facts.going;
    run.fieldSize = static_cast<int>(row.integer(at + 5));
    run.gate = static_cast<int>(row.integer(at + 6));
    run.number = static_cast<int>(row.integer(at + 7));
    run.popularity = facts.popularity;
    run.odds = row.real(at + 8);
    run.finish = facts.finish;
    run.status = static_cast<int>(row.integer(11));
    run.started = facts.started;
    run.time = row.real(at + 9);
    run.margin = row.real(at + 10);
    run.lastThree = row.real(at + 11);
    run.bodyWeight = static_cast<int>(row.integer(at + 12));
    if (run.bodyWeight > 0 && !row.isNull(at + 14)) {
        const int change = static_cast<int>(row.integer(at + 14));
        run.weightChange = row.text(at + 13) == "-" ? -change : change;
    }
    run.jockey = utf8ToCp932(row.text(at + 15));
    run.carried = row.real(at + 16);
    run.rival = utf8ToCp932(row.text(at + 17));
    return run;
}

}  // namespace

HorseCareer horseCareer(StatsDb& db, const Subject& horse, const RecordFilter& filter,
                        std::span<const Dimension> totalsBy) {
    HorseCareer career{horse, {}, {}, {}};
    std::vector<Breakdown> totals;
    for (const Dimension by : totalsBy) totals.emplace_back(by);
    auto& q = db.query(careerSql());
    q.bind(1, horse.code);
    while (q.next()) {
        const RunFacts facts = runFacts(q);
        if (!filter.admits(facts)) continue;
        career.runs.push_back(careerRun(q, facts));
        career.total.add(facts);
        for (auto& breakdown : totals) breakdown.add(facts);
    }
    for (const auto& breakdown : totals) career.totals.emplace_back(breakdown.by(), breakdown.rows());
    return career;
}

}  // namespace vantor::stats
