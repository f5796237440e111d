#include "demo/live_day_feed.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <span>
#include <vector>

#include "codes/racing_texts.h"
#include "demo/combo_odds.h"
#include "demo/odds_records.h"
#include "fileio/whole_file.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace fs = std::filesystem;
namespace {

using jvdata::RecordBuilder;

constexpr int kFirstOdds = 9 * 60;  // the first interim odds, 9:00
constexpr int kOddsStep = 10;
constexpr int kWeightsBefore = 60;
constexpr int kHorses = 18;

int minutesOf(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }
SjisString hhmm(int minutes) { return formatted("%02d%02d", minutes / 60, minutes % 60); }

// A change of the day's changes snapshot: in every 0B14 answer from its
// announce time until it is withdrawn.
struct DayChange {
    int shownFrom = 0;  // minutes of the day
    int shownUntil = INT_MAX;
    SjisString record;
};

// Popularity of pair entries by their odds (odds, entry), lowest first.
template <std::size_t N>
void rankEntries(std::array<PairOdds, N>& entries, std::vector<std::pair<int, int>>& pairs) {
    std::stable_sort(pairs.begin(), pairs.end());
    for (std::size_t p = 0; p < pairs.size(); ++p)
        entries[static_cast<std::size_t>(pairs[p].second - 1)].ninki = static_cast<int>(p) + 1;
}

class LiveDayWriter {
public:
    LiveDayWriter(const World& world, const RaceDay& day, fs::path folder, Rng rng, LiveDayCounts& counts)
        : w_(world), date_(day.date), folder_(std::move(folder)), rng_(rng), counts_(counts) {
        for (std::uint32_t i = 0; i < w_.races.size(); ++i)
            if (w_.races[i].venue == Venue::jra && w_.races[i].day == day.day) races_.push_back(&w_.races[i]);
    }

    std::string write() {
        std::error_code ec;
        fs::create_directories(folder_, ec);
        if (ec) return "cannot create the folder " + folder_.string() + ": " + ec.message();
        if (races_.empty()) return {};
        addDayChanges();
        if (std::string error = writeDayChanges(); !error.empty()) return error;
        for (const Race* race : races_) {
            if (std::string error = writeWeights(*race); !error.empty()) return error;
            if (std::string error = writeOdds(*race); !error.empty()) return error;
        }
        return {};
    }

private:
    SjisString announce(int minutes) const { return formatted("%04d", date_ % 10000) + hhmm(minutes); }

    // The race key as the live files' names carry it.
    std::string raceKey(const Race& r) const {
        return formattedUtf8("%08d%.2s%02d%02d%02d", r.date, r.course.data(), r.kaiji, r.nichiji, r.raceNum);
    }

    std::span<const Run> runsOf(const Race& r) const {
        return {w_.runs.data() + r.firstRun, static_cast<std::size_t>(r.runCount)};
    }

    // The header and the racecourse's day (date, course, meeting, day), at
    // the same places in every live layout.
    RecordBuilder courseRecord(const jvdata::RecordLayout& layout, const Race& r, char dataKind) const {
        namespace we = jvdata::we;
        RecordBuilder b(layout);
        b.text(we::DataKubun, sjisBytes(std::string_view(&dataKind, 1)))
            .number(we::MakeDate, date_)
            .number(we::Year, r.date / 10000)
            .number(we::MonthDay, r.date % 10000)
            .text(we::JyoCD, sjisBytes(std::string_view(r.course.data(), 2)))
            .number(we::Kaiji, r.kaiji)
            .number(we::Nichiji, r.nichiji);
        return b;
    }

    // A race-keyed live record: the racecourse's day, the race number and
    // the announce time, at the same places in every race-keyed layout.
    RecordBuilder raceRecord(const jvdata::RecordLayout& layout, const Race& r, char dataKind,
                             SjisView announced) const {
        namespace o1 = jvdata::o1;
        RecordBuilder b = courseRecord(layout, r, dataKind);
        b.number(o1::RaceNum, r.raceNum).text(o1::HappyoTime, announced);
        return b;
    }

