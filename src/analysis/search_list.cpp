#include "analysis/search_list.h"

#include "codes/racing_texts.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {
namespace {

// The week slots criteria 4 and 5 look at, in the order they are listed.
constexpr std::array<std::size_t, 2> kTwelveWeekSlots{11, 12};
constexpr std::array<std::size_t, 2> kTwentyFourWeekSlots{23, 24};

SearchListRow runnerRow(const TRaceRec& race, std::size_t j, SjisString matched) {
    SearchListRow row;
    row[0] = raceLabel(race.RaceKey);
    row[1] = race.Wakuban[j].str();
    row[2] = formatted("%2d", lenientInt(race.Umaban[j]));
    row[3] = std::move(matched);
    row[4] = race.Bamei[j].str();
    row[5] = race.KisyuName[j].str();
    row[6] = race.ChokName[j].str();
    row[7] = finishListText(race.KekkaChakujun[j]);
    row[8] = popularityListText(race.KekkaNinki[j]);
    row[9] = winOddsListText(race.KekkaOdds[j]);
    return row;
}

// What column 3 shows for each match of runner j; none when it does not match.
std::vector<SjisString> matches(const TRaceRec& race, const TRaceMarkRec& marks, std::size_t j, int criterion) {
    std::vector<SjisString> out;
    switch (criterion) {
        case 0:
        case 1:
        case 2: {
            static const std::array<SjisString, 3> signs{utf8ToCp932("牡1戦目"), utf8ToCp932("牝2戦目"),
                                                         utf8ToCp932("牡3戦目")};
            if (trimBlanks(race.RinsenSign[j]) == signs[static_cast<std::size_t>(criterion)])
                out.push_back(race.RinsenSign[j].str());
            break;
        }
        case 3:
            if (!trimBlanks(marks.Kakugen2[j]).empty()) out.push_back(marks.Kakugen2[j].str());
            break;
        case 4:
            for (std::size_t w : kTwelveWeekSlots) {
                const int position = marks.SyuChakujun[j][w];
                if (!trimBlanks(marks.SyuDate[j][w]).empty() && (position == 1 || position == 2))
                    out.push_back(finishListText(position));
            }
            break;
        case 5:
            for (std::size_t w : kTwentyFourWeekSlots)
                if (!trimBlanks(marks.SyuDate[j][w]).empty()) out.push_back(dottedDate(marks.SyuDate[j][w]));
            break;
        default:
            break;
    }
    return out;
}

}  // namespace

const std::vector<SjisString>& searchCriteria() {
    static const std::vector<SjisString> items = [] {
        std::vector<SjisString> out;
        for (const char* item :
             {"格言1-1該当馬", "格言1-2該当馬", "格言1-3該当馬", "格言２該当馬", "12週前1,2着馬", "24週前後出走馬"})
            out.push_back(utf8ToCp932(item));
        return out;
    }();
    return items;
}

std::vector<SearchListRow> searchListRows(const RaceDay& day, int criterion) {
    std::vector<SearchListRow> rows;
    if (criterion < 0 || criterion >= kSearchCriteria) return rows;
    for (std::size_t r = 0; r < kMaxRaces; ++r) {
        const TRaceRec& race = day.RaceTbl[r];
        if (race.RacePresent == 0) continue;
        const auto runners = static_cast<std::size_t>(runnerSlotsOf(race.TorokuTosu));
        for (std::size_t j = 0; j < runners; ++j)
            for (SjisString& matched : matches(race, day.MarkTbl[r], j, criterion))
                rows.push_back(runnerRow(race, j, std::move(matched)));
    }
    if (rows.empty()) rows.emplace_back();
    return rows;
}

}  // namespace vantor
