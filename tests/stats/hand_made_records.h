#pragma once
// A store of hand-made races for the record tests: one jockey's dead-heat
// win, scratched, excluded and pulled-up rides, a card entry without
// results, rides just inside and just outside the default twelve months,
// a dirt race, and two jockeys who share a name; built into the analysis
// database.

#include "export/analysis_db.h"
#include "export/export_store.h"
#include "stats/stats_db.h"
#include "text/formatted.h"

namespace vantor::test {

// The jockey whose rides the tests count, and a second one of the same name.
inline constexpr const char* kJockey = "01001";
inline constexpr const char* kNamesake = "01002";
inline constexpr const char* kDeadHeatRival = "01003";

struct HandRide {
    RaceId race;
    int umaban;
    const char* jockey;
    int finish;
    int status = 0;  // abnormality code
    const char* track = "11";
    int going = 1;  // of the race's surface
    int popularity = 1;
    bool deadHeat = false;
    const char* horse = "2020100001";
    int date() const { return race.date; }
};

// The rides: newest day 2024-05-26 at Tokyo ("05").
inline const std::vector<HandRide>& handRides() {
    static const std::vector<HandRide> rides{
        // Race 1: a dead heat for first between kJockey's horse 1 and the rival's horse 2.
        {{.date = 20240526, .course = "05", .race = 1}, 1, kJockey, 1, 0, "11", 1, 2, true},
        {{.date = 20240526, .course = "05", .race = 1}, 2, kDeadHeatRival, 1, 0, "11", 1, 1, true, "2020100002"},
        {{.date = 20240526, .course = "05", .race = 2}, 3, kJockey, 0, 1},              // scratched
        {{.date = 20240526, .course = "05", .race = 3}, 4, kJockey, 0, 3},              // excluded at the start
        {{.date = 20240526, .course = "05", .race = 4}, 5, kJockey, 0, 4, "11", 1, 7},  // pulled up: a start
        // A dirt race on heavy going, 3rd.
        {{.date = 20240525, .course = "05", .race = 5}, 6, kJockey, 3, 0, "23", 3, 4},
        // The first day of the twelve months, and the day before it.
        {{.date = 20230527, .course = "06", .race = 1}, 1, kJockey, 2, 0, "11", 2, 3},
        {{.date = 20230526, .course = "06", .race = 1}, 1, kJockey, 1, 0, "11", 2, 1},
        {{.date = 20240525, .course = "05", .race = 6}, 2, kNamesake, 1, 0, "11", 1, 1, false, "2020100003"},
    };
    return rides;
}

// Horse numbers paid in race 1: both dead-heat horses win, each its own payout.
inline constexpr long long kDeadHeatWinPay = 270, kRivalWinPay = 190, kDeadHeatPlacePay = 130;

inline SjisString handRace(const HandRide& ride, const char* dataKind = "7") {
    using namespace jvdata;
    const bool dirt = std::string(ride.track) >= "23";
    return raBuilder(ride.race, 12, dataKind)
        .text(ra::TrackCD, sjisBytes(ride.track))
        .number(ra::Kyori, dirt ? 1400 : 1600)
        .text(ra::SibaBabaCD, dirt ? SjisString("1") : formatted("%d", ride.going))
        .text(ra::DirtBabaCD, dirt ? formatted("%d", ride.going) : SjisString("1"))
        .text(ra::JyokenCD, "703", 5)
        .number(ra::SyussoTosu, 12)
        .take();
}

inline SjisString handRunner(const HandRide& ride, const char* name, const char* dataKind = "7") {
    using namespace jvdata;
    return seBuilder(ride.race, ride.umaban, ride.horse, dataKind)
        .text(se::Bamei, utf8ToCp932("ハンドホース"))
        .text(se::KisyuCode, sjisBytes(ride.jockey))
        .text(se::KisyuRyakusyo, utf8ToCp932(name))
        .text(se::ChokyosiCode, "05001")
        .text(se::ChokyosiRyakusyo, utf8ToCp932("手作師"))
        .number(se::IJyoCD, ride.status)
        .number(se::KakuteiJyuni, ride.finish)
        .number(se::DochakuKubun, ride.deadHeat ? 1 : 0)
        .number(se::Ninki, ride.popularity)
        .number(se::Odds, 35)
        .number(se::BaTaijyu, 470)
        .text(se::ZogenFugo, "-")
        .number(se::ZogenSa, 6)
        .number(se::Time, ride.finish > 0 ? 1345 : 0)
        .take();
}

// What each race paid: race 1 the dead heat; else a win for a winner and a
// place for any of the first three, 100 yen more the lower the finish.
inline SjisString handPayout(const RaceId& race, const std::vector<const HandRide*>& rides) {
    using namespace jvdata;
    auto b = hrBuilder(race);
    int wins = 0, places = 0;
    for (const HandRide* ride : rides) {
        const bool deadHeatRival = std::string(ride->jockey) == kDeadHeatRival;
        if (ride->finish == 1) {
            ++wins;
            b.number(hr::TanUmaban, ride->umaban, wins)
                .number(hr::TanPay, ride->deadHeat ? (deadHeatRival ? kRivalWinPay : kDeadHeatWinPay) : 150, wins);
        }
        if (ride->finish >= 1 && ride->finish <= 3) {
            ++places;
            b.number(hr::FukuUmaban, ride->umaban, places)
                .number(hr::FukuPay, ride->deadHeat ? kDeadHeatPlacePay : 100 + 100 * ride->finish, places);
        }
    }
    return b.take();
}

// Writes the rides' days into store, a card entry of kJockey for a race
// to come (data kind 2, no results), and the horses' masters.
inline void fillHandRides(ExportStore& store) {
    std::map<int, std::map<std::string, std::vector<const HandRide*>>> days;  // date, course, rides
    for (const auto& ride : handRides()) days[ride.date()][ride.race.course].push_back(&ride);
    for (const auto& [date, courses] : days) {
        SjisString races, payouts;
        for (const auto& [course, rides] : courses) {
            std::vector<SjisString> runners;
            std::map<int, std::vector<const HandRide*>> byRace;
            for (const HandRide* ride : rides) byRace[ride->race.race].push_back(ride);
            for (const auto& [number, inRace] : byRace) {
                races += handRace(*inRace.front());
                payouts += handPayout(inRace.front()->race, inRace);
                for (const HandRide* ride : inRace)
                    runners.push_back(
                        handRunner(*ride, std::string(ride->jockey) == kDeadHeatRival ? "別騎手" : "手作騎手"));
            }
            store.dayRunners(date, course == "05" ? "東京" : "中山", runners);
        }
        store.dayRaces(date, races);
        store.dayPayouts(date, payouts);
    }
    // A card of the next weekend: an entry, no results.
    const HandRide card{{.date = 20240601, .course = "05", .race = 1}, 1, kJockey, 0};
    store.dayRaces(card.date(), handRace(card, "2"));
    store.dayRunners(card.date(), "東京", {handRunner(card, "手作騎手", "2")});
    store.horse("2020100001", umRecord("2020100001", "テストサイアー"));
}

inline stats::StatsDb exportedStatsDb(ExportStore& store) {
    const auto update = sqlexport::updateAnalysisDb(store.paths(), {});
    if (update.status == sqlexport::AnalysisDbUpdate::Status::failed) ADD_FAILURE() << update.problem;
    auto opened = stats::StatsDb::open(sqlexport::analysisDbPath(store.appDir()));
    if (auto* error = std::get_if<std::string>(&opened)) ADD_FAILURE() << *error;
    return std::move(std::get<stats::StatsDb>(opened));
}

}  // namespace vantor::test
