// The feed folder: file names and stamps, record lengths and encoding,
// what the set-up, normal and real-time files hold.

#include <gtest/gtest.h>

#include <set>

#include "codes/calendar.h"
#include "feed_index.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "text/encoding.h"
#include "text/sjis.h"

using namespace vantor;
using namespace vantor::jvdata;
using vantor::test::FeedFileData;

namespace {

const test::FeedIndex& feed() { return test::sharedFeed(1); }

std::vector<const FeedFileData*> allFiles() {
    std::vector<const FeedFileData*> out;
    for (const auto* list : {&feed().setup, &feed().normal, &feed().realtime})
        for (const FeedFileData& f : *list) out.push_back(&f);
    return out;
}

// The vote counts are written as a header only: no field is read.
constexpr RecordLayout kH1Layout{"H1", kH1Length, {}};

const RecordLayout* layoutOf(SjisView rec) {
    for (const RecordLayout* l : {&kRaLayout, &kSeLayout, &kHrLayout, &kUmLayout, &kO1Layout, &kO2Layout, &kH1Layout})
        if (recordKind(rec).bytes() == l->kind) return l;  // the kind is the table's ASCII identifier
    return nullptr;
}

// The day of a record's date, or of the date a file name begins with.
int dayOf(SjisView yyyymmdd) { return dayFromYmd(lenientInt(yyyymmdd)); }
int dayOf(const std::string& yyyymmdd) { return dayFromYmd(lenientInt(yyyymmdd)); }

bool hasPrefix(const std::string& name, std::string_view prefix) {
    return name.compare(15, prefix.size(), prefix) == 0;
}

std::vector<const FeedFileData*> normalFiles(std::string_view prefix) {
    std::vector<const FeedFileData*> out;
    for (const FeedFileData& f : feed().normal)
        if (hasPrefix(f.name, prefix)) out.push_back(&f);
    return out;
}

}  // namespace

TEST(FeedFiles, NamesAreAStampAndAShortAsciiName) {
    ASSERT_FALSE(feed().setup.empty());
    for (const FeedFileData* f : allFiles()) {
        const std::string& n = f->name;
        ASSERT_GT(n.size(), 19u) << n;
        EXPECT_TRUE(isAllDigits(n.substr(0, 14))) << n;
        EXPECT_TRUE(isValidYmd(lenientInt(n.substr(0, 8)))) << n;
        EXPECT_EQ(n[14], '_') << n;
        EXPECT_TRUE(n.ends_with(".jvd")) << n;
        for (char c : n.substr(15, n.size() - 19)) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << n;
    }
}

TEST(FeedFiles, EveryRecordIsWholeInItsLayoutAndValidCp932) {
    for (const FeedFileData* f : allFiles()) {
        std::size_t bytes = 0;
        for (SjisView rec : f->records) {
            bytes += rec.size();
            const RecordLayout* layout = layoutOf(rec);
            ASSERT_NE(layout, nullptr) << f->name;
            ASSERT_EQ(rec.size(), layout->length) << f->name << " " << recordKind(rec).bytes();
            ASSERT_TRUE(rec.ends_with("\r\n")) << f->name;
            const SjisView body = withoutLineEnd(rec);
            ASSERT_EQ(utf8ToCp932(cp932ToUtf8(body)), body) << f->name;
            // No field ends inside a double-byte character.
            for (const FieldInfo& info : layout->fields)
                for (int n = 1; n <= info.field.count; ++n) {
                    const SjisView text = get(rec, info.field, n);
                    ASSERT_EQ(cutAtCharBoundary(text, text.size()).size(), text.size()) << f->name << " " << info.name;
                }
        }
        EXPECT_EQ(bytes, f->bytes.size()) << f->name;
    }
}

TEST(FeedFiles, SetupFilesAreMonthlyAndShareTheStampAfterTheSecondToLastWeekend) {
    const auto cards = normalFiles("CARD");
    ASSERT_EQ(cards.size(), 8u);
    const int lastThursday = dayOf(cards.back()->name.substr(0, 8));
    const std::string expected = std::to_string(ymdFromDay(lastThursday + 2 - 7 + 2)) + "060000";
    const int windowStart = dayOf(cards.front()->name.substr(0, 8)) + 2;  // the first normal weekend's Saturday
    std::set<std::string> months;
    for (const FeedFileData& f : feed().setup) {
        EXPECT_EQ(f.stamp, expected) << f.name;
        ASSERT_TRUE(hasPrefix(f.name, "RACE")) << f.name;
        const std::string month = f.name.substr(19, 6);
        EXPECT_TRUE(months.insert(month).second) << f.name;
        for (SjisView rec : f.records) {
            if (recordKind(rec) == "UM") continue;
            // The record's date digits against the file name's.
            EXPECT_EQ(raceDate(rec).substr(0, 6).bytes(), month) << f.name;
            if (dataKind(rec) == "7") {
                EXPECT_LT(dayOf(raceDate(rec)), windowStart) << f.name;
            }
        }
    }
    EXPECT_GE(months.size(), 10u);
}

