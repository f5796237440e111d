// The demo's live day filed up to 10:30, shown and printed: the race that
// has both a scratch and a jockey change (found from the live state, not
// named here) is snapshot with its card, odds pane and chart, and printed
// with the scratch, the new jockey and "速報 … 現在" where the page puts
// them; without the live files the printed pages are as before them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>

#include "raceday/day_loader.h"
#include "raceday/live_race_of.h"
#include "support/demo_live.h"
#include "support/demo_weekend.h"
#include "support/pdf_text.h"
#include "support/run_command.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;

namespace {

constexpr const char* kDayName = "2024年05月26日";

// The word at page units (x, y), within 1.5 mm.
bool foundAt(const std::vector<PdfWord>& words, const std::string& text, int x, int y) {
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& w) {
        return w.text == text && std::abs(w.xMm - x / 10.0) <= 1.5 && std::abs(w.yMm - y / 10.0) <= 1.5;
    });
}

bool isPng(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    return std::string(magic + 1, 3) == "PNG";
}

// A race slot of the loaded day with a scratched runner and one with a new jockey.
struct ChangedRace {
    int slot = -1;
    int scratched = 0, changed = 0;  // horse numbers
    std::string jockey;              // the new one, UTF-8
};

ChangedRace findChangedRace(const RaceDay& day) {
    for (int r = 0; r < day.RaceCount; ++r) {
        const LiveRace* live = liveRaceOf(day, r);
        if (!live) continue;
        ChangedRace found;
        found.slot = r;
        for (int j = 0; j < kMaxRunners; ++j) {
            const LiveRunner& runner = live->runners[static_cast<std::size_t>(j)];
            if (runner.scratch == "1" || runner.scratch == "2") found.scratched = j + 1;
            // A named jockey: his code is set (zeros while undecided).
            if (runner.jockeyTime.present() && runner.jockeyAfter.code != "00000") {
                found.changed = j + 1;
                found.jockey = cp932ToUtf8(trimBlanks(runner.jockeyAfter.name.view()));
            }
        }
        if (found.scratched > 0 && found.changed > 0) return found;
    }
    return {};
}

}  // namespace

TEST(LiveDayCard, ARaceWithAScratchAndAJockeyChangeIsShownAndPrintedWithBoth) {
    DemoWeekend store(VANTOR_FEEDGEN, VANTOR_CLI);
    ASSERT_EQ(store.error(), "");
    // Qt's PDF writer orders its fonts by a hash that each process seeds anew, unless told the seed.
    const std::string cli = "QT_HASH_SEED=0 " + store.cli();
    const auto plain = store / "plain.pdf", live = store / "live.pdf", again = store / "again.pdf";
    ASSERT_EQ(runCommand(cli + " print --number --day " + kDayName + " --pdf " + shellWord(plain.string())).status, 0);
    ASSERT_EQ(fileDemoLive(store / "feed", store.appDir(), "20240526", "1030"), "");

    auto day = RaceDay::create();
    ASSERT_EQ(DayLoader(StorePaths(store.appDir())).load(kDayName, *day).status, DayLoadResult::Status::loaded);
    const ChangedRace race = findChangedRace(*day);
    ASSERT_GE(race.slot, 0) << "the demo's live day has a race with a scratch and a jockey change";
    const std::string number = std::to_string(race.slot + 1);  // race slot r is list item r

    const auto shots = store / "shots";
    const CommandOutput shot =
        runCommand(cli + " snapshot --day " + kDayName + " --race " + number + " --out " + shellWord(shots.string()));
    ASSERT_EQ(shot.status, 0) << shot.text;
    for (const char* png : {"01-TabSheet4.png", "07-OddsSheet-WinPlaceSheet.png", "07-OddsSheet-WideSheet.png",
                            "07-OddsSheet-TrifectaSheet.png", "07-OddsSheet-OddsChart.png"})
        EXPECT_TRUE(isPng(shots / png)) << png;

    ASSERT_EQ(runCommand(cli + " print --number --day " + kDayName + " --pdf " + shellWord(live.string())).status, 0);
    const std::vector<PdfWord> words = pdfWords(live, race.slot + 1);
    EXPECT_TRUE(foundAt(words, "速報", 1250, 90));
    const auto inHeader = [](const PdfWord& w) { return std::abs(w.yMm - 9.0) <= 1.5 && w.xMm > 125; };
    EXPECT_TRUE(
        std::any_of(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == "現在" && inHeader(w); }));
    const std::regex hhmm("[0-9]{2}:[0-9]{2}");
    const auto clock = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord& w) { return std::regex_match(w.text, hhmm) && inHeader(w); });
    ASSERT_NE(clock, words.end());
    EXPECT_LE(clock->text, "10:30") << "nothing announced after the time filed";
    const int scratchedRow = 126 * race.scratched, changedRow = 126 * race.changed;
    EXPECT_TRUE(foundAt(words, "取消", 505, scratchedRow + 337) || foundAt(words, "除外", 505, scratchedRow + 337));
    EXPECT_TRUE(foundAt(words, "替", 640, changedRow + 285));
    EXPECT_TRUE(foundAt(words, "旧", 640, changedRow + 330));
    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const PdfWord& w) {
        return w.text == race.jockey && std::abs(w.yMm - (changedRow + 285) / 10.0) <= 1.5;
    })) << race.jockey;

    std::filesystem::remove_all(store.appDir() / "Live");
    ASSERT_EQ(runCommand(cli + " print --number --day " + kDayName + " --pdf " + shellWord(again.string())).status, 0);
    EXPECT_TRUE(pdfBytesWithoutCreationDate(again) == pdfBytesWithoutCreationDate(plain))
        << "without live files: the pages as before";
}
