#include "stats/record_figures.h"

#include <algorithm>
#include <charconv>

#include "text/encoding.h"

namespace vantor::stats {

double figureValue(const Tally& t, Figure figure) {
    switch (figure) {
        case Figure::starts:
            return t.starts;
        case Figure::first:
            return t.placed[0];
        case Figure::second:
            return t.placed[1];
        case Figure::third:
            return t.placed[2];
        case Figure::unplaced:
            return t.unplaced();
        case Figure::winRate:
            return t.winRate();
        case Figure::topTwoRate:
            return t.topTwoRate();
        case Figure::topThreeRate:
            return t.topThreeRate();
        case Figure::winReturnRate:
            return t.winReturnRate();
        case Figure::placeReturnRate:
            return t.placeReturnRate();
    }
    return 0;
}

void sortRows(std::vector<RecordRow>& rows, Figure figure, bool descending) {
    std::stable_sort(rows.begin(), rows.end(), [figure, descending](const RecordRow& a, const RecordRow& b) {
        const double x = figureValue(a.tally, figure), y = figureValue(b.tally, figure);
        return descending ? x > y : x < y;
    });
}

std::vector<RaceClass> storedClasses(StatsDb& db) {
    auto& q = db.query("SELECT DISTINCT jyokencd_5, jyokencd_5_name FROM races WHERE jyokencd_5 IS NOT NULL");
    q.restart();
    std::vector<RaceClass> classes;
    while (q.next()) {
        const std::string_view digits = q.text(0);
        int code = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), code);
        if (code == 0 || q.isNull(1)) continue;
        if (std::any_of(classes.begin(), classes.end(), [code](const RaceClass& c) { return c.code == code; }))
            continue;
        classes.push_back({code, utf8ToCp932(q.text(1))});
    }
    std::sort(classes.begin(), classes.end(),
              [](const RaceClass& a, const RaceClass& b) { return classOrder(a.code) < classOrder(b.code); });
    return classes;
}

}  // namespace vantor::stats
