#pragma once
// Field texts of a store record to the values the export writes: trimmed
// UTF-8 texts, whole numbers, decimals, ISO dates and times in seconds;
// blank fields give NULL.

#include "export/sql_row.h"
#include "record_layouts/record_field.h"

namespace vantor::sqlexport {

SqlType sqlType(jvdata::Column column);

// Occurrence n (1-based) of the field as its column type writes it.
Value fieldValue(SjisView record, const jvdata::FieldInfo& info, int n);

// Text without the padding of the record (ASCII and full-width blanks), in
// UTF-8; NULL when nothing is left.
Value textValue(SjisView text);
// Digits with an optional sign, surrounding blanks allowed; NULL for a
// blank text or one that is not a number.
Value integerValue(SjisView text);
// "yyyymmdd" as "yyyy-mm-dd"; NULL when it is not a valid date.
Value dateValue(SjisView yyyymmdd);
// A live announce time "MMDDhhmm" as "yyyy-mm-dd hh:mm" on race day
// "yyyymmdd": a later month and day than the race day's are of the year
// before. NULL for "00000000" (no announcement) and what is no time.
Value announceTimeValue(SjisView mmddhhmm, SjisView raceDay);

}  // namespace vantor::sqlexport
