// The demo's live day: what the real-time files of the newest race day
// announce through the day, read back through the live state, and how it
// ends as the day's results do.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "codes/racing_texts.h"
#include "feed_index.h"
#include "raceday/live_day.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"

using namespace vantor;
using namespace vantor::jvdata;
using vantor::test::FeedFileData;

namespace {

const test::FeedIndex& feed() { return test::sharedFeed(1); }

std::string specOf(const FeedFileData& f) { return f.name.substr(15, 4); }
std::string keyOf(const FeedFileData& f) { return f.name.substr(20, f.name.size() - 24); }

LiveDataspec liveSpecOf(const std::string& dataspec) {
    if (dataspec == "0B11") return LiveDataspec::weights;
    if (dataspec == "0B14") return LiveDataspec::dayChanges;
    if (dataspec == "0B30") return LiveDataspec::odds;
    return LiveDataspec::winOddsSeries;
}

// The live state at clock time hhmmss: as the feed serves it, the newest
// file of each snapshot dataspec and key, every time-series file.
std::unique_ptr<LiveDay> stateAt(std::string_view hhmmss) {
    std::unique_ptr<LiveDay> day = LiveDay::create();
    day->reset("20240526");
    std::map<std::string, const FeedFileData*> newest;
    for (const FeedFileData& f : feed().live) {
        if (f.stamp.substr(8) > hhmmss) continue;
        if (specOf(f) == "0B41") {
            std::vector<SjisView> records(f.records.begin(), f.records.end());
            day->applyAnswer(LiveDataspec::winOddsSeries, records);
        } else {
            newest[specOf(f) + keyOf(f)] = &f;
        }
    }
    for (const auto& [name, f] : newest) {
        std::vector<SjisView> records(f->records.begin(), f->records.end());
        day->applyAnswer(liveSpecOf(specOf(*f)), records);
    }
    return day;
}

}  // namespace

TEST(DemoLiveDay, FilesOfTheNewestRaceDayNameSpecKeyAndAnnounceTime) {
    ASSERT_FALSE(feed().live.empty());
    EXPECT_LT(feed().summary.liveBytes, 20LL * 1024 * 1024);
    std::map<std::string, int> perSpec;
    for (const FeedFileData& f : feed().live) {
        EXPECT_EQ(f.folder, "realtime/20240526") << f.name;
        EXPECT_EQ(f.stamp.substr(0, 8), "20240526") << f.name;
        const std::string dataspec = specOf(f);
        ++perSpec[dataspec];
        EXPECT_EQ(keyOf(f).size(), dataspec == "0B14" ? 8u : 16u) << f.name;
        for (SjisView rec : f.records) {
            const bool race = recordKind(rec) != "WE";
            if (race) {
                EXPECT_EQ(rec.substr(11, 16).substr(0, dataspec == "0B14" ? 8 : 16).bytes(), keyOf(f)) << f.name;
            }
            // Weights and odds carry the file's stamp as their announce time.
            if (dataspec != "0B14") {
                EXPECT_EQ(get(rec, o1::HappyoTime).bytes(), f.stamp.substr(4, 8)) << f.name;
            }
        }
    }
    EXPECT_EQ(perSpec.size(), 4u);
    EXPECT_EQ(perSpec["0B30"], perSpec["0B41"]);
    EXPECT_GE(perSpec["0B11"], 24);
}

