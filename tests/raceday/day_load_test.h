#pragma once
// A store made by the acquisition filing and a day loaded from it through
// a reader that counts, for the day-loading tests.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "raceday/day_loader.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/encoding.h"

namespace vantor::test {

inline constexpr int kRaceDate = 20240526;
inline const std::string kDay = "2024年05月26日";
inline const RaceId kRace11{};
inline const RaceId kRace1{.race = 1};

inline SjisString withName(jvdata::RecordBuilder b, const std::string& nameUtf8) {
    return b.text(jvdata::ra::Hondai, utf8ToCp932(nameUtf8)).take();
}

inline std::string text(SjisView sjis) { return cp932ToUtf8(trimRightBlanks(sjis)); }

// Tests file records as an acquisition would, then load days from the store.
class DayLoadTest : public ::testing::Test {
protected:
    DayLoadTest() {
        hooks.progressOpen = [this](int maximum, const SjisString& caption, const SjisString& title) {
            opened.push_back({maximum, cp932ToUtf8(caption), cp932ToUtf8(title)});
        };
        hooks.progressStep = [this] { ++steps; };
        hooks.progressClose = [this] { ++closed; };
        hooks.pump = [this] { ++pumps; };
    }

    void file(const std::vector<SjisString>& records) {
        StoreBatch batch;
        RecordFiler filer(paths, batch);
        std::vector<SjisString> lines;
        for (const auto& r : records) filer.fileAcquired(r, 0, lines);
        batch.flush();
        ASSERT_EQ(filer.rejected(), 0);
    }
    // A runner of a past race, with that race's record, both filed.
    void pastRun(const RaceId& run, const char* horseId, int horse, const char* dataKind = "7",
                 const std::string& raceName = "過去") {
        file({withName(raBuilder(run, 16, dataKind), raceName), seRecord(run, horse, horseId, dataKind)});
    }

    DayLoadResult load(const std::string& dayName = kDay) {
        DayLoader loader(paths, [this](const std::filesystem::path& p, const ReadBound& bound) {
            ++reads[p];
            largestRead = std::max(largestRead, bound.maxBytes);
            return readFilePart(p, bound);
        });
        return loader.load(dayName, *day, hooks);
    }
    // Loads through the one loader of the test, kept from load to load as the window's is.
    DayLoadResult loadAgain(const std::string& dayName = kDay) { return keptLoader.load(dayName, *day, hooks); }
    SjisView earlierRace(int r, int j, int e) { return day->JvSeiRaTbl(r, j, e).view(); }

    struct Opened {
        int maximum;
        std::string caption, title;
    };
    ProgramFolder dir;
    StorePaths paths = dir.paths();
    std::unique_ptr<RaceDay> day = RaceDay::create();
    DayLoadHooks hooks;
    DayLoader keptLoader{paths};
    std::vector<Opened> opened;
    int steps = 0, closed = 0, pumps = 0;
    std::map<std::filesystem::path, int> reads;
    std::size_t largestRead = 0;
};

}  // namespace vantor::test
