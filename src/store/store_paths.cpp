#include "store/store_paths.h"

#include "codes/course_names.h"
#include "fileio/folder_lookup.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;

std::string asciiName(SjisView digits) { return std::string(digits.bytes()); }

std::string dayNameUtf8(SjisView year, SjisView monthDay) {
    std::string name = asciiName(year);
    name += "年";
    name += asciiName(monthDay.substr(0, 2));
    name += "月";
    name += asciiName(monthDay.substr(2, 2));
    name += "日";
    return name;
}

SjisString dayNameSjis(SjisView year, SjisView monthDay) { return utf8ToCp932(dayNameUtf8(year, monthDay)); }

std::optional<SjisString> courseFileName(SjisView courseCode) {
    auto name = CourseName(courseCode, 2);
    if (!name || trimBlanks(*name).empty()) return std::nullopt;
    return name;
}

std::optional<std::string> courseFileNameUtf8(SjisView courseCode) {
    const auto name = courseFileName(courseCode);
    if (!name) return std::nullopt;
    return cp932ToUtf8(*name);
}

StorePaths::StorePaths(const fs::path& appDir)
    : appDir_(appDir),
      data_(resolveFolder(appDir, "Data")),
      sei_(resolveFolder(appDir, "SEI")),
      seir_(resolveFolder(appDir, "SEIR")),
      um2_(resolveFolder(appDir, "UM2")) {}

fs::path StorePaths::umaDir() const { return resolveFolder(appDir_, "UMA"); }

fs::path StorePaths::liveDir() const { return resolveFolder(appDir_, "Live"); }

fs::path StorePaths::liveDayDir(SjisView day) const { return liveDir() / asciiName(day); }

fs::path StorePaths::dayFile(const std::string& dayName, std::string_view extension) const {
    return data_ / (dayName + std::string(extension));
}

fs::path StorePaths::runnerFile(const std::string& dayName, const std::string& course) const {
    return data_ / (dayName + course + ".jvSEr");
}

fs::path StorePaths::finalOddsFile(const std::string& dayName, const std::string& course, SjisView kind) const {
    return data_ / (dayName + course + ".jv" + asciiName(kind));
}

fs::path StorePaths::horseRunFile(SjisView id) const {
    return sei_ / asciiName(id.substr(0, 4)) / (asciiName(id) + ".jvSEI");
}

fs::path StorePaths::horseMasterFile(SjisView id) const {
    return um2_ / asciiName(id.substr(0, 4)) / (asciiName(id) + ".jvUM2");
}

fs::path StorePaths::earlierHorseFile(SjisView id) const {
    return umaDir() / asciiName(id.substr(0, 4)) / (asciiName(id) + ".jvUMA");
}

fs::path StorePaths::outsideRaceFile(SjisView year, SjisView yearMonthDayCourse) const {
    return seir_ / asciiName(year) / (asciiName(yearMonthDayCourse) + ".jvSERA");
}

}  // namespace vantor