TEST(FeedFiles, NormalDataIsAThursdayCardAndAMondayResultPerWeekendButTheLast) {
    const auto cards = normalFiles("CARD");
    const auto results = normalFiles("RESULT");
    ASSERT_EQ(cards.size(), 8u);
    ASSERT_EQ(results.size(), 7u);
    std::set<SjisString> lastWeekendKeys;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const FeedFileData& card = *cards[i];
        EXPECT_EQ(weekday(dayOf(card.name.substr(0, 8))), 4) << card.name;  // Thursday
        EXPECT_EQ(card.name.substr(19, 8), card.name.substr(0, 8));
        int races = 0;
        for (SjisView rec : card.records) {
            if (recordKind(rec) == "UM") continue;
            ASSERT_EQ(dataKind(rec), "2"_sjis) << card.name;
            ASSERT_NE(recordKind(rec), "HR"_sjis) << card.name;
            if (recordKind(rec) == "RA") {
                ++races;
                EXPECT_EQ(inum(rec, ra::TenkoCD), 0);
                EXPECT_EQ(inum(rec, ra::NyusenTosu), 0);
                if (i + 1 == cards.size()) lastWeekendKeys.insert(test::key(rec));
            } else {
                EXPECT_EQ(inum(rec, se::KakuteiJyuni), 0);
                EXPECT_EQ(inum(rec, se::Time), 0);
                EXPECT_EQ(inum(rec, se::Odds), 0);
                EXPECT_EQ(inum(rec, se::Ninki), 0);
            }
            const int raceDay = dayOf(raceDate(rec));
            const int thursday = dayOf(card.name.substr(0, 8));
            EXPECT_TRUE(raceDay >= thursday + 2 && raceDay <= thursday + 4) << card.name;
        }
        EXPECT_GE(races, 48) << card.name;  // at least two racecourses on two days
        if (i + 1 < cards.size()) {
            const FeedFileData& result = *results[i];
            EXPECT_GT(result.stamp, card.stamp);
            const int monday = dayOf(result.name.substr(0, 8));
            EXPECT_TRUE(weekday(monday) == 1 || weekday(monday) == 2) << result.name;
            int payouts = 0;
            for (SjisView rec : result.records) {
                if (recordKind(rec) == "HR") ++payouts;
                if (recordKind(rec) == "RA" || recordKind(rec) == "SE") {
                    EXPECT_TRUE(dataKind(rec) == "7" || dataKind(rec) == "A" || dataKind(rec) == "B") << result.name;
                    EXPECT_LT(dayOf(raceDate(rec)), monday);
                }
            }
            EXPECT_EQ(payouts, races);
        }
    }
    // The last weekend's results come only through real-time data.
    ASSERT_FALSE(lastWeekendKeys.empty());
    for (const SjisString& k : lastWeekendKeys) {
        EXPECT_EQ(feed().races.count(k), 0u) << k.bytes();
        EXPECT_EQ(feed().payouts.count(k), 0u) << k.bytes();
    }
}

TEST(FeedFiles, RealTimeFilesHoldTheResultsOfEveryRaceDayOfTheLastEightWeekends) {
    std::set<std::string> cardDays, realtimeDays;  // yyyymmdd as the folder names have them
    std::set<SjisString> cardRaces, realtimeRaces, realtimePayouts;
    for (const FeedFileData* card : normalFiles("CARD"))
        for (SjisView rec : card->records)
            if (recordKind(rec) == "RA") {
                cardDays.insert(std::string(raceDate(rec).bytes()));
                cardRaces.insert(test::key(rec));
            }
    for (const FeedFileData& f : feed().realtime) {
        const std::string day = f.folder.substr(9);
        realtimeDays.insert(day);
        EXPECT_EQ(f.stamp.substr(0, 8), day);
        for (SjisView rec : f.records) {
            ASSERT_NE(recordKind(rec), "UM"_sjis);
            EXPECT_EQ(raceDate(rec).bytes(), day) << f.name;
            if (recordKind(rec) == "RA") {
                realtimeRaces.insert(test::key(rec));
                EXPECT_EQ(dataKind(rec), "7"_sjis);
                EXPECT_GT(inum(rec, ra::TenkoCD), 0);
            }
            if (recordKind(rec) == "HR") realtimePayouts.insert(test::key(rec));
            if (recordKind(rec) == "SE" && inum(rec, se::IJyoCD) == 0) {
                EXPECT_GT(inum(rec, se::KakuteiJyuni), 0);
            }
        }
    }
    EXPECT_EQ(realtimeDays, cardDays);
    EXPECT_EQ(realtimeRaces, cardRaces);
    EXPECT_EQ(realtimePayouts, cardRaces);
}
