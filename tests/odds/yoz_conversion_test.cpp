// Lines of the two odds services to ".yoz" lines, read back through the
// fields day loading uses; the demo's lines of both services.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "demo/odds_lines.h"
#include "odds/jrdb_odds.h"
#include "odds/kol_odds.h"
#include "record_layouts/jvdata_record.h"
#include "record_layouts/odds_line_layouts.h"
#include "text/encoding.h"
#include "text/formatted.h"

using namespace vantor;

namespace {

SjisString right(SjisView text, std::size_t width) { return SjisString(width - text.size(), ' ') + text; }

// A JRDB line (without CR LF): racecourse 05, year 24, meeting 2, day 12
// ("c"), race 11, 16 runners; every odds text different.
SjisString jrdbLine() {
    jvdata::RecordBuilder b(kJrdbOddsLayout);
    b.text(jrdb::JyoCD, "05").text(jrdb::Year, "24").text(jrdb::Kaiji, "2").text(jrdb::Nichiji, "c");
    b.text(jrdb::RaceNum, "11").text(jrdb::Runners, "16");
    for (int i = 1; i <= 18; ++i) {
        b.text(jrdb::WinOdds, right(formatted("%d.1", i), 5), i);
        b.text(jrdb::PlaceOdds, right(formatted("%d.2", i), 5), i);
    }
    for (int k = 1; k <= 153; ++k) b.text(jrdb::QuinellaOdds, right(formatted("%d.3", k), 5), k);
    return SjisString(jvdata::withoutLineEnd(b.record()));
}

struct KolFields {
    SjisString runners = SjisString(" 8");
    std::vector<SjisString> win = std::vector<SjisString>(18, SjisString("    -"));
    std::vector<SjisString> bracket = std::vector<SjisString>(36, SjisString("    -"));
    std::vector<SjisString> quinella = std::vector<SjisString>(153, SjisString("      -"));
};

// A KOL line (without CR LF) of Tokyo (the service's "04"), meeting 2, day
// 12, race 11 on 30 May 2004.
SjisString kolLine(const KolFields& f) {
    jvdata::RecordBuilder b(kKolOddsLayout);
    b.text(kol::Course, "04").text(kol::Kaiji, "02").text(kol::Nichiji, "12").text(kol::RaceNum, "11");
    b.text(kol::Date, "20040530").text(kol::Runners, f.runners);
    for (int i = 1; i <= 18; ++i) b.text(kol::WinOdds, f.win[i - 1], i);
    for (int t = 1; t <= 36; ++t) b.text(kol::BracketOdds, f.bracket[t - 1], t);
    for (int k = 1; k <= 153; ++k) b.text(kol::QuinellaOdds, f.quinella[k - 1], k);
    return SjisString(jvdata::withoutLineEnd(b.record()));
}

SjisView quinella(SjisView yoz, int k) { return jvdata::get(yoz, yoz::QuinellaOdds, k); }

}  // namespace

TEST(JrdbConversion, EveryFieldIsCopiedBehindItsBlanks) {
    const SjisString line = jrdbLine();
    ASSERT_EQ(line.size(), 955u);
    const SjisString yoz = jrdbYozLine(line, "240526");
    ASSERT_EQ(yoz.size(), 1459u);
    EXPECT_EQ(yoz.view().substr(0, 19), "20240526"_sjis + "05" + "02" + "0c11" + "J" + "16");
    for (int i = 1; i <= 18; ++i) {
        EXPECT_EQ(jvdata::get(yoz, yoz::WinOdds, i), " "_sjis + right(formatted("%d.1", i), 5));
        EXPECT_EQ(jvdata::get(yoz, yoz::PlaceOdds, i), " "_sjis + right(formatted("%d.2", i), 5));
    }
    for (int k = 1; k <= 153; ++k) EXPECT_EQ(quinella(yoz, k), "   "_sjis + right(formatted("%d.3", k), 5));
}

TEST(JrdbConversion, AShortLineKeepsTheFixedLengthWithBlankFields) {
    const SjisString yoz = jrdbYozLine(jrdbLine().view().substr(0, 298), "240526");  // ends inside pair 22
    ASSERT_EQ(yoz.size(), 1459u);
    EXPECT_EQ(quinella(yoz, 21), "    21.3"_sjis);
    EXPECT_EQ(quinella(yoz, 22), "    22  "_sjis);
    EXPECT_EQ(quinella(yoz, 23), "        "_sjis);
    EXPECT_EQ(jrdbYozLine("", "240526"), "20240526  0 0   J"_sjis + SjisString(1442, ' '));
}