    std::string save(int minutes, std::string_view dataspec, std::string_view key, const SjisString& bytes) {
        const fs::path path = folder_ / formattedUtf8("%08d%s00_%.*s_%.*s.jvd", date_, hhmm(minutes).c_str(),
                                                      static_cast<int>(dataspec.size()), dataspec.data(),
                                                      static_cast<int>(key.size()), key.data());
        if (!replaceWholeFile(path, bytes.bytes(), Durability::renameOnly))
            return "cannot write the file " + path.string();
        ++counts_.files;
        counts_.bytes += static_cast<long long>(bytes.size());
        return {};
    }

    // A runner of the day that ran, from a race not yet used for a change.
    const Run* pickRunner(std::vector<const Race*>& used) {
        for (int tries = 0; tries < 100; ++tries) {
            const Race* r = races_[static_cast<std::size_t>(rng_.between(0, static_cast<int>(races_.size()) - 1))];
            if (std::find(used.begin(), used.end(), r) != used.end()) continue;
            const std::span<const Run> runs = runsOf(*r);
            const Run& run = runs[static_cast<std::size_t>(rng_.between(0, static_cast<int>(runs.size()) - 1))];
            if (run.status == RunStatus::scratched) continue;
            used.push_back(r);
            return &run;
        }
        return nullptr;
    }

    // The runners of a race that start, in number order.
    std::vector<std::reference_wrapper<const Run>> startersOf(const Race& r) const {
        std::vector<std::reference_wrapper<const Run>> starters;
        for (const Run& run : runsOf(r))
            if (run.status != RunStatus::scratched) starters.push_back(run);
        return starters;
    }

    // The first race not yet used whose weights come by 10:30 and whose post
    // is after it; null when there is none.
    const Race* morningRace(const std::vector<const Race*>& used) const {
        for (const Race* r : races_) {
            const int post = minutesOf(r->startTime);
            if (post > 10 * 60 + 30 && post - kWeightsBefore <= 10 * 60 + 30 && startersOf(*r).size() >= 2 &&
                std::find(used.begin(), used.end(), r) == used.end())
                return r;
        }
        return nullptr;
    }

    SjisString scratch(const Run& run, char kind, int minutes) const {
        namespace av = jvdata::av;
        const Race& r = w_.races[run.race];
        RecordBuilder b = raceRecord(jvdata::kAvLayout, r, kind, announce(minutes));
        b.number(av::Umaban, run.umaban).text(av::Bamei, w_.horses[run.horse].name);
        b.text(av::JiyuKubun, formatted("%03d", 1 + static_cast<int>(run.umaban % 3)));
        return b.take();
    }

    SjisString jockeyChange(const Run& run, int minutes, bool decided) const {
        namespace jc = jvdata::jc;
        const Race& r = w_.races[run.race];
        const Jockey& after = w_.jockeys[run.jockey];
        const Jockey& before = w_.jockeys[(run.jockey + 7u) % w_.jockeys.size()];
        RecordBuilder b = raceRecord(jvdata::kJcLayout, r, '1', announce(minutes));
        b.number(jc::Umaban, run.umaban).text(jc::Bamei, w_.horses[run.horse].name).number(jc::Futan, run.futan);
        if (decided)
            b.number(jc::KisyuCode, after.code).text(jc::KisyuName, after.name).number(jc::MinaraiCD, after.minarai);
        else
            b.number(jc::KisyuCode, 0).text(jc::KisyuName, undecidedJockeyName()).number(jc::MinaraiCD, 0);
        b.number(jc::FutanBefore, run.futan)
            .number(jc::KisyuCodeBefore, before.code)
            .text(jc::KisyuNameBefore, before.name)
            .number(jc::MinaraiCDBefore, before.minarai);
        return b.take();
    }

