#include "stats/marks_record.h"

#include "stats/person_record.h"
#include "text/encoding.h"

namespace vantor::stats {
namespace {

// The JRA race days of the period ?1 to ?2 (dates "yyyy-mm-dd").
const std::string kRaceDaysSql =
    "SELECT DISTINCT race_date FROM races WHERE race_date BETWEEN ?1 AND ?2 AND jyocd BETWEEN '01' AND '10' "
    "ORDER BY race_date";

// The run of horse number ?6 in the race of the key bound to ?1-?5.
const std::string& markedRunSql() {
    static const std::string sql = "SELECT " + kRunColumns +
                                   " FROM runners r JOIN races ra USING (race_date, jyocd, kaiji, nichiji, racenum)"
                                   " WHERE " +
                                   raceKeyCondition("r") + " AND r.umaban = ?6 AND " + kJraCondition + " AND " +
                                   kRanCondition;
    return sql;
}

// "2024-05-26" as the marks file's "20240526".
std::string markDate(std::string_view isoDay) {
    std::string digits;
    for (const char c : isoDay)
        if (c != '-') digits += c;
    return digits;
}

}  // namespace

std::variant<std::optional<UserMarksFile>, std::string> readUserMarksFile(const std::filesystem::path& appDir) {
    const auto path = userMarksPath(appDir);
    if (std::error_code error; !std::filesystem::exists(path, error)) return std::optional<UserMarksFile>();
    auto opened = UserMarksFile::openToRead(path);
    if (auto* problem = std::get_if<std::string>(&opened)) return std::move(*problem);
    return std::optional<UserMarksFile>(std::move(std::get<UserMarksFile>(opened)));
}

MarksRecord marksRecord(StatsDb& db, const std::optional<UserMarksFile>& marks, int set, const RecordFilter& filter) {
    MarksRecord record;
    record.set = set;
    record.setName = utf8ToCp932(marks ? marks->setName(set) : defaultUserMarkSetName(set));
    record.filter = withDefaultPeriod(db, filter);
    for (int n = 1; n <= kUserMarkKinds; ++n)
        record.rows.push_back({SjisString(userMarkGlyph(static_cast<UserMark>(n))), {}});
    if (!marks) return record;

    std::vector<std::string> days;
    auto& dayQuery = db.query(kRaceDaysSql);
    dayQuery.bind(1, isoDate(record.filter.from)).bind(2, isoDate(record.filter.to));
    while (dayQuery.next()) days.push_back(markDate(dayQuery.text(0)));

    auto& run = db.query(markedRunSql());
    for (const auto& day : days) {
        for (const auto& mark : marks->marksOfDay(day, set)) {
            run.restart();
            bindRaceKey(run, mark.raceKey);
            run.bind(6, static_cast<long long>(mark.umaban));
            if (!run.next()) continue;  // a card entry, or a race outside the JRA racecourses
            const RunFacts facts = runFacts(run);
            if (!record.filter.admits(facts)) continue;
            record.total.add(facts);
            record.rows[static_cast<std::size_t>(userMarkNumber(mark.mark) - 1)].tally.add(facts);
        }
    }
    return record;
}

}  // namespace vantor::stats
