#pragma once
// The user's marks and notes, in a SQLite file of their own in the program
// folder: never in the store, which acquisitions rewrite. Every change is
// one transaction, committed (and synced) before the call returns, so a
// crash or a kill loses at most the change being made. Several processes
// may hold the file at once (the window and vantor-cli): it is kept in
// WAL mode and a writer waits for another's transaction to end.
//
// Race keys are the store's 16 digits (yyyymmdd, racecourse, meeting, day,
// race number); notes and set names are UTF-8, as the user typed them.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "usermarks/user_mark.h"

namespace vantor {

struct UserMarkRow {
    std::string raceKey;
    int umaban = 0;
    int set = 0;
    UserMark mark = UserMark::none;

    friend bool operator==(const UserMarkRow&, const UserMarkRow&) = default;
};

// A race's marks of one set, by horse number (1-18; 0 unused).
using RaceUserMarks = std::array<UserMark, kMaxUmaban + 1>;

class UserMarksFile {
public:
    // Opens the marks file at path, making it when it is missing. A file
    // that is damaged or no marks file is kept aside under a new name (said
    // in keptAside()) and a new one made; an error (UTF-8) only when no file
    // can be had, or the file was written by a newer Vantor.
    static std::variant<UserMarksFile, std::string> open(const std::filesystem::path& path);
    // Opens an existing marks file to read it only: nothing of it is changed,
    // made or kept aside, and a writer's journal is read as it stands. An
    // error (UTF-8) when the file is missing, damaged, no marks file or a
    // newer Vantor's.
    static std::variant<UserMarksFile, std::string> openToRead(const std::filesystem::path& path);

    UserMarksFile(UserMarksFile&&) noexcept;
    UserMarksFile& operator=(UserMarksFile&&) noexcept;
    ~UserMarksFile();

    // What was kept aside at the open, in words for the user; empty when nothing.
    const std::string& keptAside() const { return keptAside_; }

    // Changes, each one transaction; an error (UTF-8) or nothing. A mark of
    // none and an empty note remove what was there.
    std::optional<std::string> setMark(std::string_view raceKey, int umaban, int set, UserMark mark);
    std::optional<std::string> setRaceNote(std::string_view raceKey, std::string_view note);
    std::optional<std::string> setHorseNote(std::string_view kettonum, std::string_view note);
    std::optional<std::string> setSetName(int set, std::string_view name);
    // Every row or none of them, in one transaction; rows are checked first.
    std::optional<std::string> importMarks(const std::vector<UserMarkRow>& rows);

    RaceUserMarks marksOfRace(std::string_view raceKey, int set) const;
    // The marks of a day's races (date yyyymmdd), of one set or of all,
    // ordered by race key, horse number and set.
    std::vector<UserMarkRow> marksOfDay(std::string_view date, std::optional<int> set = std::nullopt) const;
    std::string raceNote(std::string_view raceKey) const;
    std::string horseNote(std::string_view kettonum) const;
    // Every race note (by race key) or horse note (by horse id), in key order.
    std::vector<std::pair<std::string, std::string>> raceNotes() const;
    std::vector<std::pair<std::string, std::string>> horseNotes() const;
    // The set's name: the user's, or "印1" ... "印8".
    std::string setName(int set) const;

private:
    struct Db;
    explicit UserMarksFile(std::unique_ptr<Db> db, std::string keptAside);

    std::unique_ptr<Db> db_;
    std::string keptAside_;
};

// The name of a set the user has not named: "印1" ... "印8".
inline std::string defaultUserMarkSetName(int set) { return "印" + std::to_string(set); }

// The marks file of a program folder.
std::filesystem::path userMarksPath(const std::filesystem::path& appDir);

// Why a row cannot be a mark (UTF-8), or nothing.
std::optional<std::string> userMarkRowProblem(const UserMarkRow& row);

}  // namespace vantor
