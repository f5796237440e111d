#pragma once
// Where the store keeps each kind of file under the program folder, and the
// names of per-day files. Names on disk are UTF-8; the same names in
// Shift-JIS are what the acquisition list shows.

#include <filesystem>
#include <optional>
#include <string>

#include "text/sjis.h"

namespace vantor {

// Years, dates, codes and horse ids are ASCII digits: in a file name they
// stand as the same bytes.
std::string asciiName(SjisView digits);

// "yyyy年mm月dd日" of a race, from year and month-day texts (no checks).
std::string dayNameUtf8(SjisView year, SjisView monthDay);
SjisString dayNameSjis(SjisView year, SjisView monthDay);

// The two-character racecourse name (4 bytes) that names a course runner
// file and a final-odds file; none for a code without a name (an unnamed
// foreign code, "00"). The acquisition list shows it; the file's name on
// disk is the same name in UTF-8.
std::optional<SjisString> courseFileName(SjisView courseCode);
std::optional<std::string> courseFileNameUtf8(SjisView courseCode);

class StorePaths {
public:
    // Resolves the top folders once, matching existing ones without regard
    // to letter case.
    explicit StorePaths(const std::filesystem::path& appDir);

    const std::filesystem::path& appDir() const { return appDir_; }
    const std::filesystem::path& dataDir() const { return data_; }
    const std::filesystem::path& seiDir() const { return sei_; }
    const std::filesystem::path& seirDir() const { return seir_; }
    const std::filesystem::path& um2Dir() const { return um2_; }
    std::filesystem::path umaDir() const;
    // Live/<yyyymmdd>: the race day's live records (live_files.h).
    std::filesystem::path liveDir() const;
    std::filesystem::path liveDayDir(SjisView day) const;

    std::filesystem::path dayFile(const std::string& dayName, std::string_view extension) const;
    std::filesystem::path runnerFile(const std::string& dayName, const std::string& course) const;
    // Data/<day><course>.jvO1 or .jvO2 (kind "O1" or "O2"): the final odds of
    // the racecourse day's races.
    std::filesystem::path finalOddsFile(const std::string& dayName, const std::string& course, SjisView kind) const;
    std::filesystem::path horseRunFile(SjisView horseId) const;
    std::filesystem::path horseMasterFile(SjisView horseId) const;
    std::filesystem::path earlierHorseFile(SjisView horseId) const;
    // SEIR/yyyy/<yyyymmdd><course>.jvSERA
    std::filesystem::path outsideRaceFile(SjisView year, SjisView yearMonthDayCourse) const;

private:
    std::filesystem::path appDir_, data_, sei_, seir_, um2_;
};

}  // namespace vantor
