#pragma once
// A document of printed pages: the newspaper-style race cards of a day, one
// page per race of the race list, or the trainer list, one page per
// trainer of the drop-down list.

#include <string>
#include <vector>

#include "painting/page.h"
#include "print/race_page.h"

namespace vantor::print {

struct PrintDocument {
    std::string caption;  // the preview window's caption, UTF-8
    std::vector<draw::Page> pages;
};

// Pages for race slots 0 .. races - 1 (the race list's entries), with the
// user's marks of a set when given.
PrintDocument raceCardDocument(const RaceDay& day, int races, RunnerOrder order, const draw::TextMeasure& measure,
                               const PrintedMarks* marks = nullptr);
// One page per trainer drop-down item, in the list's order.
PrintDocument trainerListDocument(const RaceDay& day, const std::vector<SjisString>& trainerItems,
                                  const draw::TextMeasure& measure);

}  // namespace vantor::print
