// The earlier runs of a day at their bounds, and race slots that hold
// nothing until a load fills them.

#include "raceday/earlier_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "raceday/race_day.h"
#include "text/formatted.h"

using namespace vantor;

namespace {

// A record text that names its place, so that no two are alike.
SjisString recordOf(char kind, int r, int j, int e) {
    return formatted("%c%d", kind, ((r * kMaxRunners) + j) * kMaxEarlierRuns + e);
}

bool blank(SjisView image) { return trimBlanks(image).empty(); }

// The bytes a freshly constructed T holds, in memory that held others before.
template <class T>
bool constructsToZeroBytes() {
    auto memory = std::make_unique<unsigned char[]>(sizeof(T));
    std::fill_n(memory.get(), sizeof(T), 0xA5);
    std::construct_at(reinterpret_cast<T*>(memory.get()));
    return std::all_of(memory.get(), memory.get() + sizeof(T), [](unsigned char b) { return b == 0; });
}

}  // namespace

// Every run of a full day (36 races of 18 runners with 25 earlier runs)
// a race of its own: the pool holds them all.
TEST(EarlierRuns, AFullDayOfDistinctRacesFitsAndClearsToNothing) {
    const auto runs = std::make_unique<EarlierRuns>();
    for (int r = 0; r < kMaxRaces; ++r)
        for (int j = 0; j < kMaxRunners; ++j)
            for (int e = 0; e < kMaxEarlierRuns; ++e) {
                runs->append(r, j, recordOf('S', r, j, e));
                runs->setRace(r, j, e, runs->keep(recordOf('R', r, j, e)));
            }
    runs->append(0, 0, "one too many");
    EXPECT_EQ(runs->count(0, 0), kMaxEarlierRuns);
    EXPECT_EQ(runs->pooled(), EarlierRuns::kPoolCapacity);
    using Place = std::array<int, 3>;
    for (const auto& [r, j, e] : {Place{0, 0, 0}, Place{17, 9, 12}, Place{35, 17, 24}}) {
        EXPECT_EQ(trimBlanks(runs->run(r, j, e).view()), recordOf('S', r, j, e));
        EXPECT_EQ(trimBlanks(runs->race(r, j, e).view()), recordOf('R', r, j, e));
    }
    EXPECT_THROW(runs->keep("beyond any day"), std::length_error);

    runs->clear();
    EXPECT_EQ(runs->pooled(), 1);
    for (const auto& [r, j, e] : {Place{0, 0, 0}, Place{35, 17, 24}}) {
        EXPECT_EQ(runs->count(r, j), 0);
        EXPECT_TRUE(blank(runs->run(r, j, e).view()));
        EXPECT_TRUE(blank(runs->race(r, j, e).view()));
    }
}

// A slot nobody has written reads as a reset one, so that a day made once
// needs no memory for the races it never holds.
TEST(RaceDayTables, AResetSlotIsAllZeroBytes) {
    EXPECT_TRUE(constructsToZeroBytes<TRaceRec>());
    EXPECT_TRUE(constructsToZeroBytes<TRaceMarkRec>());
    const auto day = RaceDay::create();
    EXPECT_EQ(day->RaceTbl[kMaxRaces - 1].RacePresent, 0);
    EXPECT_TRUE(day->MarkTbl[kMaxRaces - 1].SortKey[0].empty());
    EXPECT_TRUE(blank(day->JvSeTbl[kMaxRaces - 1][kMaxRunners - 1].view()));
    EXPECT_TRUE(blank(day->JvSeiRaTbl(kMaxRaces - 1, kMaxRunners - 1, kMaxEarlierRuns - 1).view()));
}
