#include "raceday/horse_file_conversion.h"

#include <algorithm>

#include "record_layouts/jvdata_structure.h"

namespace vantor {
namespace {

using jvdata::kUmaFields;
using jvdata::kUmFields;

// The conversion walks both field tables side by side, so they must list
// the same fields in the same order, none narrower in the current layout.
consteval bool layoutsCorrespond() {
    if (kUmaFields.size() != kUmFields.size()) return false;
    for (std::size_t i = 0; i < kUmFields.size(); ++i) {
        const auto& a = kUmaFields[i];
        const auto& b = kUmFields[i];
        if (a.name != b.name || a.field.count != b.field.count || a.field.len > b.field.len) return false;
    }
    return true;
}
static_assert(layoutsCorrespond());

void widenRecord(SjisView from, SjisString& out) {
    const std::size_t start = out.size();
    out.append(jvdata::kUmLength - 2, ' ');
    out += "\r\n";
    char* const to = out.data() + start;
    for (std::size_t i = 0; i < kUmFields.size(); ++i) {
        const jvdata::Field narrow = kUmaFields[i].field;
        const jvdata::Field wide = kUmFields[i].field;
        for (int n = 1; n <= wide.count; ++n) {
            const SjisView value = jvdata::get(from, narrow, n);
            // Right-aligned: a widened field starts with blanks.
            std::copy(value.begin(), value.end(), to + (wide.at(n) - 1) + (wide.len - narrow.len));
        }
    }
}

}  // namespace

SjisString widenHorseRecords(SjisView earlierLayout) {
    const std::size_t count = recordCount(earlierLayout, jvdata::kUmaLength);
    SjisString out;
    out.reserve(count * jvdata::kUmLength);
    for (std::size_t i = 0; i < count; ++i) widenRecord(recordAt(earlierLayout, jvdata::kUmaLength, i), out);
    return out;
}

bool UMConvertBtnClick(const std::filesystem::path& umaFile, const std::filesystem::path& um2File,
                       const FileReader& read, FileAccess& files) {
    const FileContent earlier = read(umaFile, firstRecords(kKeyedFileRecordLimit, jvdata::kUmaLength));
    if (earlier.status != FileContent::Status::ok) return false;
    const SjisString converted = widenHorseRecords(sjisBytes(earlier.bytes));
    if (converted.empty()) return false;
    return files.replace(um2File, converted.bytes(), Durability::renameOnly);
}

}  // namespace vantor
