#include "usermarks/marks_csv.h"

#include <charconv>

#include "text/encoding.h"

namespace vantor {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<int> number(std::string_view s) {
    int n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (error != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return n;
}

// A mark as its glyph (UTF-8) or its number.
std::optional<UserMark> markOf(std::string_view s) {
    if (auto n = number(s)) return userMarkFromNumber(*n);
    return userMarkFromGlyph(utf8ToCp932(s));
}

std::variant<UserMarkRow, std::string> rowOf(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        cells.push_back(trimmed(line.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (cells.size() != 4) return "4 つの欄 (レースキー,馬番,組,印) がありません";
    UserMarkRow row;
    row.raceKey = std::string(cells[0]);
    const auto umaban = number(cells[1]);
    const auto set = number(cells[2]);
    const auto mark = markOf(cells[3]);
    if (!umaban) return "馬番が数ではありません: " + std::string(cells[1]);
    if (!set) return "組が数ではありません: " + std::string(cells[2]);
    if (!mark) return "印が読めません: " + std::string(cells[3]);
    row.umaban = *umaban;
    row.set = *set;
    row.mark = *mark;
    if (auto problem = userMarkRowProblem(row)) return *problem;
    return row;
}

}  // namespace

std::string userMarksCsv(const std::vector<UserMarkRow>& rows) {
    std::string out(kUserMarksCsvHeader);
    out += '\n';
    for (const UserMarkRow& row : rows)
        out += row.raceKey + ',' + std::to_string(row.umaban) + ',' + std::to_string(row.set) + ',' +
               cp932ToUtf8(userMarkGlyph(row.mark)) + '\n';
    return out;
}

std::variant<std::vector<UserMarkRow>, std::string> parseUserMarksCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark from a spreadsheet
    std::vector<UserMarkRow> rows;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || (lineNumber == 1 && line == kUserMarksCsvHeader)) continue;
        auto row = rowOf(line);
        if (auto* problem = std::get_if<std::string>(&row)) return std::to_string(lineNumber) + " 行目: " + *problem;
        rows.push_back(std::move(std::get<UserMarkRow>(row)));
    }
    return rows;
}

}  // namespace vantor
