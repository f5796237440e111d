#include <algorithm>
#include <charconv>
#include <iostream>

#include "analysis_update.h"
#include "codes/calendar.h"
#include "commands.h"
#include "export/analysis_db.h"
#include "fileio/writer_lock.h"
#include "marks_option.h"
#include "stats/stats_tables.h"
#include "text/encoding.h"

namespace vantor::cli {
namespace {

using namespace vantor::stats;

struct SubjectOption {
    const char* option;
    SubjectKind kind;
    const char* noun;
};
constexpr SubjectOption kSubjects[] = {{"--horse", SubjectKind::horse, "horse"},
                                       {"--jockey", SubjectKind::jockey, "jockey"},
                                       {"--trainer", SubjectKind::trainer, "trainer"},
                                       {"--owner", SubjectKind::owner, "owner"},
                                       {"--sire", SubjectKind::sire, "sire"}};

// yyyymmdd of a real date written "yyyy-mm-dd".
std::optional<int> isoDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const std::string digits = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    if (!isValidDateText(digits)) return std::nullopt;
    return std::stoi(digits);
}

std::optional<int> wholeNumber(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 0) return std::nullopt;
    return n;
}

// The filter the options give, or the message of the first bad one.
std::variant<RecordFilter, std::string> filterOf(const Args& args) {
    RecordFilter filter;
    for (const auto& [option, day] : {std::pair{"--from", &filter.from}, std::pair{"--to", &filter.to}}) {
        if (const auto text = args.value(option)) {
            const auto date = isoDay(*text);
            if (!date) return std::string(option) + " takes a date yyyy-mm-dd, not \"" + *text + "\"";
            *day = *date;
        }
    }
    if (filter.from != 0 && filter.to != 0 && filter.from > filter.to) return std::string("--from is after --to");
    if (const auto course = args.value("--course")) {
        const auto code = wholeNumber(*course);
        if (course->size() != 2 || !code || *code < 1 || *code > 10)
            return "--course takes a racecourse code 01-10, not \"" + *course + "\"";
        filter.course = *course;
    }
    if (const auto surface = args.value("--surface")) {
        const std::pair<const char*, Surface> names[] = {
            {"芝", Surface::turf}, {"ダ", Surface::dirt}, {"障", Surface::jump}};
        for (const auto& [name, s] : names)
            if (*surface == name) filter.surface = s;
        if (!filter.surface) return "--surface takes 芝, ダ or 障, not \"" + *surface + "\"";
    }
    if (const auto distance = args.value("--distance")) {
        const auto dash = distance->find('-');
        const auto low = wholeNumber(std::string_view(*distance).substr(0, dash));
        const auto high =
            dash == std::string::npos ? std::nullopt : wholeNumber(std::string_view(*distance).substr(dash + 1));
        if (!low || !high || *low == 0 || *low > *high)
            return "--distance takes metres MIN-MAX, not \"" + *distance + "\"";
        filter.minDistance = *low;
        filter.maxDistance = *high;
    }
    if (const auto going = args.value("--going")) {
        const auto code = goingOfName(*going);
        if (!code) return "--going takes 良, 稍, 重 or 不, not \"" + *going + "\"";
        filter.going = *code;
    }
    return filter;
}

// Each column as wide as its widest text (Shift-JIS bytes are display
// columns: a full-width character is two of each), two blanks between.
void printAligned(const TextTable& table) {
    std::vector<std::size_t> widths(table.headings.size());
    const auto widen = [&widths](const std::vector<SjisString>& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    };
    widen(table.headings);
    for (const auto& row : table.rows) widen(row);
    const auto print = [&](const std::vector<SjisString>& row) {
        SjisString line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            if (c > 0) line += "  ";
            line += table.numeric[c] ? padLeft(row[c], widths[c]) : padRight(row[c], widths[c]);
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << cp932ToUtf8(line) << '\n';
    };
    std::cout << cp932ToUtf8(table.title) << '\n';
    print(table.headings);
    for (const auto& row : table.rows) print(row);
}

