#pragma once
// Racecourse codes of the race records to names.

#include <optional>

#include "text/sjis.h"

namespace vantor {

// The racecourse name of code in form 0 (6 bytes: race headings) or form 2
// (4 bytes: file names, lists, card texts). Codes without a name map to
// blanks of the form's width. An unknown code or another form gives nullopt:
// the caller keeps whatever it held.
std::optional<SjisString> CourseName(SjisView code, int form);

// The class of a past run's racecourse, 6 bytes: the form-0 name of a JRA
// racecourse ("01" to "10"), "地方  " for local racing ("30" to "61"),
// "海外  " for a foreign country, six blanks for anything else.
SjisString CourseClass(SjisView code);

// The racecourse digit of the outside odds files to a two-character name;
// numbers outside 0-9 give "ｿﾉ他".
SjisString KolCourseName(SjisView digit);

}  // namespace vantor
