#include "store_runs.h"

#include <algorithm>
#include <set>

#include "record_layouts/jvdata_record.h"
#include "store/day_list.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace vantor::test {
namespace {

using namespace jvdata;

// The whole records of `length` bytes in a file's bytes.
std::vector<SjisView> records(const std::string& bytes, std::size_t length) {
    std::vector<SjisView> out;
    for (std::size_t at = 0; at + length <= bytes.size(); at += length)
        out.push_back(sjisBytes(bytes).substr(at, length));
    return out;
}

bool ran(SjisView se) { return inum(se, se::KakuteiJyuni) > 0 || inum(se, se::IJyoCD) != 0; }

// The going of a race record's surface: dirt tracks 23-29 their dirt going.
int goingOf(SjisView ra) {
    const int track = inum(ra, ra::TrackCD);
    const int going = track >= 23 && track <= 29 ? inum(ra, ra::DirtBabaCD) : inum(ra, ra::SibaBabaCD);
    return going >= 1 && going <= 4 ? going : 0;
}

// A record's code as the analysis database holds it: the same ASCII bytes.
std::string trimmed(SjisView code) { return std::string(trimBlanks(code).bytes()); }
std::string keyText(SjisView rec) { return std::string(raceKey(rec).text().bytes()); }

}  // namespace

std::vector<StoreRun> dayFileRuns(const StorePaths& paths) {
    std::vector<std::string> runnerFiles;
    for (const auto& e : std::filesystem::directory_iterator(paths.dataDir()))
        if (e.path().extension() == ".jvSEr") runnerFiles.push_back(e.path().filename().string());
    std::sort(runnerFiles.begin(), runnerFiles.end());
    std::vector<StoreRun> runs;
    for (const std::string& day : listRaceDays(paths)) {
        std::map<std::string, int> goings;
        const std::string races = readFile(paths.dayFile(day, ".jvRA"));
        for (const auto ra : records(races, kRaLength)) goings[keyText(ra)] = goingOf(ra);
        std::map<std::pair<std::string, int>, std::pair<long long, long long>> paid;  // race, horse: win, place
        const std::string payouts = readFile(paths.dayFile(day, ".jvHR"));
        for (const auto hr : records(payouts, kHrLength)) {
            const std::string key = keyText(hr);
            for (int n = 1; n <= hr::TanUmaban.count; ++n)
                paid[{key, inum(hr, hr::TanUmaban, n)}].first += num(hr, hr::TanPay, n);
            for (int n = 1; n <= hr::FukuUmaban.count; ++n)
                paid[{key, inum(hr, hr::FukuUmaban, n)}].second += num(hr, hr::FukuPay, n);
        }
        const auto first = std::lower_bound(runnerFiles.begin(), runnerFiles.end(), day);
        for (auto file = first; file != runnerFiles.end() && file->starts_with(day); ++file) {
            const std::string runners = readFile(paths.dataDir() / *file);
            for (const auto se : records(runners, kSeLength)) {
                if (recordKind(se) != "SE" || !ran(se)) continue;
                StoreRun run;
                run.raceKey = keyText(se);
                run.date = std::stoi(run.raceKey.substr(0, 8));
                run.course = SjisString(raceKey(se).course());
                run.going = goings[run.raceKey];
                run.horse = trimmed(get(se, se::KettoNum));
                run.jockey = trimmed(get(se, se::KisyuCode));
                run.trainer = trimmed(get(se, se::ChokyosiCode));
                run.finish = inum(se, se::KakuteiJyuni);
                run.status = inum(se, se::IJyoCD);
                run.deadHeat = inum(se, se::DochakuKubun) == 1;
                if (run.started()) {
                    const auto pay = paid.find({run.raceKey, inum(se, se::Umaban)});
                    if (pay != paid.end()) std::tie(run.winPay, run.placePay) = pay->second;
                }
                runs.push_back(std::move(run));
            }
        }
    }
    return runs;
}

std::string sireOf(const StorePaths& paths, const std::string& horse) {
    std::error_code error;
    const auto file = paths.horseMasterFile(sjisBytes(horse));
    if (!std::filesystem::exists(file, error)) return {};
    const std::string master = readFile(file);
    if (master.size() < kUmLength - 2) return {};
    return trimmed(get(sjisBytes(master), um::HansyokuNum, 1));
}

std::vector<std::string> careerKeys(const StorePaths& paths, const std::string& horse,
                                    const std::vector<StoreRun>& dayRuns) {
    std::set<std::string> keys;
    for (const auto& run : dayRuns)
        if (run.horse == horse) keys.insert(run.raceKey);
    std::error_code error;
    const auto file = paths.horseRunFile(sjisBytes(horse));
    if (std::filesystem::exists(file, error)) {
        const std::string history = readFile(file);
        for (const auto se : records(history, kSeLength))
            if (recordKind(se) == "SE" && ran(se)) keys.insert(keyText(se));
    }
    return {keys.rbegin(), keys.rend()};
}

}  // namespace vantor::test