    // Weather and going of each racecourse: the day's first state, and on
    // the first racecourse a change of going that ends at the results'.
    void addWeather() {
        namespace we = jvdata::we;
        std::vector<const Race*> courses;  // the last race of each racecourse
        for (const Race* r : races_) {
            const auto same =
                std::find_if(courses.begin(), courses.end(), [&](const Race* c) { return c->course == r->course; });
            if (same == courses.end())
                courses.push_back(r);
            else
                *same = r;
        }
        for (std::size_t c = 0; c < courses.size(); ++c) {
            const Race& r = *courses[c];
            const auto other = [](int going) { return going > 1 ? going - 1 : going + 1; };
            const bool changes = c == 0;
            const int turf = changes ? other(r.turfGoing) : r.turfGoing;
            const int dirt = changes ? other(r.dirtGoing) : r.dirtGoing;
            const auto weRecord = [&](SjisView announced, char kind) {
                RecordBuilder b = courseRecord(jvdata::kWeLayout, r, '1');
                b.text(we::HappyoTime, announced).text(we::HenkoID, sjisBytes(std::string_view(&kind, 1)));
                return b;
            };
            RecordBuilder first = weRecord("00000000", '1');
            first.number(we::TenkoCD, r.weather).number(we::SibaBabaCD, turf).number(we::DirtBabaCD, dirt);
            first.number(we::TenkoCDBefore, 0).number(we::SibaBabaCDBefore, 0).number(we::DirtBabaCDBefore, 0);
            changes_.push_back({8 * 60, INT_MAX, first.take()});
            if (!changes) continue;
            const int at = 12 * 60 + 10;
            RecordBuilder change = weRecord(announce(at), '3');
            change.number(we::TenkoCD, 0).number(we::SibaBabaCD, r.turfGoing).number(we::DirtBabaCD, r.dirtGoing);
            change.number(we::TenkoCDBefore, 0).number(we::SibaBabaCDBefore, turf).number(we::DirtBabaCDBefore, dirt);
            changes_.push_back({at, INT_MAX, change.take()});
        }
    }

    void addDayChanges() {
        addWeather();
        std::vector<const Race*> used;
        // Scratches: the results' own first, then runners picked to make two
        // to four; the first of them excluded rather than scratched.
        std::vector<const Run*> scratched;
        for (const Race* r : races_)
            for (const Run& run : runsOf(*r))
                if (run.status == RunStatus::scratched && scratched.size() < 4) {
                    scratched.push_back(&run);
                    used.push_back(r);
                }
        const std::size_t wanted =
            std::max<std::size_t>(scratched.size(), static_cast<std::size_t>(rng_.between(2, 4)));
        // One morning race, weighed by half past ten and off after it, has
        // both a scratch and a jockey change, so that one card shows the two.
        const Race* both = morningRace(used);
        if (both && scratched.size() < wanted) {
            scratched.push_back(&startersOf(*both)[0].get());
            used.push_back(both);
        } else {
            both = nullptr;
        }
        while (scratched.size() < wanted)
            if (const Run* run = pickRunner(used))
                scratched.push_back(run);
            else
                break;
        for (std::size_t i = 0; i < scratched.size(); ++i) {
            const int at = 8 * 60 + 40 + 25 * static_cast<int>(i);
            changes_.push_back({at, INT_MAX, scratch(*scratched[i], i == 0 ? '2' : '1', at)});
        }
        // A scratch that a later answer no longer holds.
        if (const Run* run = pickRunner(used))
            changes_.push_back({9 * 60 + 10, 10 * 60 + 15, scratch(*run, '1', 9 * 60 + 10)});
        // Jockey changes: the first 未定 at first, named later.
        const int jockeyChanges = rng_.between(2, 3);
        for (int i = 0; i < jockeyChanges; ++i) {
            const Run* run = i == 1 && both ? &startersOf(*both)[1].get() : pickRunner(used);
            if (!run) break;
            const int at = 9 * 60 + 30 + 15 * i;
            if (i == 0) {
                changes_.push_back({at, INT_MAX, jockeyChange(*run, at, false)});
                changes_.push_back({10 * 60 + 20, INT_MAX, jockeyChange(*run, 10 * 60 + 20, true)});
            } else {
                changes_.push_back({at, INT_MAX, jockeyChange(*run, at, true)});
            }
        }
        addPostAndCourseChanges(used);
    }

