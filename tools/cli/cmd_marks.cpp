#include <algorithm>
#include <iostream>

#include "commands.h"
#include "fileio/whole_file.h"
#include "marks_option.h"
#include "race_view.h"
#include "usermarks/marks_csv.h"

namespace vantor::cli {
namespace {

// "yyyy年mm月dd日" as the yyyymmdd that starts its race keys.
std::string dateOfDay(const std::string& day) {
    std::string date;
    std::copy_if(day.begin(), day.end(), std::back_inserter(date), [](char c) { return c >= '0' && c <= '9'; });
    return date;
}

int importMarks(UserMarksFile& file, const std::string& from, const std::string& date, std::optional<int> set) {
    const FileContent csv = readWholeFile(from);
    if (csv.status != FileContent::Status::ok) {
        std::cerr << from << ": cannot be read\n";
        return 1;
    }
    auto parsed = parseUserMarksCsv(csv.bytes);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << from << ": " << *problem << "; nothing was imported\n";
        return 1;
    }
    auto& rows = std::get<std::vector<UserMarkRow>>(parsed);
    if (std::any_of(rows.begin(), rows.end(), [&](const UserMarkRow& r) { return !r.raceKey.starts_with(date); })) {
        std::cerr << from << ": holds marks of races of other days; nothing was imported\n";
        return 1;
    }
    const auto others = std::erase_if(rows, [&](const UserMarkRow& r) { return set && r.set != *set; });
    if (const auto error = file.importMarks(rows)) {
        std::cerr << *error << '\n';
        return 1;
    }
    std::cerr << "marks imported: " << rows.size();
    if (others) std::cerr << " (" << others << " of other sets left out)";
    std::cerr << '\n';
    return 0;
}

}  // namespace

int marks(const Context& ctx) {
    const auto day = dayName(ctx);
    if (!day) return 2;
    std::optional<int> set;
    if (!readMarkSet(ctx, "--set", set)) return 2;
    const auto from = ctx.args.value("--import");
    const auto to = ctx.args.value("--export");
    if (from && to) {
        std::cerr << "--import and --export: give one\n";
        return 2;
    }
    // The file is made only when marks come in: without it there are none.
    std::optional<UserMarksFile> file;
    if (!openMarksFile(ctx, from.has_value(), file)) return 1;
    const std::string date = dateOfDay(*day);
    if (from) return importMarks(*file, *from, date, set);
    const std::string csv = userMarksCsv(file ? file->marksOfDay(date, set) : std::vector<UserMarkRow>{});
    if (!to) {
        std::cout << csv;
        return 0;
    }
    if (!replaceWholeFile(*to, csv)) {
        std::cerr << *to << ": cannot be written\n";
        return 1;
    }
    return 0;
}

}  // namespace vantor::cli
