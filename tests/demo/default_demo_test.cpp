// The default three-year demo shows everything the views can show: every
// code, long careers, rests, dead heats, runs away from the JRA.

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>

#include "feed_index.h"
#include "record_layouts/jvdata_record.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::jvdata;

namespace {

// The codes from..to, each of width digits with leading zeros.
std::set<SjisString> range(int from, int to, int width) {
    std::set<SjisString> out;
    for (int i = from; i <= to; ++i) out.insert(formatted("%0*d", width, i));
    return out;
}

std::set<SjisString> unite(std::set<SjisString> a, const std::set<SjisString>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

std::set<SjisString> codes(std::initializer_list<SjisView> list) {
    std::set<SjisString> out;
    for (SjisView c : list) out.insert(SjisString(c));
    return out;
}

}  // namespace

TEST(DefaultDemo, ShowsEverythingTheViewsCanShow) {
    const test::FeedIndex& f = test::sharedFeed(3);
    std::map<std::string, std::set<SjisString>> seen;  // by what the codes are of
    for (const auto& [k, rec] : f.races) {
        if (dataKind(rec) != "7") continue;
        seen["condition"].insert(SjisString(get(rec, ra::JyokenCD, 5)));
        seen["grade"].insert(SjisString(get(rec, ra::GradeCD)));
        seen["weight"].insert(SjisString(get(rec, ra::JyuryoCD)));
        seen["track"].insert(SjisString(get(rec, ra::TrackCD)));
        seen["weather"].insert(SjisString(get(rec, ra::TenkoCD)));
        seen["turf going"].insert(SjisString(get(rec, ra::SibaBabaCD)));
        seen["dirt going"].insert(SjisString(get(rec, ra::DirtBabaCD)));
        seen["heads"].insert(SjisString(get(rec, ra::TorokuTosu)));
    }
    for (const auto& [k, runners] : f.runners)
        for (SjisView se : runners) {
            seen["sex"].insert(SjisString(get(se, se::SexCD)));
            seen["coat"].insert(SjisString(get(se, se::KeiroCD)));
        }
    EXPECT_EQ(seen["condition"], codes({"701", "702", "703", "005", "010", "016", "999"}));
    EXPECT_EQ(seen["grade"], codes({" ", "A", "B", "C", "D", "E", "F", "G", "H", "L"}));
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

    std::set<SjisString> away;
    for (const auto& [k, ra] : f.races)
        if (dataKind(ra) != "7") away.insert(SjisString(get(ra, ra::JyoCD)));
    for (SjisView course : {"44"_sjis, "A6"_sjis, "A8"_sjis, "G0"_sjis})
        EXPECT_EQ(away.count(SjisString(course)), 1u) << course.bytes();

    // The normal files show the last eight weekends; the set-up files all the rest.
    EXPECT_GT(f.setup.size(), 30u);
    EXPECT_EQ(f.normal.size(), 15u);
    EXPECT_GT(f.summary.seRecords, 100000);
}
