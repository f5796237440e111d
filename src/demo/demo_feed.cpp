#include "demo/demo_feed.h"

#include <exception>
#include <system_error>
#include <vector>

#include "codes/calendar.h"
#include "demo/feed_writer.h"
#include "demo/live_day_feed.h"
#include "demo/odds_archives.h"
#include "demo/race_calendar.h"
#include "demo/rng.h"
#include "demo/season.h"

namespace vantor::demo {
namespace fs = std::filesystem;
namespace {

constexpr int kMaxYears = 10;
constexpr std::uint64_t kLiveSeed = 0x4C495645;  // "LIVE"

bool isFeedFile(const fs::directory_entry& e) { return e.is_regular_file() && e.path().extension() == ".jvd"; }

bool isFolder(const fs::path& p) {
    std::error_code ignored;  // a missing folder simply holds nothing
    return fs::is_directory(p, ignored);
}

// The .jvd files of a feed already in the folder.
std::vector<fs::path> feedFiles(const fs::path& out, std::error_code& ec) {
    std::vector<fs::path> files;
    for (const char* sub : {"setup", "normal"}) {
        if (!isFolder(out / sub)) continue;
        for (fs::directory_iterator it(out / sub, ec), end; !ec && it != end; it.increment(ec))
            if (isFeedFile(*it)) files.push_back(it->path());
    }
    if (isFolder(out / "realtime"))
        for (fs::recursive_directory_iterator it(out / "realtime", ec), end; !ec && it != end; it.increment(ec))
            if (isFeedFile(*it)) files.push_back(it->path());
    return files;
}

std::string clearOldFeed(const fs::path& out, bool replace) {
    std::error_code ec;
    const std::vector<fs::path> old = feedFiles(out, ec);
    if (ec) return "cannot read the folder " + out.string() + ": " + ec.message();
    if (old.empty()) return {};
    if (!replace) return "the folder " + out.string() + " already holds a feed; choose an empty folder or replace it";
    for (const fs::path& p : old)
        if (!fs::remove(p, ec) || ec) return "cannot remove " + p.string() + ": " + ec.message();
    return {};
}

DemoResult generate(const DemoOptions& options) {
    DemoResult result;
    if (options.out.empty()) return {"no feed folder given", {}};
    if (options.years < 1 || options.years > kMaxYears) return {"years must be from 1 to 10", {}};
    if (options.toDate != 0 && !isValidYmd(options.toDate)) return {"the end date is not a valid yyyymmdd date", {}};

    const int toDay = options.toDate != 0 ? dayFromYmd(options.toDate) : dayFromYmd(todayYmd()) - 1;
    const Ymd end = civil(toDay);
    const int fromDay = dayNumber(end.y - options.years, end.m, end.m == 2 && end.d == 29 ? 28 : end.d) + 1;

    Rng rng(options.seed);
    World world;
    world.calendar = buildRaceCalendar(fromDay, toDay, rng);
    if (world.calendar.weekends.size() < 2) return {"the span holds fewer than two race weekends", {}};
    const FeedLayout layout = feedLayout(world.calendar);

    // The folders first, so that an unusable place fails before the work.
    for (const char* sub : {"setup", "normal", "realtime"}) {
        std::error_code ec;
        fs::create_directories(options.out / sub, ec);
        if (ec) return {"cannot create the folder " + (options.out / sub).string() + ": " + ec.message(), {}};
    }
    if (std::string error = clearOldFeed(options.out, options.replace); !error.empty()) return {error, {}};

    const int raceDays = static_cast<int>(world.calendar.days.size());
    int total = raceDays;
    int done = 0;
    const auto report = [&] {
        ++done;
        if (options.progress) options.progress(done, total);
    };
    simulateSeasons(world, {layout.outsideUntil, 2600, rng.next()}, [&](int, int) { report(); });

    FeedWriter writer(world, layout);
    total += writer.fileCount() + 1;
    FeedCounts counts;
    if (std::string error = writer.write(options.out, counts, report); !error.empty()) return {error, {}};
    // The newest race day also as the real-time service announces it, from
    // a stream of its own so that the stored data stay as they are.
    LiveDayCounts live;
    if (std::string error =
            writeLiveDay(world, raceDays - 1, options.out / "realtime", Rng(options.seed ^ kLiveSeed), live);
        !error.empty())
        return {error, {}};
    report();
    if (!options.oddsOut.empty()) {
        Rng oddsRng = rng.split();
        if (std::string error =
                writeOddsArchives(world, layout.windowStart, options.oddsOut, oddsRng, result.summary.oddsArchives);
            !error.empty())
            return {error, {}};
    }

    DemoSummary& s = result.summary;
    s.files = counts.files;
    s.raRecords = counts.ra;
    s.seRecords = counts.se;
    s.hrRecords = counts.hr;
    s.umRecords = counts.um;
    s.o1Records = counts.o1;
    s.o2Records = counts.o2;
    s.h1Records = counts.h1;
    s.bytes = counts.bytes;
    s.liveFiles = live.files;
    s.liveBytes = live.bytes;
    s.firstDate = world.calendar.days.front().date;
    s.lastDate = world.calendar.days.back().date;
    s.raceDays = raceDays;
    for (const Race& race : world.races) (race.venue == Venue::jra ? s.races : s.outsideRaces) += 1;
    for (const Horse& h : world.horses) s.horses += h.starts > 0;
    return result;
}

}  // namespace

DemoResult generateDemoFeed(const DemoOptions& options) {
    try {
        return generate(options);
    } catch (const std::exception& e) {
        return {std::string("the demo feed could not be made: ") + e.what(), {}};
    }
}

}  // namespace vantor::demo
