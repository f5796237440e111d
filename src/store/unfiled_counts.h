#pragma once
// How many records of each kind an acquisition read and did not file: the
// kinds the store does not keep (vote counts H1 and H6, odds O3-O6, WF, JG,
// the masters of people) and records of kept kinds that no file takes (a
// race before the date filter, odds of a racecourse without a name).
// Rejected records are counted apart (RecordFiler::rejected).

#include <array>

#include "text/sjis.h"

namespace vantor {

class UnfiledCounts {
public:
    // Counts one record of the kind (its first two bytes). A kind that is
    // not two of 0-9 and A-Z, and any kind beyond the table, is counted as "??".
    void add(SjisView kind);
    bool empty() const { return size_ == 0; }
    // The count of the kind ("O3"); 0 when none was counted.
    long long count(SjisView kind) const;
    // "H1 3件 O3 1,234件": every counted kind in code order.
    SjisString text() const;

private:
    struct Entry {
        char kind[2];
        long long count;
    };
    // A set-up of every kind JV-Data delivers stays well inside the table.
    static constexpr int kKinds = 48;
    std::array<Entry, kKinds> entries_{};
    int size_ = 0;
};

// "読込んで保存しなかったレコード:" and the counts: the list line an
// acquisition ends with when it read records it did not file.
SjisString unfiledRecordsLine(const UnfiledCounts& counts);
SjisView unfiledLinePrefix();

}  // namespace vantor
