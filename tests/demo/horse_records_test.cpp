// Horse master records and careers: finish counts and prize totals that
// agree with the runs in the feed, pedigrees, and the run histories the
// readiness views need.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "codes/calendar.h"
#include "feed_index.h"
#include "record_layouts/jvdata_record.h"

using namespace vantor;
using namespace vantor::jvdata;

namespace {

const test::FeedIndex& feed() { return test::sharedFeed(1); }

// The horse master's track group: turf straight, right, left; dirt
// straight, right, left; jump.
int trackGroupOf(int trackCD) {
    if (trackCD >= 51) return 6;
    if (trackCD == 10) return 0;
    if (trackCD <= 16) return 2;
    if (trackCD <= 22) return 1;
    if (trackCD == 29) return 3;
    return trackCD == 24 || trackCD == 26 || trackCD == 28 ? 4 : 5;
}

}  // namespace

TEST(HorseMasters, FinishCountsAndPrizesAgreeWithTheHorsesRuns) {
    const auto& f = feed();
    ASSERT_GT(f.master.size(), 5000u);
    for (const auto& [id, um] : f.master) {
        std::array<std::array<int, 6>, 7> byTrack{};
        std::array<int, 6> all{}, jra{};
        long long flatPrize = 0;
        const auto runs = f.runsOf.find(id);
        if (runs != f.runsOf.end())
            for (SjisView se : runs->second) {
                if (inum(se, se::IJyoCD) == 1) continue;  // scratched: not a start
                const int p = inum(se, se::KakuteiJyuni);
                const std::size_t c = p >= 1 && p <= 5 ? static_cast<std::size_t>(p - 1) : 5;
                ++all[c];
                if (dataKind(se) != "7") continue;
                ++jra[c];
                const int track = inum(f.races.at(test::key(se)), ra::TrackCD);
                ++byTrack[static_cast<std::size_t>(trackGroupOf(track))][c];
                if (track < 51) flatPrize += inum(se, se::Honsyokin);
            }
        for (int g = 0; g < 7; ++g)
            for (int c = 0; c < 6; ++c)
                ASSERT_EQ(inum(um, um::ChakuKaisuBa, g * 6 + c + 1),
                          byTrack[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)])
                    << id.bytes() << " group " << g << " class " << c;
        for (int c = 0; c < 6; ++c) {
            ASSERT_EQ(inum(um, um::ChakuSogo, c + 1), all[static_cast<std::size_t>(c)]) << id.bytes();
            ASSERT_EQ(inum(um, um::ChakuChuo, c + 1), jra[static_cast<std::size_t>(c)]) << id.bytes();
        }
        ASSERT_EQ(inum(um, um::RuikeiHonsyoHeiti), flatPrize) << id.bytes();
        ASSERT_EQ(inum(um, um::RaceCount), all[0] + all[1] + all[2] + all[3] + all[4] + all[5]) << id.bytes();
    }
}

TEST(HorseMasters, DescribeEveryHorseThatRan) {
    const auto& f = feed();
    for (const auto& [id, runs] : f.runsOf) {
        const auto found = f.master.find(id);
        ASSERT_NE(found, f.master.end()) << id.bytes();
        const SjisView um = found->second;
        ASSERT_TRUE(isAllDigits(id) && id.size() == 10) << id.bytes();
        EXPECT_EQ(get(um, um::BirthDate).substr(0, 4), id.view().substr(0, 4));
        EXPECT_TRUE(isValidYmd(inum(um, um::BirthDate))) << id.bytes();
        EXPECT_EQ(get(um, um::Bamei), get(runs.back(), se::Bamei)) << id.bytes();
        EXPECT_EQ(get(um, um::SexCD), get(runs.back(), se::SexCD)) << id.bytes();
        for (int n = 1; n <= 14; ++n)
            EXPECT_FALSE(trimBlanks(get(um, um::HansyokuName, n)).empty()) << id.bytes() << " " << n;
        EXPECT_NE(get(um, um::HansyokuName, 1), get(um, um::HansyokuName, 3)) << id.bytes();
        EXPECT_FALSE(trimBlanks(get(um, um::BreederName)).empty()) << id.bytes();
        EXPECT_FALSE(trimBlanks(get(um, um::SanchiName)).empty()) << id.bytes();
    }
}

TEST(Careers, RunsSpacedAsTheReadinessViewsNeed) {
    int rested = 0, returnedAfterTenToThirteenWeeks = 0, backToBack = 0;
    for (const auto& [id, runs] : feed().runsOf)
        for (std::size_t i = 1; i < runs.size(); ++i) {
            const int gap = dayFromYmd(lenientInt(raceDate(runs[i]))) - dayFromYmd(lenientInt(raceDate(runs[i - 1])));
            EXPECT_GE(gap, 1) << id.bytes();
            rested += gap > 55;
            returnedAfterTenToThirteenWeeks += gap >= 74 && gap <= 94;
            backToBack += gap == 7;
        }
    EXPECT_GT(rested, 1000);
    EXPECT_GT(returnedAfterTenToThirteenWeeks, 300);
    EXPECT_GT(backToBack, 100);
}

TEST(Careers, RunnersShareOwnersAndTrainersAndRunAwayFromTheJra) {
    int sharedOwner = 0, sharedTrainer = 0, races = 0;
    for (const auto& [k, runners] : feed().runners) {
        std::set<SjisView> owners, trainers;
        for (SjisView se : runners) {
            owners.insert(get(se, se::BanusiName));
            trainers.insert(get(se, se::ChokyosiRyakusyo));
        }
        ++races;
        sharedOwner += owners.size() < runners.size();
        sharedTrainer += trainers.size() < runners.size();
    }
    EXPECT_GT(sharedOwner, races / 4);
    EXPECT_GT(sharedTrainer, races / 4);

    // Local (data kind A) and overseas (B) races, each delivered with its runners of the same kind.
    std::map<SjisString, int> awayRuns;
    for (const auto& [k, ra] : feed().races) {
        const SjisView dk = dataKind(ra);
        if (dk == "7") continue;
        const SjisView course = get(ra, ra::JyoCD);
        if (dk == "A") {
            EXPECT_TRUE(course >= "30" && course <= "61") << k.bytes();
        }
        if (dk == "B") {
            EXPECT_TRUE(course >= "A0" && course <= "N2") << k.bytes();
        }
        const auto& runners = feed().runners.at(k);
        ASSERT_FALSE(runners.empty()) << k.bytes();
        for (SjisView se : runners) EXPECT_EQ(dataKind(se), dk) << k.bytes();
        EXPECT_LE(static_cast<int>(runners.size()), inum(ra, ra::TorokuTosu)) << k.bytes();
        awayRuns[SjisString(dk)] += static_cast<int>(runners.size());
    }
    EXPECT_GT(awayRuns[SjisString("A")], 10);
    EXPECT_GT(awayRuns[SjisString("B")], 5);
}
