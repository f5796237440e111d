#pragma once
// JV-Data records of the demo world: race details (RA), runners (SE),
// payouts (HR) and horse masters (UM), written into blank records of the
// layouts by their field constants and appended to a file's bytes.

#include <string>

#include "demo/career_stats.h"
#include "demo/world.h"
#include "record_layouts/jvdata_record.h"

namespace vantor::demo {

struct RecordStamp {
    char dataKind = '7';
    int makeDate = 0;  // yyyymmdd
};

// The header and race key of a race's record (bytes 1-27), at the same
// places in every race-keyed layout.
void raceHeader(jvdata::RecordBuilder& b, const Race& race, RecordStamp stamp);

// With results false, the race as the entry card shows it: no weather,
// going, times, places or odds yet.
void appendRa(SjisString& out, const Race& race, RecordStamp stamp, bool results);
void appendSe(SjisString& out, const World& world, const Race& race, const Run& run, RecordStamp stamp, bool results);
void appendHr(SjisString& out, const World& world, const Race& race, RecordStamp stamp);
// retired: whether the horse has left training by the record's date.
void appendUm(SjisString& out, const World& world, const Horse& horse, const CareerStats& stats, RecordStamp stamp,
              bool retired);

// The time difference field: "-003" for a winner 0.3 s clear, "+012" for a
// horse 1.2 s behind, "+999" for one that did not finish, "0000" for one
// that did not start.
SjisString timeDiffText(const Run& run);

}  // namespace vantor::demo
