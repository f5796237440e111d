#include <iostream>

#include "analysis/clipboard_text.h"
#include "analysis/copy_titles.h"
#include "analysis/grid_headers.h"
#include "commands.h"
#include "race_view.h"
#include "text/encoding.h"

namespace vantor::cli {
namespace {

// A grid of the header row and one row per runner, as the window holds it.
template <class Rows>
GridCells runnerGrid(const std::vector<SjisString>& headers, const Rows& rows, int firstCol) {
    return {static_cast<int>(headers.size()), static_cast<int>(rows.size()) + 1,
            [&headers, &rows, firstCol](int c, int r) -> SjisString {
                if (r == 0) return headers[static_cast<std::size_t>(c)];
                const auto& row = rows[static_cast<std::size_t>(r - 1)];
                const int i = c - firstCol;
                return i >= 0 && i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : SjisString();
            }};
}

void print(const SjisString& text) { std::cout << cp932ToUtf8(text); }

}  // namespace

int grid(const Context& ctx) {
    if (ctx.args.words().size() != 2) {
        std::cerr << "grid needs one GRID: check, sign, card, results or header\n";
        return 2;
    }
    const std::string which = ctx.args.words()[1];
    if (which != "check" && which != "sign" && which != "card" && which != "results" && which != "header") {
        std::cerr << "unknown grid \"" << which << "\"\n";
        return 2;
    }
    const auto view = openRace(ctx);
    if (!view) return 2;
    const RaceCardTexts& card = view->card;
    const SjisString dayTitle = utf8ToCp932(view->dayName);

    if (which == "check") {
        const SjisString title =
            cardCheckCopyTitle(card.header.dateLine, view->day->RaceTbl[static_cast<std::size_t>(view->race)].RaceKey);
        print(clipboardText(runnerGrid(cardCheckHeaders(), card.checkRows, 0), title));
    } else if (which == "sign") {
        print(clipboardText(runnerGrid(signCheckHeaders(), card.signRows, 0), dayTitle));
    } else if (which == "card") {
        print(clipboardText(runnerGrid(raceCardHeaders(), card.cardKeys, 1), dayTitle));
    } else if (which == "results") {
        for (const auto& entry : card.payouts)
            std::cout << cp932ToUtf8(entry[0]) << '\t' << cp932ToUtf8(entry[1]) << '\t' << cp932ToUtf8(entry[2]) << '\n';
    } else {
        const RaceHeaderTexts& h = card.header;
        for (const SjisString* t : {&h.grade, &h.course, &h.raceNumber, &h.dateLine, &h.raceName, &h.weightType,
                                    &h.raceClass, &h.track, &h.distance, &h.startTime, &h.headCount})
            std::cout << cp932ToUtf8(*t) << '\n';
    }
    return 0;
}

}  // namespace vantor::cli