    // A later post of one afternoon race and a shorter course of another,
    // announced in the morning; the results show the changed values.
    void addPostAndCourseChanges(std::vector<const Race*>& used) {
        std::vector<const Race*> afternoon;
        for (const Race* r : races_)
            if (r->startTime >= 1300 && std::find(used.begin(), used.end(), r) == used.end()) afternoon.push_back(r);
        if (afternoon.size() < 2) return;
        const Race& moved = *afternoon[0];
        const Race& shortened = *afternoon[afternoon.size() / 2];
        const int tcAt = 10 * 60;
        RecordBuilder tc = raceRecord(jvdata::kTcLayout, moved, '1', announce(tcAt));
        tc.text(jvdata::tc::HassoTime, hhmm(minutesOf(moved.startTime)))
            .text(jvdata::tc::HassoTimeBefore, hhmm(minutesOf(moved.startTime) - 10));
        changes_.push_back({tcAt, INT_MAX, tc.take()});
        const int ccAt = 10 * 60 + 5;
        RecordBuilder cc = raceRecord(jvdata::kCcLayout, shortened, '1', announce(ccAt));
        cc.number(jvdata::cc::Kyori, shortened.distance)
            .number(jvdata::cc::TrackCD, shortened.trackCD)
            .number(jvdata::cc::KyoriBefore, shortened.distance + 200)
            .number(jvdata::cc::TrackCDBefore, shortened.trackCD)
            .text(jvdata::cc::JiyuCD, "1");
        changes_.push_back({ccAt, INT_MAX, cc.take()});
    }

    // One 0B14 answer per moment the day's changes change: everything shown
    // at that moment.
    std::string writeDayChanges() {
        std::vector<int> moments;
        for (const DayChange& c : changes_) {
            moments.push_back(c.shownFrom);
            if (c.shownUntil != INT_MAX) moments.push_back(c.shownUntil);
        }
        std::sort(moments.begin(), moments.end());
        moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
        const std::string day = formattedUtf8("%08d", date_);
        for (int m : moments) {
            SjisString bytes;
            for (const DayChange& c : changes_)
                if (c.shownFrom <= m && m < c.shownUntil) bytes += c.record;
            if (std::string error = save(m, "0B14", day, bytes); !error.empty()) return error;
        }
        return {};
    }

    std::string writeWeights(const Race& r) {
        namespace wh = jvdata::wh;
        const int at = minutesOf(r.startTime) - kWeightsBefore;
        RecordBuilder b = raceRecord(jvdata::kWhLayout, r, '1', announce(at));
        int n = 1;
        for (const Run& run : runsOf(r)) {
            if (n > kHorses) break;
            b.number(wh::Umaban, run.umaban, n).text(wh::Bamei, w_.horses[run.horse].name, n);
            if (run.status == RunStatus::scratched) {
                b.text(wh::BaTaijyu, "000", n);
            } else {
                b.number(wh::BaTaijyu, run.bodyWeight, n);
                if (!run.firstStart)
                    b.text(wh::ZogenFugo,
                           run.weightChange > 0   ? "+"_sjis
                           : run.weightChange < 0 ? "-"_sjis
                                                  : " "_sjis,
                           n)
                        .number(wh::ZogenSa, std::abs(run.weightChange), n);
            }
            ++n;
        }
        return save(at, "0B11", raceKey(r), b.take());
    }

    // Interim odds from 9:00 to the last ten minutes before the post: each
    // runner's odds start off its final odds by a drift of its own and
    // reach them at the last announcement.
    std::string writeOdds(const Race& r) {
        const std::span<const Run> runs = runsOf(r);
        std::vector<double> drift(runs.size());
        for (double& d : drift) d = 0.3 * rng_.normal();
        const int post = minutesOf(r.startTime);
        const int steps = std::max(1, (post - 1 - kFirstOdds) / kOddsStep + 1);
        const std::string key = raceKey(r);
        std::vector<int> odds(runs.size());
        for (int k = 0; k < steps; ++k) {
            const int at = std::min(kFirstOdds + kOddsStep * k, post - 1);
            const double left = steps > 1 ? static_cast<double>(steps - 1 - k) / (steps - 1) : 0.0;
            for (std::size_t i = 0; i < runs.size(); ++i)
                odds[i] = std::clamp(static_cast<int>(std::lround(runs[i].odds * std::exp(drift[i] * left))), 10, 9999);
            const bool last = k == steps - 1;
            const SjisString announced = announce(at);
            const OddsStamp stamp{{'1', date_}, announced, 20000LL * (k + 1)};
            const OddsSheet sheet = interimSheet(r, odds, last);
            const SjisString o1 = winPlaceBracketRecord(w_, r, sheet, stamp);
            SjisString snapshot = o1 + quinellaRecord(r, sheet, stamp);
            if (last) snapshot += comboOddsRecords(w_, r, sheet, stamp);
            if (std::string error = save(at, "0B30", key, snapshot); !error.empty()) return error;
            if (std::string error = save(at, "0B41", key, o1); !error.empty()) return error;
        }
        return {};
    }

