#pragma once
// The trainer list: one A4 page per trainer of the day with every runner
// of that trainer over all races, each row headed by its race.

#include "analysis/trainer_view.h"
#include "painting/page.h"
#include "painting/text_measure.h"

namespace vantor::print {

// The page of a trainer drop-down item (the name followed by its "%3d"
// runner count). Its rows are the trainer's runners, by race slot, then
// runner slot.
draw::Page trainerPage(const RaceDay& day, SjisView trainerItem, const draw::TextMeasure& measure);

}  // namespace vantor::print
