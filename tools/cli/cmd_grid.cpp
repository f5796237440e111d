#include <algorithm>
#include <iostream>
#include <optional>

#include "analysis/card_row_order.h"
#include "analysis/copy_titles.h"
#include "analysis/search_list.h"
#include "analysis/view_grids.h"
#include "commands.h"
#include "race_view.h"
#include "text/encoding.h"

namespace vantor::cli {
namespace {

void print(const SjisString& text) { std::cout << cp932ToUtf8(text); }

// A GRID word: its name and what follows a ":" ("rinsen:3", "search:ア").
struct GridChoice {
    std::string name;
    std::optional<std::string> arg;
};

GridChoice gridChoice(const std::string& word) {
    const auto colon = word.find(':');
    if (colon == std::string::npos) return {word, std::nullopt};
    return {word.substr(0, colon), word.substr(colon + 1)};
}

bool known(const GridChoice& g) {
    if (g.name == "rinsen") return g.arg.has_value();
    if (g.name == "search") return true;
    return !g.arg &&
           (g.name == "check" || g.name == "sign" || g.name == "card" || g.name == "results" || g.name == "header");
}

// The criterion of "rinsen:C", 0 to 5; -1 for anything else.
int criterionOf(const std::string& arg) {
    if (arg.size() != 1 || arg[0] < '0' || arg[0] >= '0' + kSearchCriteria) return -1;
    return arg[0] - '0';
}

}  // namespace

int grid(const Context& ctx) {
    if (ctx.args.words().size() != 2) {
        std::cerr << "grid needs one GRID: check, sign, card, results, header, rinsen:C or search[:KEY]\n";
        return 2;
    }
    const GridChoice choice = gridChoice(ctx.args.words()[1]);
    const std::string& which = choice.name;
    if (!known(choice)) {
        std::cerr << "unknown grid \"" << ctx.args.words()[1] << "\"\n";
        return 2;
    }
    const int criterion = which == "rinsen" ? criterionOf(*choice.arg) : -1;
    if (which == "rinsen" && criterion < 0) {
        std::cerr << "rinsen:C needs a criterion C from 0 to " << kSearchCriteria - 1 << ", not \"" << *choice.arg
                  << "\"\n";
        return 2;
    }
    const auto view = openRace(ctx);
    if (!view) return 2;
    const RaceCardTexts& card = view->card;
    const SjisString dayTitle = utf8ToCp932(view->dayName);

    if (which == "check") {
        const SjisString title =
            cardCheckCopyTitle(card.header.dateLine, view->day->RaceTbl[static_cast<std::size_t>(view->race)].RaceKey);
        print(clipboardText(cardCheckGrid(card), title));
    } else if (which == "sign") {
        print(clipboardText(signCheckGrid(card), dayTitle));
    } else if (which == "rinsen") {
        const SjisString title =
            searchListCopyTitle(card.header.dateLine, searchCriteria()[static_cast<std::size_t>(criterion)]);
        print(clipboardText(searchListGrid(*view->day, criterion), title));
    } else if (which == "search") {
        // Without a KEY, the first initial of the day, as the window shows after a load.
        const std::vector<SjisString>& initials = view->load.horseInitials;
        const SjisString key = choice.arg         ? utf8ToCp932(*choice.arg)
                               : initials.empty() ? SjisString()
                                                  : initials.front();
        if (choice.arg && std::find(initials.begin(), initials.end(), key) == initials.end()) {
            std::cerr << "no horse name of the day begins with \"" << *choice.arg << "\"\n";
            return 2;
        }
        print(clipboardText(horseSearchGrid(horseSearch(*view->day, key)), dayTitle));
    } else if (which == "card") {
        // The card as choosing the race shows it, in runner-slot order.
        print(clipboardText(raceCardGrid(*view->day, card::raceCardRows(view->race, card.runners)), dayTitle));
    } else if (which == "results") {
        for (const auto& entry : card.payouts)
            std::cout << cp932ToUtf8(entry[0]) << '\t' << cp932ToUtf8(entry[1]) << '\t' << cp932ToUtf8(entry[2])
                      << '\n';
    } else {
        const RaceHeaderTexts& h = card.header;
        for (const SjisString* t : {&h.grade, &h.course, &h.raceNumber, &h.dateLine, &h.raceName, &h.weightType,
                                    &h.raceClass, &h.track, &h.distance, &h.startTime, &h.headCount})
            std::cout << cp932ToUtf8(*t) << '\n';
    }
    return 0;
}

}  // namespace vantor::cli