std::string csvField(const SjisString& text) {
    const std::string utf8 = cp932ToUtf8(text);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void printCsv(const TextTable& table) {
    const auto print = [](const std::vector<SjisString>& row) {
        for (std::size_t c = 0; c < row.size(); ++c) std::cout << (c > 0 ? "," : "") << csvField(row[c]);
        std::cout << '\n';
    };
    print(table.headings);
    for (const auto& row : table.rows) print(row);
}

// The record of a mark set, read from the marks file as it stands now.
int printMarksRecord(StatsDb& db, const Context& ctx, int set, const RecordFilter& filter,
                     void (*print)(const TextTable&)) {
    auto marks = readUserMarksFile(ctx.appDir);
    if (const auto* problem = std::get_if<std::string>(&marks)) {
        std::cerr << *problem << '\n';
        return 1;
    }
    print(marksTable(marksRecord(db, std::get<std::optional<UserMarksFile>>(marks), set, filter)));
    return 0;
}

}  // namespace

int stats(const Context& ctx) {
    const SubjectOption* subject = nullptr;
    for (const auto& s : kSubjects) {
        if (!ctx.args.has(s.option)) continue;
        if (subject || ctx.args.has("--marks")) {
            std::cerr << "stats takes one of --horse, --jockey, --trainer, --owner, --sire and --marks\n";
            return 2;
        }
        subject = &s;
    }
    std::optional<int> markSet;
    if (!readMarkSet(ctx, "--marks", markSet)) return 2;
    const auto named = subject ? ctx.args.value(subject->option) : std::nullopt;
    if (!markSet && (!named || named->empty())) {
        std::cerr << "stats needs --horse ID|NAME, --jockey, --trainer, --owner or --sire NAME|CODE, or --marks N\n";
        return 2;
    }
    if (markSet && ctx.args.has("--by")) {
        std::cerr << "stats --marks is broken down by mark and takes no --by\n";
        return 2;
    }
    if (ctx.args.words().size() > 1) {
        std::cerr << "stats takes no word \"" << ctx.args.words()[1] << "\"\n";
        return 2;
    }
    auto filter = filterOf(ctx.args);
    if (const auto* bad = std::get_if<std::string>(&filter)) {
        std::cerr << *bad << '\n';
        return 2;
    }
    std::optional<Dimension> by;
    if (const auto word = ctx.args.value("--by")) {
        by = dimensionOfWord(*word);
        if (!by) {
            std::cerr << "--by takes course, surface, distance, going, class, month or popularity, not \"" << *word
                      << "\"\n";
            return 2;
        }
    }
    // A reader brings the database up to date when no writer is at work; a
    // writer holding the lock updates it itself once it is done.
    if (auto lock = WriterLock::take(ctx.appDir, "vantor-cli stats", false); std::holds_alternative<WriterLock>(lock))
        updateAnalysisDb(ctx);
    auto opened = StatsDb::open(sqlexport::analysisDbPath(ctx.appDir));
    if (const auto* failed = std::get_if<std::string>(&opened)) {
        std::cerr << *failed << '\n';
        return 1;
    }
    auto& db = std::get<StatsDb>(opened);
    const auto print = ctx.args.has("--csv") ? printCsv : printAligned;
    try {
        if (markSet) return printMarksRecord(db, ctx, *markSet, std::get<RecordFilter>(filter), print);
        const auto found = findSubjects(db, subject->kind, utf8ToCp932(*named));
        if (found.empty()) {
            std::cerr << "no " << subject->noun << " matches \"" << *named << "\"\n";
            return 1;
        }
        if (found.size() > 1) {
            std::cerr << found.size() << " " << subject->noun << "s match \"" << *named << "\"; give one's code:\n";
            for (const auto& s : found) std::cerr << "  " << s.code << "  " << cp932ToUtf8(s.name) << '\n';
            return 2;
        }
        if (subject->kind == SubjectKind::horse) {
            const std::span<const Dimension> totals =
                by ? std::span<const Dimension>(&*by, 1) : std::span<const Dimension>(kCareerDimensions);
            const auto career = horseCareer(db, found.front(), std::get<RecordFilter>(filter), totals);
            print(careerTable(career));
            for (const auto& [dimension, rows] : career.totals) {
                std::cout << '\n';
                print(careerTotalsTable(dimension, rows, career.total));
            }
        } else {
            print(recordTable(
                personRecord(db, found.front(), std::get<RecordFilter>(filter), by.value_or(Dimension::course))));
        }
    } catch (const StatsError& error) {
        std::cerr << "analysis.sqlite: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantor::cli
