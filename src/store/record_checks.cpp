#include "store/record_checks.h"

#include "codes/course_names.h"
#include "store/jvdata_record.h"

namespace vantor {

bool hasLengthOfItsKind(SjisView record) {
    const SjisView kind = jvdata::recordKind(record);
    std::size_t expected = 0;
    if (kind == "RA") expected = jvdata::kRaLength;
    else if (kind == "SE") expected = jvdata::kSeLength;
    else if (kind == "HR") expected = jvdata::kHrLength;
    else if (kind == "UM") expected = jvdata::kUmLength;
    else return true;
    return record.size() == expected && record.ends_with("\r\n");
}

bool hasValidRaceKeyForPaths(SjisView record) {
    using namespace jvdata;
    if (!isAllDigits(get(record, ra::Year)) || !isAllDigits(get(record, ra::MonthDay))) return false;
    const auto name = CourseName(get(record, ra::JyoCD), 2);
    return name && !trimBlanks(*name).empty();
}

bool isValidHorseId(SjisView id) { return id.size() == 10 && isAllDigits(id); }

bool isOneLine(SjisView record) {
    const SjisView body = record.ends_with("\r\n") ? record.substr(0, record.size() - 2) : record;
    return body.find_first_of("\r\n") == SjisView::npos;
}

}  // namespace vantor