TEST(KolConversion, EightRunnersBefore2005TakeQuinellaOddsFromTheBracketBlock) {
    KolFields f;
    f.win[0] = SjisString("  123");
    f.win[1] = SjisString("    *");
    f.win[2] = SjisString("     ");
    for (int t = 1; t <= 36; ++t) f.bracket[t - 1] = right(formatted("%d", 1000 + t), 5);
    f.bracket[1] = SjisString("    *");   // 1-2
    f.bracket[16] = SjisString("    -");  // 3-4
    f.quinella.assign(153, SjisString("   4444"));
    const SjisString line = kolLine(f);
    ASSERT_FALSE(kolUsesHorsePairs(line, false));

    const SjisString yoz = kolYozLine(line, false);
    ASSERT_EQ(yoz.size(), 1459u);
    EXPECT_EQ(yoz.view().substr(0, 19), "20040530"_sjis + "04" + "021211" + "K" + " 8");
    EXPECT_EQ(jvdata::get(yoz, yoz::WinOdds, 1), "  12.3"_sjis);
    EXPECT_EQ(jvdata::get(yoz, yoz::WinOdds, 2), "  50.0"_sjis);
    EXPECT_EQ(jvdata::get(yoz, yoz::WinOdds, 3), "   0.0"_sjis);
    EXPECT_EQ(jvdata::get(yoz, yoz::WinOdds, 18), "      "_sjis);
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(jvdata::get(yoz, yoz::PlaceOdds, i), "      "_sjis);
    // Horse pair k and the bracket pair of the same two numbers t.
    const std::pair<int, SjisView> expected[] = {{1, "   100.0"_sjis},   // 1-2: "*"
                                                 {2, "   100.3"_sjis},   // 1-3: t 3
                                                 {7, "   100.8"_sjis},   // 1-8: t 8
                                                 {8, "        "_sjis},   // 1-9
                                                 {18, "   101.0"_sjis},  // 2-3: t 10
                                                 {34, "        "_sjis},  // 3-4: "-"
                                                 {88, "   103.5"_sjis},  // 7-8: t 35
                                                 {89, "        "_sjis},  // 8-9
                                                 {153, "        "_sjis}};
    for (const auto& [k, odds] : expected) EXPECT_EQ(quinella(yoz, k), odds) << "pair " << k;
}

TEST(KolConversion, MoreThanEightRunnersOrADayFrom2005TakeTheQuinellaBlock) {
    KolFields f;
    f.bracket.assign(36, SjisString(" 1234"));
    f.quinella[0] = SjisString("      *");
    f.quinella[1] = SjisString("      -");
    f.quinella[2] = SjisString("       ");
    f.quinella[152] = SjisString("  12345");
    EXPECT_TRUE(kolUsesHorsePairs(kolLine(f), true));
    f.runners = SjisString("10");
    EXPECT_TRUE(kolUsesHorsePairs(kolLine(f), false));

    const SjisString yoz = kolYozLine(kolLine(f), true);
    EXPECT_EQ(quinella(yoz, 1), "  1000.0"_sjis);
    EXPECT_EQ(quinella(yoz, 2), "        "_sjis);
    EXPECT_EQ(quinella(yoz, 3), "     0.0"_sjis);
    EXPECT_EQ(quinella(yoz, 4), "        "_sjis);
    EXPECT_EQ(quinella(yoz, 153), "  1234.5"_sjis);
}

TEST(KolConversion, OddsAreWrittenAsPrintfWritesTheirTenths) {
    const char* const texts[] = {"",     "0",    "  7",   "-0",      "-5",      "+12",
                                 "-123", "12x3", "99999", "9999999", "-999999", "1000"};
    for (const std::size_t width : {std::size_t{1}, std::size_t{6}, std::size_t{8}, std::size_t{40}})
        for (const char* text : texts) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%*.1f", static_cast<int>(width),
                          static_cast<double>(lenientNumber(sjisBytes(text))) / 10);
            SjisString out("x");
            appendKolOddsField(out, sjisBytes(text), "*", width);
            EXPECT_EQ(out, "x"_sjis + sjisBytes(expected)) << '"' << text << "\" in " << width;
        }
}

// The demo's odds files are written through the same tables the import
// reads: a line of each service has its layout's length and converts to
// the race's ".yoz" line.
TEST(DemoOddsLines, ConvertToTheRacesYozLines) {
    demo::Race race;
    race.date = 20240526;
    race.course = {'0', '5'};
    race.kaiji = 2;
    race.nichiji = 12;
    race.raceNum = 11;
    race.name = utf8ToCp932("東京優駿");
    demo::OddsBook book;
    book.runners = 16;
    book.win[0] = 123;
    book.win[1] = demo::kUndecided;
    book.place[0] = 15;
    book.quinella[0] = 45678;
    book.quinella[1] = demo::kUndecided;

    const SjisString jrdbLine = demo::jrdbOddsLine(race, book);
    ASSERT_EQ(jrdbLine.size(), jrdb::kLength);
    const SjisString fromJrdb = jrdbYozLine(jvdata::withoutLineEnd(jrdbLine), "240526");
    EXPECT_EQ(fromJrdb.view().substr(0, 19), "2024052605020c11J16"_sjis);
    EXPECT_EQ(jvdata::get(fromJrdb, yoz::WinOdds, 1), "  12.3"_sjis);
    EXPECT_EQ(jvdata::get(fromJrdb, yoz::WinOdds, 2), "      "_sjis) << "JRDB has no figure for an undecided runner";
    EXPECT_EQ(jvdata::get(fromJrdb, yoz::PlaceOdds, 1), "   1.5"_sjis);
    EXPECT_EQ(quinella(fromJrdb, 1), "    4568"_sjis);

    const SjisString kolLine = demo::kolOddsLine(race, book);
    ASSERT_EQ(kolLine.size(), kol::kLength);
    EXPECT_EQ(jvdata::get(kolLine, kol::RaceName).substr(0, 8), race.name);
    const SjisString fromKol = kolYozLine(jvdata::withoutLineEnd(kolLine), true);
    EXPECT_EQ(fromKol.view().substr(0, 19), "2024052604021211K16"_sjis);
    EXPECT_EQ(jvdata::get(fromKol, yoz::WinOdds, 1), "  12.3"_sjis);
    EXPECT_EQ(jvdata::get(fromKol, yoz::WinOdds, 2), "  50.0"_sjis);
    EXPECT_EQ(jvdata::get(fromKol, yoz::WinOdds, 3), "      "_sjis);
    EXPECT_EQ(quinella(fromKol, 1), "  4567.8"_sjis);
    EXPECT_EQ(quinella(fromKol, 2), "  1000.0"_sjis);
}
