// The default three-year demo shows everything the views can show: every
// code, long careers, rests, dead heats, runs away from the JRA.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "feed_index.h"
#include "record_layouts/jvdata_record.h"

using namespace vantor;
using namespace vantor::jvdata;

namespace {

std::set<std::string> range(int from, int to, int width) {
    std::set<std::string> out;
    for (int i = from; i <= to; ++i) {
        std::string s = std::to_string(i);
        out.insert(std::string(static_cast<std::size_t>(width) - s.size(), '0') + s);
    }
    return out;
}

std::set<std::string> unite(std::set<std::string> a, const std::set<std::string>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace

TEST(DefaultDemo, ShowsEverythingTheViewsCanShow) {
    const test::FeedIndex& f = test::sharedFeed(3);
    std::map<std::string, std::set<std::string>> seen;
    for (const auto& [k, rec] : f.races) {
        if (dataKind(rec) != "7") continue;
        seen["condition"].insert(std::string(get(rec, ra::JyokenCD, 5)));
        seen["grade"].insert(std::string(get(rec, ra::GradeCD)));
        seen["weight"].insert(std::string(get(rec, ra::JyuryoCD)));
        seen["track"].insert(std::string(get(rec, ra::TrackCD)));
        seen["weather"].insert(std::string(get(rec, ra::TenkoCD)));
        seen["turf going"].insert(std::string(get(rec, ra::SibaBabaCD)));
        seen["dirt going"].insert(std::string(get(rec, ra::DirtBabaCD)));
        seen["heads"].insert(std::string(get(rec, ra::TorokuTosu)));
    }
    for (const auto& [k, runners] : f.runners)
        for (std::string_view se : runners) {
            seen["sex"].insert(std::string(get(se, se::SexCD)));
            seen["coat"].insert(std::string(get(se, se::KeiroCD)));
        }
    EXPECT_EQ(seen["condition"], (std::set<std::string>{"701", "702", "703", "005", "010", "016", "999"}));
    EXPECT_EQ(seen["grade"], (std::set<std::string>{" ", "A", "B", "C", "D", "E", "F", "G", "H", "L"}));
    EXPECT_EQ(seen["weight"], range(1, 4, 1));
    EXPECT_EQ(seen["track"], unite(range(10, 29, 2), range(51, 59, 2)));
    EXPECT_EQ(seen["weather"], range(1, 6, 1));
    EXPECT_EQ(seen["turf going"], range(1, 4, 1));
    EXPECT_EQ(seen["dirt going"], range(1, 4, 1));
    EXPECT_EQ(seen["heads"], range(5, 18, 2));
    EXPECT_EQ(seen["sex"], range(1, 3, 1));
    EXPECT_EQ(seen["coat"], range(1, 11, 2));

    int longCareers = 0;
    for (const auto& [id, runs] : f.runsOf) longCareers += runs.size() >= 26;  // 25 earlier runs and this one
    EXPECT_GT(longCareers, 300);

    int deadHeatsForFirst = 0;
    for (const auto& [k, hr] : f.payouts) deadHeatsForFirst += inum(hr, hr::TanUmaban, 2) != 0;
    EXPECT_GT(deadHeatsForFirst, 5);

    std::set<std::string> away;
    for (const auto& [k, ra] : f.races)
        if (dataKind(ra) != "7") away.insert(std::string(get(ra, ra::JyoCD)));
    for (const char* course : {"44", "A6", "A8", "G0"}) EXPECT_EQ(away.count(course), 1u) << course;

    // The normal files show the last eight weekends; the set-up files all the rest.
    EXPECT_GT(f.setup.size(), 30u);
    EXPECT_EQ(f.normal.size(), 15u);
    EXPECT_GT(f.summary.seRecords, 100000);
}
