#include "stats/tally.h"

#include <algorithm>
#include <climits>

#include "text/encoding.h"
#include "text/sjis_literal.h"

namespace vantor::stats {
namespace {

constexpr int kNoGroup = INT_MAX;

int groupKey(Dimension by, const RunFacts& run) {
    switch (by) {
        case Dimension::course:
            if (run.courseCode.size() != 2) return kNoGroup;
            return static_cast<unsigned char>(run.courseCode[0]) << 8 | static_cast<unsigned char>(run.courseCode[1]);
        case Dimension::surface:
            return run.surface ? static_cast<int>(*run.surface) : kNoGroup;
        case Dimension::distance:
            return bandOf(kDistanceBands, run.distance).value_or(kNoGroup);
        case Dimension::going:
            return run.going == 0 ? kNoGroup : run.going;
        case Dimension::raceClass:
            return classOrder(run.classCode);
        case Dimension::month:
            return run.date == 0 ? kNoGroup : run.date / 100;
        case Dimension::popularity:
            return bandOf(kPopularityBands, run.popularity).value_or(kNoGroup);
    }
    return kNoGroup;
}

SjisString groupLabel(Dimension by, int key, const RunFacts& run) {
    if (key == kNoGroup) return SjisString("-");
    switch (by) {
        case Dimension::course:
            return utf8ToCp932(run.courseName.empty() ? run.courseCode : run.courseName);
        case Dimension::surface:
            return surfaceName(*run.surface);
        case Dimension::distance:
            return sjis(kDistanceBands[static_cast<std::size_t>(key)].name);
        case Dimension::going:
            return goingName(key);
        case Dimension::raceClass:
            return utf8ToCp932(run.className);
        case Dimension::month:
            return SjisString::fromBytes(isoDate(key * 100 + 1).substr(0, 7));  // ASCII
        case Dimension::popularity:
            return sjis(kPopularityBands[static_cast<std::size_t>(key)].name);
    }
    return SjisString("-");
}

}  // namespace

int classOrder(int code) {
    if (code >= 701 && code <= 703) return code - 701;
    if (code == 999) return 100000;
    if (code == 0) return kNoGroup;
    return 1000 + code;
}

void Tally::add(const RunFacts& run) {
    if (!run.started) return;
    ++starts;
    if (run.finish >= 1 && run.finish <= 3) ++placed[static_cast<std::size_t>(run.finish - 1)];
    winReturn += run.winPay;
    placeReturn += run.placePay;
}

void Breakdown::add(const RunFacts& run) {
    if (!run.started) return;
    const int key = groupKey(by_, run);
    auto group = std::find_if(groups_.begin(), groups_.end(), [key](const Group& g) { return g.key == key; });
    if (group == groups_.end()) group = groups_.insert(groups_.end(), Group{key, {groupLabel(by_, key, run), {}}});
    group->row.tally.add(run);
}

std::vector<RecordRow> Breakdown::rows() const {
    auto sorted = groups_;
    std::sort(sorted.begin(), sorted.end(), [](const Group& a, const Group& b) { return a.key < b.key; });
    std::vector<RecordRow> rows;
    rows.reserve(sorted.size());
    for (auto& g : sorted) rows.push_back(std::move(g.row));
    return rows;
}

}  // namespace vantor::stats