    // Popularity by odds among the runners that start; the last interim
    // announcement has the results' popularity.
    std::vector<int> popularity(std::span<const Run> runs, const std::vector<int>& odds, bool last) const {
        std::vector<int> rank(runs.size(), 0);
        if (last) {
            for (std::size_t i = 0; i < runs.size(); ++i) rank[i] = runs[i].ninki;
            return rank;
        }
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < runs.size(); ++i)
            if (runs[i].status != RunStatus::scratched) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return odds[a] != odds[b] ? odds[a] < odds[b] : runs[a].ninki < runs[b].ninki;
        });
        for (std::size_t p = 0; p < order.size(); ++p) rank[order[p]] = static_cast<int>(p) + 1;
        return rank;
    }

    // The sheet of one interim announcement: the runners' win odds, place
    // odds around them, and pair odds from the runners' win odds.
    OddsSheet interimSheet(const Race& r, const std::vector<int>& odds, bool last) const {
        const std::span<const Run> runs = runsOf(r);
        const std::vector<int> rank = popularity(runs, odds, last);
        OddsSheet sheet;
        std::array<int, 9> bracketBest{};         // the lowest win odds of each bracket
        std::array<int, kHorses + 1> byNumber{};  // win odds by horse number; -1 scratched
        for (std::size_t i = 0; i < runs.size() && i < sheet.runners.size(); ++i) {
            const Run& run = runs[i];
            if (run.umaban >= 1 && run.umaban <= kHorses)
                byNumber[run.umaban] = run.status == RunStatus::scratched ? -1 : odds[i];
            if (run.status == RunStatus::scratched) {
                sheet.runners[i].win = kUndecided;
                continue;
            }
            const int low = std::max(10, odds[i] / 4), high = std::max(low, odds[i] * 2 / 5);
            sheet.runners[i] = {odds[i], rank[i], low, high, rank[i]};
            int& best = bracketBest[std::min<std::size_t>(run.waku, 8)];
            best = best == 0 ? odds[i] : std::min(best, odds[i]);
        }
        if (r.starters >= 9) {
            std::vector<std::pair<int, int>> pairs;  // odds, entry
            int n = 1;
            for (int a = 1; a <= 8; ++a)
                for (int c = a; c <= 8; ++c, ++n) {
                    const int oa = bracketBest[static_cast<std::size_t>(a)];
                    const int oc = bracketBest[static_cast<std::size_t>(c)];
                    if (oa == 0 || oc == 0) continue;
                    const int pair = std::clamp(oa * oc / 300, 10, 99999);
                    sheet.bracket[static_cast<std::size_t>(n - 1)].odds = pair;
                    pairs.push_back({pair, n});
                }
            rankEntries(sheet.bracket, pairs);
        }
        std::vector<std::pair<int, int>> pairs;  // odds, entry
        int n = 1;
        for (int a = 1; a <= kHorses; ++a)
            for (int c = a + 1; c <= kHorses; ++c, ++n) {
                const int oa = byNumber[static_cast<std::size_t>(a)], oc = byNumber[static_cast<std::size_t>(c)];
                if (oa == 0 || oc == 0) continue;
                PairOdds& entry = sheet.quinella[static_cast<std::size_t>(n - 1)];
                if (oa < 0 || oc < 0) {
                    entry.odds = kUndecided;
                    continue;
                }
                entry.odds = std::clamp(oa * oc / 250, 10, 999999);
                pairs.push_back({entry.odds, n});
            }
        rankEntries(sheet.quinella, pairs);
        return sheet;
    }

    const World& w_;
    int date_ = 0;
    fs::path folder_;
    Rng rng_;
    LiveDayCounts& counts_;
    std::vector<const Race*> races_;
    std::vector<DayChange> changes_;
};

}  // namespace

std::string writeLiveDay(const World& world, int dayIndex, const fs::path& realtime, Rng rng, LiveDayCounts& counts) {
    const RaceDay& day = world.calendar.days[static_cast<std::size_t>(dayIndex)];
    return LiveDayWriter(world, day, realtime / formattedUtf8("%08d", day.date), rng, counts).write();
}

}  // namespace vantor::demo
