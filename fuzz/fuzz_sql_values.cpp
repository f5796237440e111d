// The SQL export's value conversion: the input is a record (its first byte
// chooses the layout read from it, whatever its kind and length). Every
// field occurrence converts to NULL or a value of its column's type: texts
// UTF-8 without blanks at either end, dates "yyyy-mm-dd", times in
// seconds not negative; and the input as one field converts alike.

#include <array>
#include <cmath>

#include "export/field_values.h"
#include "fuzz_support.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_structure.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::sqlexport;

namespace {

constexpr std::array<const jvdata::RecordLayout*, 8> kLayouts = {
    &jvdata::kRaLayout, &jvdata::kSeLayout, &jvdata::kHrLayout, &jvdata::kUmLayout,
    &jvdata::kWhLayout, &jvdata::kAvLayout, &jvdata::kJcLayout, &jvdata::kO1Layout,
};

// Blanks, half-width or full-width, at either end.
bool isPadded(std::string_view text) {
    return text.starts_with(' ') || text.ends_with(' ') || text.starts_with("\xE3\x80\x80") ||
           text.ends_with("\xE3\x80\x80");
}

void checkText(const Value& v) {
    if (v.isNull()) return;
    fuzz::check(v.kind() == Value::Kind::text, "a text field gives a text");
    fuzz::check(!v.text().empty() && isValidUtf8(v.text()), "a text is UTF-8 and not empty");
    fuzz::check(!isPadded(v.text()), "a text has no blanks at its ends");
}

void checkDate(const Value& v) {
    if (v.isNull()) return;
    const std::string& t = v.text();
    fuzz::check(v.kind() == Value::Kind::text && t.size() == 10 && t[4] == '-' && t[7] == '-', "a date is yyyy-mm-dd");
}

void checkValue(const Value& v, const jvdata::FieldInfo& info) {
    using enum jvdata::ColumnType;
    switch (info.column.type) {
        case omit:
            fuzz::check(v.isNull(), "a column left out gives NULL");
            return;
        case date:
            checkDate(v);
            return;
        case text:
            checkText(v);
            return;
        case integer:
            fuzz::check(v.isNull() || v.kind() == Value::Kind::integer, "an integer field gives an integer");
            return;
        case minSec:
            fuzz::check(v.isNull() || v.real() >= 0, "a time is not negative");
            [[fallthrough]];
        case decimal:
            fuzz::check(v.isNull() || (v.kind() == Value::Kind::real && std::isfinite(v.real())),
                        "a decimal field gives a number");
            return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const jvdata::RecordLayout& layout = *kLayouts[data[0] % kLayouts.size()];
    const SjisView record = sjisBytes(fuzz::bytesOf(data + 1, size - 1));
    for (const jvdata::FieldInfo& info : layout.fields)
        for (int n = 1; n <= info.field.count; ++n) checkValue(fieldValue(record, info, n), info);
    checkText(textValue(record));
    checkDate(dateValue(record));
    const Value number = integerValue(record);
    fuzz::check(number.isNull() || number.kind() == Value::Kind::integer, "a number gives an integer");
    return 0;
}
