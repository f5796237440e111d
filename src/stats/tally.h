#pragma once
// The figures of a record: starts, 1st-2nd-3rd-unplaced, the rates, and
// the return rates of 100 yen on every start, in total and broken down by
// a dimension.

#include <array>
#include <vector>

#include "stats/run_facts.h"

namespace vantor::stats {

struct Tally {
    int starts = 0;
    std::array<int, 3> placed{};               // finishes 1st, 2nd, 3rd (each horse of a dead heat counts)
    long long winReturn = 0, placeReturn = 0;  // yen paid back on 100 yen a start

    // Adds a run; one that did not start counts nothing.
    void add(const RunFacts& run);
    int wins() const { return placed[0]; }
    int topThree() const { return placed[0] + placed[1] + placed[2]; }
    int unplaced() const { return starts - topThree(); }
    // Percentages of the starts (0 without starts).
    double winRate() const { return percent(placed[0]); }
    double topTwoRate() const { return percent(placed[0] + placed[1]); }
    double topThreeRate() const { return percent(topThree()); }
    // Paid back per 100 yen staked, in percent: 100 yen on every start.
    double winReturnRate() const { return starts == 0 ? 0 : winReturn / static_cast<double>(starts); }
    double placeReturnRate() const { return starts == 0 ? 0 : placeReturn / static_cast<double>(starts); }

    bool operator==(const Tally&) const = default;

private:
    double percent(int n) const { return starts == 0 ? 0 : 100.0 * n / starts; }
};

// The place of a race class (its condition code) in a breakdown: 新馬,
// 未出走, 未勝利, the prize classes from the lowest, then オープン, and
// last no class (0).
int classOrder(int code);

// One group of a breakdown: its label (Shift-JIS) and figures.
struct RecordRow {
    SjisString label;
    Tally tally;
};

// A record broken down by one dimension, in the dimension's order
// (racecourse codes, the band tables, classes from 新馬 to オープン,
// months); runs outside every group fall into a last group "-".
class Breakdown {
public:
    explicit Breakdown(Dimension by) : by_(by) {}
    void add(const RunFacts& run);
    Dimension by() const { return by_; }
    std::vector<RecordRow> rows() const;

private:
    struct Group {
        int key;
        RecordRow row;
    };
    Dimension by_;
    std::vector<Group> groups_;  // in the order first seen; few, so looked up in turn
};

}  // namespace vantor::stats
