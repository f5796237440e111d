#include "synthetic_day.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <map>
#include <vector>

#include "record_layouts/jvdata_record.h"
#include "record_layouts/odds_line_layouts.h"
#include "store/store_paths.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor::bench {
namespace {

namespace fs = std::filesystem;
using namespace jvdata;

constexpr int kDate = 20240526;  // a Sunday
constexpr std::array<SjisView, 3> kCourses = {"05", "08", "03"};
constexpr int kRacesPerCourse = 12;
constexpr int kRunners = 18;
constexpr int kHistoryRuns = 30;

class Lcg {
public:
    int below(int n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state_ = 20240526;
};

int yyyymmdd(std::chrono::sys_days day) {
    const std::chrono::year_month_day ymd{day};
    return static_cast<int>(ymd.year()) * 10000 + static_cast<int>(static_cast<unsigned>(ymd.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(ymd.day()));
}

std::chrono::sys_days raceDay() {
    using namespace std::chrono;
    return sys_days{year_month_day{year(kDate / 10000), month(kDate / 100 % 100), day(kDate % 100)}};
}

// Records are Shift-JIS and go into the files as they are.
void write(const fs::path& path, SjisView bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

RecordBuilder& key(RecordBuilder& b, int date, SjisView course, int race, SjisView kind) {
    return b.text(ra::DataKubun, kind)
        .number(ra::Year, date / 10000)
        .number(ra::MonthDay, date % 10000)
        .text(ra::JyoCD, course)
        .number(ra::Kaiji, 2)
        .number(ra::Nichiji, 6)
        .number(ra::RaceNum, race);
}

SjisString raceRecord(int date, SjisView course, int race, SjisView kind, Lcg& rng) {
    static const SjisString kName = utf8ToCp932("シンセティックステークス");
    static const SjisString kShort = utf8ToCp932("シンセ");
    RecordBuilder b(kRaLayout);
    key(b, date, course, race, kind)
        .text(ra::Hondai, kName)
        .text(ra::Ryakusyo3, kShort)
        .text(ra::GradeCD, "E")
        .text(ra::JyokenCD, "703", 5)
        .number(ra::Kyori, 1000 + 200 * rng.below(10))
        .number(ra::TrackCD, rng.below(2) ? 11 : 24)
        .number(ra::HassoTime, 1000 + 30 * race)
        .number(ra::TorokuTosu, kRunners)
        .number(ra::TenkoCD, 1 + rng.below(3))
        .number(ra::SibaBabaCD, 1 + rng.below(4))
        .number(ra::DirtBabaCD, 1 + rng.below(4));
    for (int n = 1; n <= 5; ++n) b.number(ra::Honsyokin, 150000 / n, n);
    return b.take();
}

SjisString runnerRecord(int date, SjisView course, int race, int horse, SjisView id, SjisView kind, Lcg& rng) {
    static const SjisString kHorse = utf8ToCp932("シンセティックホース");
    static const std::array<SjisString, 6> kTrainers = {utf8ToCp932("藤沢和"), utf8ToCp932("国枝栄"),
                                                        utf8ToCp932("堀宣行"), utf8ToCp932("友道康"),
                                                        utf8ToCp932("矢作芳"), utf8ToCp932("中内田")};
    RecordBuilder b(kSeLayout);
    key(b, date, course, race, kind)
        .number(se::Wakuban, (horse + 1) / 2 > 8 ? 8 : (horse + 1) / 2)
        .number(se::Umaban, horse)
        .text(se::KettoNum, id)
        .text(se::Bamei, kHorse)
        .number(se::SexCD, 1 + rng.below(3))
        .number(se::Barei, 3 + rng.below(4))
        .text(se::ChokyosiRyakusyo, kTrainers[static_cast<std::size_t>(rng.below(6))])
        .text(se::BanusiName, kHorse)
        .number(se::Futan, 540 + 10 * rng.below(5))
        .number(se::BaTaijyu, 440 + rng.below(80))
        .number(se::KakuteiJyuni, 1 + rng.below(kRunners))
        .number(se::Time, 1330 + rng.below(200))
        .number(se::Odds, 15 + rng.below(2000))
        .number(se::Ninki, 1 + rng.below(kRunners))
        .number(se::Honsyokin, rng.below(3) == 0 ? 1500 : 0)
        .text(se::AiteBamei, kHorse, 1)
        .text(se::TimeDiff, "+003");
    for (int c = 1; c <= 4; ++c) b.number(se::Jyuni, 1 + rng.below(kRunners), c);
    return b.take();
}

SjisString horseMaster(SjisView id) {
    static const SjisString kSire = utf8ToCp932("シンセティックサイアー");
    RecordBuilder b(kUmLayout);
    b.text(um::DataKubun, "1").text(um::KettoNum, id).number(um::BirthDate, 20200401);
    for (int n = 1; n <= 3; ++n) b.text(um::HansyokuName, kSire, n);
    for (int n = 1; n <= 42; ++n) b.number(um::ChakuKaisuBa, n % 4, n);
    return b.take();
}

SjisString yozRecord(SjisView course, int race, Lcg& rng) {
    RecordBuilder b(kYozLayout);
    b.number(yoz::Date, kDate).text(yoz::CourseCode, course).number(yoz::RaceNum, race).text(yoz::Source, "J");
    for (int j = 0; j < kRunners; ++j) {
        // The tenth is drawn before the whole part, as the day has always been made.
        const int tenth = rng.below(10);
        const int whole = 1 + rng.below(99);
        b.text(yoz::WinOdds, padLeft(formatted("%d.%d", whole, tenth), yoz::WinOdds.len), j + 1);
    }
    return b.take();
}

}  // namespace

std::string writeSyntheticDay(const fs::path& appDir) {
    Lcg rng;
    const StorePaths paths(appDir);
    const SjisString today = formatted("%d", kDate);
    const std::string dayName = dayNameUtf8(today.view().substr(0, 4), today.view().substr(4, 4));
    std::map<int, std::vector<SjisString>> pastDays;  // date -> RA records (JRA)
    std::map<fs::path, SjisString> outside;           // SEIR file -> RA records
    SjisString races, payouts, odds;
    int horseNumber = 0;
    for (const SjisView course : kCourses) {
        SjisString runners;
        for (int race = 1; race <= kRacesPerCourse; ++race) {
            races += raceRecord(kDate, course, race, "7", rng);
            RecordBuilder hr(kHrLayout);
            key(hr, kDate, course, race, "7").number(hr::TanUmaban, 1).number(hr::TanPay, 450);
            payouts += hr.take();
            odds += yozRecord(course, race, rng);
            for (int h = 1; h <= kRunners; ++h) {
                const SjisString id = formatted("2020%d", 100000 + ++horseNumber);
                const SjisString self = runnerRecord(kDate, course, race, h, id, "7", rng);
                runners += self;
                write(paths.horseMasterFile(id), horseMaster(id));
                // Earlier runs two or three weeks apart on weekends; one in
                // eight at a local or overseas racecourse.
                std::vector<SjisString> history;
                int weeksBack = 0;
                for (int k = 1; k <= kHistoryRuns; ++k) {
                    weeksBack += 2 + rng.below(2);
                    const int date = yyyymmdd(raceDay() - std::chrono::days(7 * weeksBack + rng.below(2)));
                    const int pastRace = 1 + rng.below(kRacesPerCourse);
                    if (rng.below(8) == 0) {
                        const SjisView code = rng.below(2) ? "44"_sjis : "A4"_sjis;
                        history.push_back(runnerRecord(date, code, pastRace, 1 + rng.below(kRunners), id, "A", rng));
                        const SjisString ymd = formatted("%d", date);
                        outside[paths.outsideRaceFile(ymd.view().substr(0, 4), ymd + code)] +=
                            raceRecord(date, code, pastRace, "A", rng);
                    } else {
                        const SjisView pastCourse = kCourses[static_cast<std::size_t>(rng.below(3))];
                        history.push_back(
                            runnerRecord(date, pastCourse, pastRace, 1 + rng.below(kRunners), id, "7", rng));
                        pastDays[date];  // every race of the day is written below
                    }
                }
                SjisString seiBytes;
                for (auto it = history.rbegin(); it != history.rend(); ++it) seiBytes += *it;
                seiBytes += self;  // the race day's own run, which the load skips
                write(paths.horseRunFile(id), seiBytes);
            }
        }
        write(paths.runnerFile(dayName, *courseFileNameUtf8(course)), runners);
    }
    write(paths.dayFile(dayName, ".jvRA"), races);
    write(paths.dayFile(dayName, ".jvHR"), payouts);
    write(paths.dayFile(dayName, ".yoz"), odds);
    for (const auto& [date, unused] : pastDays) {
        SjisString day;
        for (const SjisView course : kCourses)
            for (int race = 1; race <= kRacesPerCourse; ++race) day += raceRecord(date, course, race, "7", rng);
        const SjisString ymd = formatted("%d", date);
        write(paths.dayFile(dayNameUtf8(ymd.view().substr(0, 4), ymd.view().substr(4, 4)), ".jvRA"), day);
    }
    for (const auto& [path, bytes] : outside) write(path, bytes);
    return dayName;
}

}  // namespace vantor::bench
