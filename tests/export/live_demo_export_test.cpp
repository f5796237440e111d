// The demo's live day in the export: every race of the day fetched through
// the feed replacement at the day's end as a race day's schedule fetches
// it, exported, and the README's question on it (a favourite's win odds
// before its race) answered as the README shows.

#include <gtest/gtest.h>

#include <set>

#include "export_store.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/live_fetch.h"
#include "store/live_files.h"
#include "support/demo_live_feed.h"

namespace vantor::test {
namespace {

// The n-th fenced block (0-based) after the paragraph of README.md that
// starts with `heading`, without the fences.
std::string readmeBlock(const std::string& heading, int n) {
    const std::string readme = readFile(VANTOR_README);
    std::size_t at = readme.find("\n" + heading);
    if (at == std::string::npos) return {};
    for (int i = 0; i <= n; ++i) {
        at = readme.find("```", at);
        at = readme.find('\n', at) + 1;
        if (i < n) at = readme.find("```", at) + 3;
    }
    return readme.substr(at, readme.find("```", at) - at);
}

// Lines without the blanks the column mode pads them with at the end.
std::string trimmedLines(const std::string& text) {
    std::string out;
    for (std::string line : lines(text)) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

constexpr const char* kQuestion = "A favourite's win odds before its race";

TEST(LiveDemoExport, TheReadmesFavouriteOddsQueryAnswersAsShown) {
    TempDir feed, app;
    ASSERT_TRUE(makeDemoLiveFeed(feed.path()).ok());

    FeedJVLink link{FeedSettings{feed.path(), 0, "0490"}};
    link.JVInit("Vantor");
    link.setJapanClock([] { return std::string("20240526170000"); });
    const StorePaths paths(app.path());
    std::set<SjisString> raceKeys;
    for (const auto& e : std::filesystem::directory_iterator(feed.path() / "realtime/20240526")) {
        const std::string name = e.path().filename().string();
        // The race key in the file's name is ASCII digits, the same bytes in Shift-JIS.
        if (name.substr(14, 6) == "_0B30_") raceKeys.insert(SjisString::fromBytes(name.substr(20, 16)));
    }
    ASSERT_FALSE(raceKeys.empty());
    LiveFiler filer(paths, "20240526");
    fetchLive(link, filer, LiveDataspec::dayChanges, "20240526", [] {});
    fetchLive(link, filer, LiveDataspec::weights, "20240526", [] {});
    for (const SjisString& key : raceKeys) {
        fetchLive(link, filer, LiveDataspec::odds, key, [] {});
        fetchLive(link, filer, LiveDataspec::winOddsSeries, key, [] {});
    }
    filer.write();

    const auto db = app / "vantor.sqlite";
    auto opened = sqlexport::SqliteSink::open(db, false);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<sqlexport::SqliteSink>>(opened));
    const auto report = sqlexport::exportStore(paths, *std::get<0>(opened), {});
    EXPECT_EQ(report.liveSkips.entries().size(), 0u);
    for (const char* table : {"live_weights", "live_scratches", "live_jockey_changes", "live_post_time_changes",
                              "live_course_changes", "live_weather", "live_win_odds", "live_place_odds",
                              "live_bracket_odds", "live_quinella_odds", "live_win_odds_series"})
        EXPECT_GT(count(db, table), 0) << table;
    // Every race's last interim odds are its snapshot's.
    EXPECT_EQ(queryRow(db,
                       "SELECT count(*) FROM live_win_odds w JOIN live_win_odds_series s USING (race_date, jyocd, "
                       "racenum, umaban, happyotime) WHERE s.odds IS NOT w.odds"),
              (Row{0LL}));

    const std::string sql = readmeBlock(kQuestion, 0);
    ASSERT_FALSE(sql.empty());
    const auto run = runCommand("sqlite3 -header -column " + shellWord(db.string()) + " " + shellWord(sql));
    ASSERT_EQ(run.status, 0) << run.text;
    EXPECT_EQ(trimmedLines(run.text), trimmedLines(readmeBlock(kQuestion, 1))) << run.text;
}

}  // namespace
}  // namespace vantor::test