TEST(DemoLiveDay, AnnouncesTheDaysChangesAndWithdrawsOneScratch) {
    std::set<SjisString> everScratched, lastScratched;
    std::map<SjisString, std::vector<SjisString>> jockeyNames;  // by race and horse, in announce order
    int excluded = 0, goingChanges = 0, postChanges = 0, courseChanges = 0;
    const FeedFileData* last = nullptr;
    for (const FeedFileData& f : feed().live)
        if (specOf(f) == "0B14") last = &f;
    ASSERT_NE(last, nullptr);
    for (const FeedFileData& f : feed().live) {
        if (specOf(f) != "0B14") continue;
        for (SjisView rec : f.records) {
            const SjisString who = rec.substr(11, 16) + get(rec, av::Umaban);
            if (recordKind(rec) == "AV") everScratched.insert(who);
            if (&f != last) continue;
            const SjisView kind = recordKind(rec);
            if (kind == "AV") {
                lastScratched.insert(who);
                excluded += dataKind(rec) == "2";
            }
            if (kind == "JC") jockeyNames[who].push_back(SjisString(trimBlanks(get(rec, jc::KisyuName))));
            if (kind == "WE") goingChanges += get(rec, we::HenkoID) == "3";
            postChanges += kind == "TC";
            courseChanges += kind == "CC";
        }
    }
    EXPECT_GE(lastScratched.size(), 2u);
    EXPECT_LE(lastScratched.size(), 4u);
    EXPECT_EQ(excluded, 1);
    EXPECT_EQ(everScratched.size(), lastScratched.size() + 1);
    EXPECT_GE(jockeyNames.size(), 2u);
    EXPECT_LE(jockeyNames.size(), 3u);
    int undecidedThenNamed = 0;
    for (const auto& [who, names] : jockeyNames)
        undecidedThenNamed += names.size() == 2 && names[0] == undecidedJockeyName() && names[1] != names[0];
    EXPECT_EQ(undecidedThenNamed, 1);
    EXPECT_EQ(goingChanges, 1);
    EXPECT_EQ(postChanges, 1);
    EXPECT_EQ(courseChanges, 1);

    // In the morning the withdrawn scratch is announced, not yet gone.
    const std::unique_ptr<LiveDay> morning = stateAt("100000");
    int scratchedAtTen = 0;
    for (const LiveRace& race : morning->races())
        for (const LiveRunner& runner : race.runners) scratchedAtTen += !runner.scratch.empty();
    EXPECT_EQ(scratchedAtTen, static_cast<int>(everScratched.size()));
}

TEST(DemoLiveDay, EndsWithTheResultsOddsWeightsAndJockeys) {
    const std::unique_ptr<LiveDay> day = stateAt("170000");
    EXPECT_TRUE(day->skipped().empty());
    // The day's results: its real-time results file ("0B12").
    std::map<SjisString, std::vector<SjisView>> results;
    for (const FeedFileData& f : feed().realtime)
        if (f.folder == "realtime/20240526")
            for (SjisView rec : f.records)
                if (recordKind(rec) == "SE") results[test::key(rec)].push_back(rec);
    int races = 0, runners = 0;
    for (const auto& [key, ses] : results) {
        ++races;
        const LiveRace* race = day->race(key.view().substr(8, 2), lenientInt(key.view().substr(14, 2)));
        ASSERT_NE(race, nullptr) << key.bytes();
        EXPECT_TRUE(race->winPlace.present && race->quinella.present && race->weightsTime.present()) << key.bytes();
        EXPECT_FALSE(race->winSeries.empty()) << key.bytes();
        for (SjisView se : ses) {
            const LiveRunner& runner = race->runners[static_cast<std::size_t>(inum(se, jvdata::se::Umaban) - 1)];
            if (inum(se, jvdata::se::IJyoCD) == 1) {
                EXPECT_EQ(runner.weight.mark, LiveMark::scratched) << key.bytes();
                continue;
            }
            ++runners;
            EXPECT_EQ(runner.winOdds, liveValue(inum(se, jvdata::se::Odds))) << key.bytes();
            EXPECT_EQ(runner.winNinki, liveValue(inum(se, jvdata::se::Ninki))) << key.bytes();
            EXPECT_EQ(runner.weight, liveValue(inum(se, jvdata::se::BaTaijyu))) << key.bytes();
            if (runner.jockeyTime.present()) {
                EXPECT_EQ(runner.jockeyAfter.code.view(), get(se, jvdata::se::KisyuCode)) << key.bytes();
            }
        }
    }
    EXPECT_GE(races, 24);
    EXPECT_GT(runners, races * 8);
}
