#include "print/print_document.h"

#include <algorithm>

#include "print/trainer_page.h"

namespace vantor::print {

PrintDocument raceCardDocument(const RaceDay& day, int races, RunnerOrder order, const draw::TextMeasure& measure,
                               const PrintedMarks* marks) {
    PrintDocument doc;
    doc.caption = order == RunnerOrder::number ? "Vantor出馬表（馬番順）　印刷" : "Vantor出馬表（グループ順）　印刷";
    const int count = std::clamp(races, 0, kMaxRaces);
    doc.pages.reserve(static_cast<std::size_t>(count));
    for (int race = 0; race < count; ++race) {
        const auto slot = static_cast<std::size_t>(race);
        doc.pages.push_back(
            racePage(day, race, order, measure, marks && slot < marks->size() ? &(*marks)[slot] : nullptr));
    }
    return doc;
}

PrintDocument trainerListDocument(const RaceDay& day, const std::vector<SjisString>& trainerItems,
                                  const draw::TextMeasure& measure) {
    PrintDocument doc;
    doc.caption = "調教師ﾘｽﾄ　印刷";
    doc.pages.reserve(trainerItems.size());
    for (const SjisString& item : trainerItems) doc.pages.push_back(trainerPage(day, item, measure));
    return doc;
}

}  // namespace vantor::print
