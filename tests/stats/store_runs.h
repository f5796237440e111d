#pragma once
// The runs of a store counted from its files, without the export: each
// day's race, runner and payout files read record by record, the horse
// masters for the sires and the horse run files for the careers.

#include <map>
#include <string>
#include <vector>

#include "store/store_paths.h"
#include "text/sjis_string.h"

namespace vantor::test {

struct StoreRun {
    std::string raceKey;  // 16 digits
    int date = 0;
    SjisString course;  // racecourse code
    int going = 0;      // of the race's surface, 0 for none
    std::string horse, jockey, trainer;
    int finish = 0, status = 0;
    bool deadHeat = false;
    long long winPay = 0, placePay = 0;
    bool started() const { return status != 1 && status != 2 && status != 3; }
};

// Every run of the day runner files: the entries of races with results.
std::vector<StoreRun> dayFileRuns(const StorePaths& paths);

// The horse's sire id from its master; empty without one.
std::string sireOf(const StorePaths& paths, const std::string& horse);

// The race keys of the horse's runs (its run file and the day files'
// runs), newest first.
std::vector<std::string> careerKeys(const StorePaths& paths, const std::string& horse,
                                    const std::vector<StoreRun>& dayRuns);

}  // namespace vantor::test
