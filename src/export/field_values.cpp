#include "export/field_values.h"

#include <algorithm>
#include <optional>

#include "codes/calendar.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor::sqlexport {
namespace {

// The full-width blank in UTF-8.
constexpr std::string_view kWideBlank = "\xE3\x80\x80";

// Without blanks, NUL padding and full-width blanks at either end.
std::string_view trimUtf8(std::string_view s) {
    while (true) {
        if (s.starts_with(' ') || s.starts_with('\0'))
            s.remove_prefix(1);
        else if (s.ends_with(' ') || s.ends_with('\0'))
            s.remove_suffix(1);
        else if (s.starts_with(kWideBlank))
            s.remove_prefix(kWideBlank.size());
        else if (s.ends_with(kWideBlank))
            s.remove_suffix(kWideBlank.size());
        else
            return s;
    }
}

std::optional<long long> parseInteger(SjisView text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !isAllDigits(text) || text.size() > 18) return std::nullopt;
    long long value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return negative ? -value : value;
}

long long powerOfTen(int n) {
    long long p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// "mss" and fraction digits to seconds: "1345" with one digit is 94.5.
Value minSecValue(SjisView text, int fractionDigits) {
    const auto digits = parseInteger(text);
    if (!digits || *digits < 0) return {};
    const long long scale = powerOfTen(fractionDigits);
    const long long whole = *digits / scale;
    const long long seconds = whole / 100 * 60 + whole % 100;
    return static_cast<double>(seconds * scale + *digits % scale) / static_cast<double>(scale);
}

}  // namespace

SqlType sqlType(jvdata::Column column) {
    using enum jvdata::ColumnType;
    switch (column.type) {
        case integer:
            return SqlType::integer;
        case decimal:
        case minSec:
            return SqlType::real;
        default:
            return SqlType::text;
    }
}

Value textValue(SjisView text) {
    text = trimBlanks(text);
    // Codes and numbers are plain ASCII, which needs no conversion.
    if (std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return text.empty() ? Value() : Value(std::string(text.bytes()));
    const std::string utf8 = cp932ToUtf8(text);
    const std::string_view trimmed = trimUtf8(utf8);
    if (trimmed.empty()) return {};
    return std::string(trimmed);
}

Value integerValue(SjisView text) {
    if (const auto n = parseInteger(text)) return *n;
    return {};
}

Value dateValue(SjisView yyyymmdd) {
    // Digits only from here on: the same bytes in UTF-8.
    if (!isValidDateText(yyyymmdd.bytes())) return {};
    std::string iso(yyyymmdd.substr(0, 4).bytes());
    iso += '-';
    iso += yyyymmdd.substr(4, 2).bytes();
    iso += '-';
    iso += yyyymmdd.substr(6, 2).bytes();
    return iso;
}

Value announceTimeValue(SjisView mmddhhmm, SjisView raceDay) {
    if (mmddhhmm.size() != 8 || !isAllDigits(mmddhhmm) || raceDay.size() != 8 || !isAllDigits(raceDay)) return {};
    const SjisView monthDay = mmddhhmm.substr(0, 4);
    int year = lenientInt(raceDay.substr(0, 4));
    if (monthDay > raceDay.substr(4, 4)) --year;
    const SjisString date = formatted("%d", year) + monthDay;
    if (lenientInt(mmddhhmm.substr(4, 2)) > 23 || lenientInt(mmddhhmm.substr(6, 2)) > 59) return {};
    Value day = dateValue(date);
    if (day.isNull()) return {};
    return day.text() + " " + std::string(mmddhhmm.substr(4, 2).bytes()) + ":" +
           std::string(mmddhhmm.substr(6, 2).bytes());
}

Value fieldValue(SjisView record, const jvdata::FieldInfo& info, int n) {
    const SjisView raw = jvdata::get(record, info.field, n);
    using enum jvdata::ColumnType;
    switch (info.column.type) {
        case integer:
            return integerValue(raw);
        case date:
            return dateValue(raw);
        case decimal: {
            const auto value = parseInteger(raw);
            if (!value) return {};
            return static_cast<double>(*value) / static_cast<double>(powerOfTen(info.column.scale));
        }
        case minSec:
            return minSecValue(raw, info.column.scale);
        case omit:
            return {};
        case text:
            break;
    }
    return textValue(raw);
}

}  // namespace vantor::sqlexport
