#include "stats/stats_tables.h"

#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::stats {
namespace {

SjisString count(int n) { return formatted("%d", n); }
SjisString rate(double percent) { return formatted("%.1f", percent); }
SjisString oneDecimal(double value) { return value == 0 ? SjisString() : formatted("%.1f", value); }
SjisString positive(int n) { return n > 0 ? count(n) : SjisString(); }
// An ISO date is ASCII: the same bytes in Shift-JIS.
SjisString dateText(int yyyymmdd) { return SjisString::fromBytes(isoDate(yyyymmdd)); }

std::vector<SjisString> utf8Words(std::initializer_list<std::string_view> words) {
    std::vector<SjisString> out;
    for (const auto w : words) out.push_back(sjis(w));
    return out;
}

SjisString kindName(SubjectKind kind) {
    static const auto names = utf8Words({"馬", "騎手", "調教師", "馬主", "種牡馬"});
    return names[static_cast<std::size_t>(kind)];
}

// "芝1600", "ダ1200", "障3000".
SjisString courseText(const std::optional<Surface>& surface, int distance) {
    return (surface ? surfaceName(*surface) : SjisString()) + positive(distance);
}

// The finish, or what kept the runner from one: 取消, 除外, 中止, 失格.
SjisString finishText(const CareerRun& run) {
    static const auto reasons = utf8Words({"", "取消", "除外", "除外", "中止", "失格"});
    if (run.finish > 0) return count(run.finish);
    if (run.status >= 1 && run.status < static_cast<int>(reasons.size()))
        return reasons[static_cast<std::size_t>(run.status)];
    return {};
}

// "1:34.5" from 94.5 s.
SjisString raceTime(double seconds) {
    if (seconds <= 0) return {};
    const int tenths = static_cast<int>(seconds * 10 + 0.5);
    return formatted("%d:%02d.%d", tenths / 600, tenths / 10 % 60, tenths % 10);
}

// "480(+2)", "480(0)", "480" on a first start.
SjisString bodyWeightText(const CareerRun& run) {
    if (run.bodyWeight <= 0) return {};
    SjisString text = count(run.bodyWeight);
    if (run.weightChange) text += formatted(*run.weightChange > 0 ? "(+%d)" : "(%d)", *run.weightChange);
    return text;
}

void appendFigures(std::vector<SjisString>& row, const Tally& t, bool returns) {
    row.insert(row.end(), {count(t.starts), count(t.placed[0]), count(t.placed[1]), count(t.placed[2]),
                           count(t.unplaced()), rate(t.winRate())});
    if (returns) row.push_back(rate(t.topTwoRate()));
    row.push_back(rate(t.topThreeRate()));
    if (returns) row.insert(row.end(), {rate(t.winReturnRate()), rate(t.placeReturnRate())});
}

TextTable figuresTable(SjisString title, SjisString heading, const std::vector<RecordRow>& rows, const Tally& total,
                       bool returns) {
    TextTable table;
    table.title = std::move(title);
    table.headings = {std::move(heading)};
    const auto figures =
        returns ? utf8Words({"出走", "1着", "2着", "3着", "着外", "勝率", "連対率", "複勝率", "単回収率", "複回収率"})
                : utf8Words({"出走", "1着", "2着", "3着", "着外", "勝率", "複勝率"});
    table.headings.insert(table.headings.end(), figures.begin(), figures.end());
    table.numeric.assign(table.headings.size(), true);
    table.numeric[0] = false;
    for (const auto& r : rows) {
        auto& row = table.rows.emplace_back(std::vector<SjisString>{r.label});
        appendFigures(row, r.tally, returns);
    }
    auto& sum = table.rows.emplace_back(std::vector<SjisString>{sjis("計")});
    appendFigures(sum, total, returns);
    return table;
}

// The period and the filter's other limits: "2023-06-02～2024-06-01 芝 1400-1800m".
SjisString filterText(const RecordFilter& f) {
    SjisString title = dateText(f.from) + sjis("～") + dateText(f.to);
    if (!f.course.empty()) title += sjis(" 競馬場") + sjisBytes(f.course);
    if (f.surface) title += " " + surfaceName(*f.surface);
    if (f.minDistance != 0 || f.maxDistance != 0)
        title += formatted(" %d-", f.minDistance) + positive(f.maxDistance) + "m";
    if (f.going != 0) title += sjis(" 馬場") + goingName(f.going);
    if (f.classCode != 0) title += sjis(" クラス") + formatted("%03d", f.classCode);
    return title;
}

}  // namespace

SjisString recordTitle(const PersonRecord& record) {
    return kindName(record.subject.kind) + " " + record.subject.name + " (" + sjisBytes(record.subject.code) + ") " +
           filterText(record.filter);
}

TextTable recordTable(const PersonRecord& record) {
    return figuresTable(recordTitle(record), dimensionHeading(record.by), record.rows, record.total, true);
}

TextTable marksTable(const MarksRecord& record) {
    return figuresTable(record.setName + " " + filterText(record.filter), sjis("印"), record.rows, record.total, true);
}

TextTable careerTotalsTable(Dimension by, const std::vector<RecordRow>& rows, const Tally& total) {
    return figuresTable(sjis("成績 ") + dimensionHeading(by), dimensionHeading(by), rows, total, false);
}

TextTable careerTable(const HorseCareer& career) {
    TextTable table;
    table.title = kindName(SubjectKind::horse) + " " + career.horse.name + " (" + sjisBytes(career.horse.code) + ") " +
                  formatted("%zu", career.runs.size()) + sjis("走");
    table.headings =
        utf8Words({"日付", "競馬場", "レース名", "クラス", "コース", "馬場", "頭数", "枠", "馬番", "人気", "オッズ",
                   "着順", "タイム", "着差", "上り3F", "馬体重", "騎手", "斤量", "勝ち馬(2着馬)"});
    table.numeric = {false, false, false, false, false, false, true,  true, true, true,
                     true,  true,  true,  true,  true,  true,  false, true, false};
    for (const auto& run : career.runs) {
        table.rows.push_back(
            {dateText(run.date), run.course, run.raceName, run.className, courseText(run.surface, run.distance),
             goingName(run.going), positive(run.fieldSize), positive(run.gate), positive(run.number),
             positive(run.popularity), oneDecimal(run.odds), finishText(run), raceTime(run.time),
             run.started && run.finish > 0 ? formatted("%.1f", run.margin) : SjisString(), oneDecimal(run.lastThree),
             bodyWeightText(run), run.jockey, oneDecimal(run.carried), run.rival});
    }
    return table;
}

}  // namespace vantor::stats
