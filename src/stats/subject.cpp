#include "stats/subject.h"

#include <algorithm>
#include <array>
#include <map>

#include "text/encoding.h"

namespace vantor::stats {
namespace {

// Where a kind's code and name stand, and how long its codes are.
struct SubjectColumns {
    const char* table;
    const char* code;
    const char* name;
    const char* newest;  // the column whose greatest value gives the newest name
    std::size_t codeLength;
};

constexpr std::array<SubjectColumns, 5> kColumns{{
    {"runners", "kettonum", "bamei", "race_date", 10},
    {"runners", "kisyucode", "kisyuryakusyo", "race_date", 5},
    {"runners", "chokyosicode", "chokyosiryakusyo", "race_date", 5},
    {"runners", "banusicode", "banusiname", "race_date", 6},
    {"horses", "hansyokunum_1", "hansyokuname_1", "birthdate", 10},
}};

bool isCode(SjisView text, std::size_t length) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// code, name, its newest date: one row per name and code of the rows that
// `where` picks, grouped in the order of the name index so that the index
// alone answers (grouped by code, the planner reads every row instead).
std::string subjectsSql(const SubjectColumns& c, const std::string& where) {
    return std::string("SELECT ") + c.code + ", " + c.name + ", max(" + c.newest + ") FROM " + c.table + " WHERE " +
           where + " GROUP BY " + c.name + ", " + c.code;
}

// One subject per code, with its newest name, in the order of the codes.
std::vector<Subject> subjectsOf(StatsDb& db, SubjectKind kind, const std::string& sql, const std::string& value) {
    auto& q = db.query(sql);
    q.bind(1, value);
    std::map<std::string, std::pair<std::string, Subject>> byCode;  // code: newest date, subject
    while (q.next()) {
        if (q.isNull(0)) continue;
        const std::string code(q.text(0)), newest(q.text(2));
        auto found = byCode.find(code);
        if (found != byCode.end() && found->second.first >= newest) continue;
        byCode.insert_or_assign(code, std::pair{newest, Subject{kind, code, utf8ToCp932(q.text(1))}});
    }
    std::vector<Subject> subjects;
    for (auto& [code, entry] : byCode) subjects.push_back(std::move(entry.second));
    return subjects;
}

}  // namespace

std::vector<Subject> findSubjects(StatsDb& db, SubjectKind kind, SjisView codeOrName) {
    const auto& c = kColumns[static_cast<std::size_t>(kind)];
    const std::string text = cp932ToUtf8(codeOrName);
    if (text.empty()) return {};
    if (isCode(codeOrName, c.codeLength)) {
        // The newest name of the code: the name of its newest row.
        auto& q = db.query(std::string("SELECT ") + c.name + " FROM " + c.table + " WHERE " + c.code +
                           " = ?1 ORDER BY " + c.newest + " DESC LIMIT 1");
        q.bind(1, text);
        if (!q.next()) return {};
        return {{kind, text, utf8ToCp932(q.text(0))}};
    }
    auto exact = subjectsOf(db, kind, subjectsSql(c, std::string(c.name) + " = ?1"), text);
    if (!exact.empty()) return exact;
    return subjectsOf(db, kind, subjectsSql(c, std::string("instr(") + c.name + ", ?1) > 0"), text);
}

}  // namespace vantor::stats
