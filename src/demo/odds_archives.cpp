#include "demo/odds_archives.h"

#include <algorithm>
#include <system_error>
#include <tuple>
#include <vector>

#include "demo/lzh_writer.h"
#include "demo/odds_lines.h"
#include "fileio/whole_file.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace fs = std::filesystem;
namespace {

constexpr std::int64_t kEveningUtc = 9 * 3600;  // 18:00 in Japan

// The day's races at the JRA racecourses, by racecourse and race number.
std::vector<const Race*> racesOn(const World& world, int day) {
    const auto first = std::lower_bound(world.races.begin(), world.races.end(), day,
                                        [](const Race& r, int value) { return r.day < value; });
    std::vector<const Race*> races;
    for (auto it = first; it != world.races.end() && it->day == day; ++it)
        if (it->venue == Venue::jra) races.push_back(&*it);
    std::sort(races.begin(), races.end(), [](const Race* a, const Race* b) {
        return std::tie(a->course, a->raceNum) < std::tie(b->course, b->raceNum);
    });
    return races;
}

std::string save(const fs::path& path, const LzhMember& member, int level, std::int64_t stamp) {
    if (!replaceWholeFile(path, lzhArchive({&member, 1}, level, stamp), Durability::renameOnly))
        return "cannot write the file " + path.string();
    return {};
}

}  // namespace

std::string writeOddsArchives(const World& world, int firstWeekend, const fs::path& folder, Rng& rng, int& written) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "cannot create the folder " + folder.string() + ": " + ec.message();
    const RaceCalendar& cal = world.calendar;
    for (std::size_t d = static_cast<std::size_t>(cal.weekends[static_cast<std::size_t>(firstWeekend)].firstDay);
         d < cal.days.size(); ++d) {
        const RaceDay& day = cal.days[d];
        LzhMember jrdb{}, kol{"kol_ods.kd2", {}, {}};
        for (const Race* race : racesOn(world, day.day)) {
            const OddsBook book = predictOdds(world, *race, rng);
            jrdb.data += jrdbOddsLine(*race, book).bytes();
            kol.data += kolOddsLine(*race, book).bytes();
        }
        const std::string yymmdd = formattedUtf8("%06d", day.date % 1000000);
        jrdb.name = "Oz" + yymmdd + ".txt";
        const std::int64_t stamp = std::int64_t{day.day - 1} * 86400 + kEveningUtc;
        std::string error = save(folder / ("OZ" + yymmdd + ".lzh"), jrdb, 1, stamp);
        if (error.empty()) error = save(folder / ("j" + yymmdd + ".lzh"), kol, 2, stamp);
        if (!error.empty()) return error;
        written += 2;
    }
    return {};
}

}  // namespace vantor::demo
