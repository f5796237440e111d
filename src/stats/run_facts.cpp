#include "stats/run_facts.h"

#include <charconv>

#include "codes/race_key.h"
#include "text/formatted.h"

namespace vantor::stats {
namespace {

int numberOf(std::string_view digits) {
    int n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return n;
}

// What one ticket of the bet on the runner paid: the sum over the payout
// rows of its horse number (a dead heat gives each horse a row of its own).
// Only the finishes the bet pays on are looked up: a win ticket pays on
// 1st, a place ticket on 1st to 3rd.
std::string paidSql(const char* bet, int lastPaid) {
    return "CASE WHEN r.kakuteijyuni BETWEEN 1 AND " + std::to_string(lastPaid) +
           " THEN (SELECT coalesce(sum(p.pay), 0) FROM payouts p WHERE p.race_date = r.race_date AND "
           "p.jyocd = r.jyocd AND p.kaiji = r.kaiji AND p.nichiji = r.nichiji AND p.racenum = r.racenum AND p.bet = '" +
           bet + "' AND p.combination = CAST(r.umaban AS TEXT)) ELSE 0 END";
}

}  // namespace

const std::string kRunColumns =
    "r.race_date, r.jyocd, r.jyocd_name, ra.trackcd, ra.kyori, ra.sibababacd, ra.dirtbabacd, ra.jyokencd_5, "
    "ra.jyokencd_5_name, r.ninki, r.kakuteijyuni, coalesce(r.ijyocd, '0'), " +
    paidSql("tan", 1) + ", " + paidSql("fuku", 3);

const std::string kRanCondition = "(r.kakuteijyuni > 0 OR coalesce(r.ijyocd, '0') <> '0')";
const std::string kJraCondition = "r.jyocd BETWEEN '01' AND '10'";

RunFacts runFacts(const Query& row) {
    RunFacts run;
    const std::string_view date = row.text(0);
    if (date.size() == 10)
        run.date =
            numberOf(date.substr(0, 4)) * 10000 + numberOf(date.substr(5, 2)) * 100 + numberOf(date.substr(8, 2));
    run.courseCode = row.text(1);
    run.courseName = row.text(2);
    run.surface = surfaceOfTrack(numberOf(row.text(3)));
    run.distance = static_cast<int>(row.integer(4));
    run.going = numberOf(row.text(run.surface == Surface::dirt ? 6 : 5));
    if (run.going < 1 || run.going > kGoingCount) run.going = 0;
    run.classCode = numberOf(row.text(7));
    run.className = row.text(8);
    run.popularity = static_cast<int>(row.integer(9));
    run.finish = static_cast<int>(row.integer(10));
    const std::string_view status = row.text(11);
    run.started = status != "1" && status != "2" && status != "3";
    run.winPay = row.integer(12);
    run.placePay = row.integer(13);
    return run;
}

bool RecordFilter::admits(const RunFacts& run) const {
    if (from != 0 && run.date < from) return false;
    if (to != 0 && run.date > to) return false;
    if (!course.empty() && run.courseCode != course) return false;
    if (surface && run.surface != surface) return false;
    if (minDistance != 0 && run.distance < minDistance) return false;
    if (maxDistance != 0 && run.distance > maxDistance) return false;
    if (going != 0 && run.going != going) return false;
    if (classCode != 0 && run.classCode != classCode) return false;
    return true;
}

std::string raceKeyCondition(std::string_view table) {
    const std::string t = table.empty() ? std::string() : std::string(table) + ".";
    return t + "race_date = ?1 AND " + t + "jyocd = ?2 AND " + t + "kaiji = ?3 AND " + t + "nichiji = ?4 AND " + t +
           "racenum = ?5";
}

void bindRaceKey(Query& query, std::string_view raceKey) {
    // The store's race keys are ASCII digits: the same bytes as the SQL text.
    const RaceKey key(sjisBytes(raceKey));
    query.bind(1, isoDate(numberOf(key.date().bytes())))
        .bind(2, key.course().bytes())
        .bind(3, static_cast<long long>(numberOf(key.meeting().bytes())))
        .bind(4, static_cast<long long>(numberOf(key.meetingDay().bytes())))
        .bind(5, static_cast<long long>(numberOf(key.raceNumber().bytes())));
}

std::optional<RecordFilter> sameCourseAndDistance(StatsDb& db, std::string_view raceKey, RecordFilter filter) {
    if (raceKey.size() != 16) return std::nullopt;
    auto& race = db.query("SELECT jyocd, trackcd, kyori FROM races WHERE " + raceKeyCondition(""));
    bindRaceKey(race, raceKey);
    if (!race.next()) return std::nullopt;
    filter.course = std::string(race.text(0));
    filter.surface = surfaceOfTrack(numberOf(race.text(1)));
    filter.minDistance = filter.maxDistance = static_cast<int>(race.integer(2));
    return filter;
}

std::string isoDate(int yyyymmdd) {
    return formattedUtf8("%04d-%02d-%02d", yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
}

}  // namespace vantor::stats
