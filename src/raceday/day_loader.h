#pragma once
// Loading a race day (the core of DateComboChange): the day's race records,
// every race's runner records, each runner's horse master and earlier runs
// with their race records, the payouts and the predicted odds, then race
// assembly, results, the derived marks, the trainer list, the horse-name
// index and the predicted ranks. The window shows what the result says.
//
// Every store file is read once per load; the day itself is refilled in
// place without allocating per record.

#include <functional>
#include <string>
#include <vector>

#include "raceday/load_files.h"
#include "raceday/past_run_races.h"
#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

// What the window does while a day loads.
struct DayLoadHooks {
    // The progress window: opened with maximum (72), caption and title,
    // advanced by one per race read and once per race slot (36) for the
    // earlier runs' race records, closed before the results conversion.
    std::function<void(int maximum, const SjisString& caption, const SjisString& title)> progressOpen;
    std::function<void()> progressStep;
    std::function<void()> progressClose;
    // Lets the window repaint and handle pending events.
    std::function<void()> pump;
};

struct DayLoadResult {
    enum class Status {
        loaded,
        raceFileMissing,  // the window reports dayDataMissingMessage()
    };
    Status status = Status::raceFileMissing;
    std::vector<SjisString> raceItems;      // race list: item n shows race slot n
    std::vector<SjisString> trainerItems;   // trainer drop-down
    std::vector<SjisString> horseInitials;  // horse-name list box
    int upDownMax = -1;                     // race-list items - 1
};

inline constexpr int kDayLoadProgressMaximum = 2 * kMaxRaces;

// "データ作成が未完了のようです。"
SjisString dayDataMissingMessage();

class DayLoader {
public:
    // The load reads and writes the store through files.
    explicit DayLoader(const StorePaths& paths, FileAccess& files = diskFiles());
    // The load reads through reader (tests count the reads), writes through files.
    DayLoader(const StorePaths& paths, FileReader reader, FileAccess& files = diskFiles());
    // The loader's tables refer to its own members.
    DayLoader(const DayLoader&) = delete;
    DayLoader& operator=(const DayLoader&) = delete;

    // Loads the day named dayName ("yyyy年mm月dd日", UTF-8, as the day list
    // gives it) into day. Nothing of the day loaded before stays, not even
    // when this one has no data. A loader kept for the next load keeps its
    // lookup tables' room, so that a load allocates none of them.
    DayLoadResult load(const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks = {});

private:
    void readRaces(SjisView raBytes, const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks);
    void derive(RaceDay& day, const DayLoadHooks& hooks, DayLoadResult& result);

    StorePaths paths_;
    LoadFiles files_;
    PastRunRaces pastRaces_{paths_, files_};
    std::vector<SjisString> sortKeys_;  // order keys of one race, sorted, duplicates kept
};

}  // namespace vantor
