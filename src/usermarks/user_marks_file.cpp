#include "usermarks/user_marks_file.h"

#include <sqlite3.h>

#include <ctime>

#include "text/formatted.h"
#include "text/sjis.h"

namespace vantor {
namespace fs = std::filesystem;

namespace {

constexpr long long kApplicationId = 0x56414E4D;  // "VANM"
constexpr long long kSchemaVersion = 1;
constexpr int kBusyWaitMs = 5000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS marks (race_key TEXT NOT NULL, umaban INTEGER NOT NULL, "
    "mark_set INTEGER NOT NULL, mark INTEGER NOT NULL, PRIMARY KEY (race_key, umaban, mark_set)) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS race_notes (race_key TEXT PRIMARY KEY, note TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS horse_notes (kettonum TEXT PRIMARY KEY, note TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS mark_sets (mark_set INTEGER PRIMARY KEY, name TEXT NOT NULL);";

bool isRaceKey(std::string_view key) { return key.size() == 16 && isAllDigits(key); }

// One prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int index, long long n) {
        sqlite3_bind_int64(stmt_, index, n);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    void reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    long long integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string text(int column) const {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : "";
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

bool execute(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// The first row's integer of a query; nothing when it fails.
std::optional<long long> queryInteger(sqlite3* db, const char* sql) {
    Statement q(db, sql);
    if (q.step() != SQLITE_ROW) return std::nullopt;
    return q.integer(0);
}

// A file name beside path that nothing has yet: path.damaged-yyyymmdd-hhmmss[-n].
fs::path asideName(const fs::path& path) {
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    fs::path aside = path.string() + ".damaged-" + stamp;
    std::error_code error;
    for (int n = 2; fs::exists(aside, error) || fs::exists(aside.string() + "-wal", error); ++n)
        aside = path.string() + ".damaged-" + stamp + "-" + std::to_string(n);
    return aside;
}

}  // namespace

struct UserMarksFile::Db {
    sqlite3* handle = nullptr;
    ~Db() { sqlite3_close(handle); }

    std::optional<std::string> error(const std::string& what) const {
        return what + ": " + (handle ? sqlite3_errmsg(handle) : "no file");
    }
    // Runs change inside one transaction; the error, or nothing once committed.
    template <class Change>
    std::optional<std::string> transaction(Change&& change) {
        if (!execute(handle, "BEGIN IMMEDIATE")) return error("印のファイルに書けません");
        if (!change()) {
            auto why = error("印のファイルに書けません");
            execute(handle, "ROLLBACK");
            return why;
        }
        if (!execute(handle, "COMMIT")) {
            auto why = error("印のファイルに書けません");
            execute(handle, "ROLLBACK");
            return why;
        }
        return std::nullopt;
    }
};

namespace {

enum class FileState { usable, foreign, newer };

// What the file at db is: a marks file (or an empty database) of this
// version, one of a newer version, or anything else (not SQLite, damaged,
// another program's database).
FileState stateOf(sqlite3* db) {
    const auto id = queryInteger(db, "PRAGMA application_id");
    const auto version = queryInteger(db, "PRAGMA user_version");
    const auto objects = queryInteger(db, "SELECT count(*) FROM sqlite_schema");
    if (!id || !version || !objects) return FileState::foreign;
    if (*id == 0 && *objects == 0) return FileState::usable;
    if (*id != kApplicationId) return FileState::foreign;
    if (*version > kSchemaVersion) return FileState::newer;
    Statement check(db, "PRAGMA quick_check");
    if (check.step() != SQLITE_ROW || check.text(0) != "ok") return FileState::foreign;
    return FileState::usable;
}

sqlite3* openHandle(const fs::path& path, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        error = path.string() + ": " + (db ? sqlite3_errmsg(db) : "cannot be opened");
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyWaitMs);
    return db;
}

// "file:" URI of a path, the bytes that a URI gives a meaning escaped.
std::string fileUri(const fs::path& path) {
    std::string uri = "file:";
    for (const char c : path.string()) {
        if (c == '%' || c == '?' || c == '#') {
            uri += formattedUtf8("%%%02X", static_cast<unsigned char>(c));
        } else {
            uri += c;
        }
    }
    return uri;
}

}  // namespace

std::variant<UserMarksFile, std::string> UserMarksFile::openToRead(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return path.string() + " がありません";
    // Without a writer's journal the file is all there is: read as immutable,
    // SQLite makes no journal or shared-memory file beside it. With one, a
    // read-only connection reads the journal too.
    const bool journal = fs::exists(path.string() + "-wal", error);
    const std::string uri = fileUri(path) + (journal ? "?mode=ro" : "?immutable=1");
    auto db = std::make_unique<Db>();
    if (sqlite3_open_v2(uri.c_str(), &db->handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        return *db->error(path.string());
    sqlite3_busy_timeout(db->handle, kBusyWaitMs);
    switch (stateOf(db->handle)) {
        case FileState::usable:
            return UserMarksFile(std::move(db), {});
        case FileState::newer:
            return path.string() + " は新しい版の Vantor が書いた印のファイルです";
        case FileState::foreign:
            break;
    }
    return path.string() + " は印のファイルとして読めません";
}

std::variant<UserMarksFile, std::string> UserMarksFile::open(const fs::path& path) {
    std::string error, keptAside;
    auto db = std::make_unique<Db>();
    db->handle = openHandle(path, error);
    if (!db->handle) return error;
    const FileState state = stateOf(db->handle);
    if (state == FileState::newer)
        return path.string() + " は新しい版の Vantor が書いた印のファイルです。その版で開いてください。";
    if (state == FileState::foreign) {
        // Kept as it is, with its journal, for the user to look at or mend.
        db.reset();
        const fs::path aside = asideName(path);
        std::error_code moved;
        fs::rename(path, aside, moved);
        if (moved) return path.string() + " は印のファイルとして読めず、よけて残すこともできません: " + moved.message();
        std::error_code ignored;
        if (fs::exists(path.string() + "-wal", ignored))
            fs::rename(path.string() + "-wal", aside.string() + "-wal", ignored);
        fs::remove(path.string() + "-shm", ignored);
        keptAside = path.string() + " は印のファイルとして読めなかったため " + aside.string() +
                    " として残し、新しい印のファイルを作りました。";
        db = std::make_unique<Db>();
        db->handle = openHandle(path, error);
        if (!db->handle) return error;
    }
    // WAL: readers and one writer at once, and a commit is synced before it returns.
    const bool ready = execute(db->handle, "PRAGMA journal_mode=WAL") &&
                       execute(db->handle, "PRAGMA synchronous=FULL") && !db->transaction([&] {
                           const std::string identity = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                                                        "; PRAGMA user_version=" + std::to_string(kSchemaVersion);
                           return execute(db->handle, kSchema) && execute(db->handle, identity.c_str());
                       });
    if (!ready) return *db->error(path.string());
    return UserMarksFile(std::move(db), std::move(keptAside));
}

UserMarksFile::UserMarksFile(std::unique_ptr<Db> db, std::string keptAside)
    : db_(std::move(db)), keptAside_(std::move(keptAside)) {}
UserMarksFile::UserMarksFile(UserMarksFile&&) noexcept = default;
UserMarksFile& UserMarksFile::operator=(UserMarksFile&&) noexcept = default;
UserMarksFile::~UserMarksFile() = default;

std::optional<std::string> userMarkRowProblem(const UserMarkRow& row) {
    if (!isRaceKey(row.raceKey)) return "レースキーは 16 桁の数字です: " + row.raceKey;
    if (row.umaban < 1 || row.umaban > kMaxUmaban) return "馬番は 1-18 です: " + std::to_string(row.umaban);
    if (!isUserMarkSet(row.set)) return "印の組は 1-8 です: " + std::to_string(row.set);
    if (!userMarkFromNumber(userMarkNumber(row.mark))) return "印がありません";
    return std::nullopt;
}

std::optional<std::string> UserMarksFile::setMark(std::string_view raceKey, int umaban, int set, UserMark mark) {
    return importMarks({{std::string(raceKey), umaban, set, mark}});
}

std::optional<std::string> UserMarksFile::importMarks(const std::vector<UserMarkRow>& rows) {
    for (const UserMarkRow& row : rows)
        if (auto problem = userMarkRowProblem(row)) return problem;
    return db_->transaction([&] {
        Statement put(db_->handle, "INSERT OR REPLACE INTO marks VALUES (?, ?, ?, ?)");
        Statement clear(db_->handle, "DELETE FROM marks WHERE race_key = ? AND umaban = ? AND mark_set = ?");
        for (const UserMarkRow& row : rows) {
            Statement& s = row.mark == UserMark::none ? clear : put;
            s.bind(1, row.raceKey).bind(2, row.umaban).bind(3, row.set);
            if (row.mark != UserMark::none) s.bind(4, userMarkNumber(row.mark));
            if (s.step() != SQLITE_DONE) return false;
            s.reset();
        }
        return true;
    });
}

namespace {

// Sets a keyed text of table, or removes it when text is empty.
bool putText(sqlite3* db, const char* replace, const char* remove, std::string_view key, std::string_view text) {
    Statement s(db, text.empty() ? remove : replace);
    s.bind(1, key);
    if (!text.empty()) s.bind(2, text);
    return s.step() == SQLITE_DONE;
}

std::string getText(sqlite3* db, const char* sql, std::string_view key) {
    Statement q(db, sql);
    q.bind(1, key);
    return q.step() == SQLITE_ROW ? q.text(0) : std::string();
}

}  // namespace

std::optional<std::string> UserMarksFile::setRaceNote(std::string_view raceKey, std::string_view note) {
    if (!isRaceKey(raceKey)) return "レースキーは 16 桁の数字です: " + std::string(raceKey);
    return db_->transaction([&] {
        return putText(db_->handle, "INSERT OR REPLACE INTO race_notes VALUES (?, ?)",
                       "DELETE FROM race_notes WHERE race_key = ?", raceKey, note);
    });
}

std::optional<std::string> UserMarksFile::setHorseNote(std::string_view kettonum, std::string_view note) {
    if (kettonum.size() != 10 || !isAllDigits(kettonum))
        return "血統登録番号は 10 桁の数字です: " + std::string(kettonum);
    return db_->transaction([&] {
        return putText(db_->handle, "INSERT OR REPLACE INTO horse_notes VALUES (?, ?)",
                       "DELETE FROM horse_notes WHERE kettonum = ?", kettonum, note);
    });
}

std::optional<std::string> UserMarksFile::setSetName(int set, std::string_view name) {
    if (!isUserMarkSet(set)) return "印の組は 1-8 です: " + std::to_string(set);
    return db_->transaction([&] {
        Statement s(db_->handle, name.empty() ? "DELETE FROM mark_sets WHERE mark_set = ?"
                                              : "INSERT OR REPLACE INTO mark_sets VALUES (?, ?)");
        s.bind(1, set);
        if (!name.empty()) s.bind(2, name);
        return s.step() == SQLITE_DONE;
    });
}

RaceUserMarks UserMarksFile::marksOfRace(std::string_view raceKey, int set) const {
    RaceUserMarks marks{};
    Statement q(db_->handle, "SELECT umaban, mark FROM marks WHERE race_key = ? AND mark_set = ?");
    q.bind(1, raceKey).bind(2, set);
    while (q.step() == SQLITE_ROW) {
        const long long umaban = q.integer(0);
        const auto mark = userMarkFromNumber(q.integer(1));
        if (umaban >= 1 && umaban <= kMaxUmaban && mark) marks[static_cast<std::size_t>(umaban)] = *mark;
    }
    return marks;
}

std::vector<UserMarkRow> UserMarksFile::marksOfDay(std::string_view date, std::optional<int> set) const {
    std::vector<UserMarkRow> rows;
    // Race keys start with the date: the day's keys lie between date and date + "~".
    Statement q(db_->handle,
                "SELECT race_key, umaban, mark_set, mark FROM marks WHERE race_key > ? AND race_key < ? "
                "AND (?3 = 0 OR mark_set = ?3) ORDER BY race_key, umaban, mark_set");
    q.bind(1, date).bind(2, std::string(date) + "~").bind(3, set.value_or(0));
    while (q.step() == SQLITE_ROW) {
        UserMarkRow row{q.text(0), static_cast<int>(q.integer(1)), static_cast<int>(q.integer(2)), UserMark::none};
        const auto mark = userMarkFromNumber(q.integer(3));
        if (!mark || *mark == UserMark::none) continue;
        row.mark = *mark;
        if (!userMarkRowProblem(row)) rows.push_back(std::move(row));
    }
    return rows;
}

std::string UserMarksFile::raceNote(std::string_view raceKey) const {
    return getText(db_->handle, "SELECT note FROM race_notes WHERE race_key = ?", raceKey);
}

std::string UserMarksFile::horseNote(std::string_view kettonum) const {
    return getText(db_->handle, "SELECT note FROM horse_notes WHERE kettonum = ?", kettonum);
}

namespace {

std::vector<std::pair<std::string, std::string>> keyedTexts(sqlite3* db, const char* sql) {
    std::vector<std::pair<std::string, std::string>> texts;
    Statement q(db, sql);
    while (q.step() == SQLITE_ROW) texts.emplace_back(q.text(0), q.text(1));
    return texts;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> UserMarksFile::raceNotes() const {
    return keyedTexts(db_->handle, "SELECT race_key, note FROM race_notes ORDER BY race_key");
}

std::vector<std::pair<std::string, std::string>> UserMarksFile::horseNotes() const {
    return keyedTexts(db_->handle, "SELECT kettonum, note FROM horse_notes ORDER BY kettonum");
}

std::string UserMarksFile::setName(int set) const {
    Statement q(db_->handle, "SELECT name FROM mark_sets WHERE mark_set = ?");
    q.bind(1, set);
    if (q.step() == SQLITE_ROW) return q.text(0);
    return defaultUserMarkSetName(set);
}

fs::path userMarksPath(const fs::path& appDir) { return appDir / "usermarks.sqlite"; }

}  // namespace vantor
