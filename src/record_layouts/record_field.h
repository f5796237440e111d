#pragma once
// A field of a fixed-length JV-Data record: 1-based byte position and
// length, optionally repeated `count` times every `stride` bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "text/sjis.h"

namespace vantor::jvdata {

struct Field {
    std::uint16_t pos = 0;
    std::uint16_t len = 0;
    std::uint16_t count = 1;
    std::uint16_t stride = 0;

    // Position of occurrence n (1-based).
    constexpr std::size_t at(int n = 1) const { return pos + static_cast<std::size_t>(n - 1) * stride; }
};

// How the SQL export writes a field: left out, trimmed text, whole number,
// a yyyymmdd date as ISO text, a number in units of 10^-scale, or a time
// "mss" followed by scale digits of fractions of a second, in seconds.
enum class ColumnType : std::uint8_t { omit, text, integer, date, decimal, minSec };

struct Column {
    ColumnType type = ColumnType::text;
    std::uint8_t scale = 0;
};

namespace columns {
inline constexpr Column omit{ColumnType::omit}, text{ColumnType::text}, integer{ColumnType::integer},
    date{ColumnType::date};
constexpr Column dec(std::uint8_t scale) { return {ColumnType::decimal, scale}; }
constexpr Column minSec(std::uint8_t scale) { return {ColumnType::minSec, scale}; }
}  // namespace columns

// Names, comments and kinds are the tables' own ASCII identifiers.
struct FieldInfo {
    std::string_view name;
    Field field;
    std::string_view comment;
    Column column;
};

struct RecordLayout {
    std::string_view kind;  // first two bytes of the record
    std::size_t length;     // whole record including CR LF
    std::span<const FieldInfo> fields;
};

// Every byte before the record's CR LF belongs to exactly one field
// occurrence: checked at compile time, so a typo in a table cannot build.
template <std::size_t Length, std::size_t N>
consteval bool coversRecordExactly(const std::array<FieldInfo, N>& fields) {
    std::array<int, Length + 1> owner{};
    for (const auto& f : fields) {
        if (f.field.len == 0 || f.field.count == 0) return false;
        if (f.field.count > 1 && f.field.stride < f.field.len) return false;
        for (int n = 1; n <= f.field.count; ++n) {
            const std::size_t start = f.field.at(n);
            if (start == 0 || start + f.field.len - 1 > Length - 2) return false;
            for (std::size_t b = start; b < start + f.field.len; ++b)
                if (owner[b]++ != 0) return false;
        }
    }
    for (std::size_t b = 1; b <= Length - 2; ++b)
        if (owner[b] != 1) return false;
    return true;
}

// Reading: occurrence n of a field; a short record gives a short field.
constexpr SjisView get(SjisView record, Field f, int n = 1) { return field(record, f.at(n), f.len); }
constexpr long long num(SjisView record, Field f, int n = 1) { return lenientNumber(get(record, f, n)); }
constexpr int inum(SjisView record, Field f, int n = 1) { return lenientInt(get(record, f, n)); }

}  // namespace vantor::jvdata
