#include "export/analysis_db.h"

#include <optional>

namespace vantor::sqlexport {
namespace fs = std::filesystem;
namespace {

// A person's (and a horse's, for a sire's runners) runs of a period, and a
// race's facts, are read from the index alone: the runner and race rows are
// wide, and reading them was most of a record's time. The secondary indexes
// of these WITHOUT ROWID tables hold the primary key (the race key and
// horse number) too. Then the names people and horses are found by.
std::vector<ExtraIndex> recordIndexes() {
    const std::string runs = "race_date, kakuteijyuni, ninki, ijyocd, jyocd_name)";
    return {
        {"stats_runners_jockey", "runners (kisyucode, " + runs},
        {"stats_runners_trainer", "runners (chokyosicode, " + runs},
        {"stats_runners_owner", "runners (banusicode, " + runs},
        {"stats_runners_horse", "runners (kettonum, " + runs},
        {"stats_races_facts",
         "races (race_date, jyocd, kaiji, nichiji, racenum, trackcd, kyori, sibababacd, dirtbabacd, jyokencd_5, "
         "jyokencd_5_name)"},
        {"stats_runners_jockey_name", "runners (kisyuryakusyo, kisyucode, race_date)"},
        {"stats_runners_trainer_name", "runners (chokyosiryakusyo, chokyosicode, race_date)"},
        {"stats_runners_owner_name", "runners (banusiname, banusicode, race_date)"},
        {"stats_runners_horse_name", "runners (bamei, kettonum, race_date)"},
        {"stats_horses_sire_name", "horses (hansyokuname_1, hansyokunum_1, birthdate)"},
    };
}

// The export into the sink, with the record views' indexes; the
// database's error when it failed, the sink's transaction then rolled back.
std::optional<std::string> exportInto(const StorePaths& paths, SqliteSink& sink, const ExportOptions& options,
                                      const ExportProgress& progress, const std::function<void()>& pump,
                                      ExportReport& report) {
    try {
        sink.setPump(pump);
        sink.setExtraIndexes(analysisDbIndexes());
        report = exportStore(paths, sink, options, progress);
        return std::nullopt;
    } catch (const SinkError& error) {
        return std::string(error.what());
    }
}

}  // namespace

fs::path analysisDbPath(const fs::path& programFolder) { return programFolder / "analysis.sqlite"; }

const std::vector<ExtraIndex>& analysisDbIndexes() {
    static const std::vector<ExtraIndex> indexes = recordIndexes();
    return indexes;
}

AnalysisDbUpdate updateAnalysisDb(const StorePaths& paths, const std::vector<const SideSource*>& sideSources,
                                  const ExportProgress& progress, const std::function<void()>& pump) {
    using Status = AnalysisDbUpdate::Status;
    const fs::path file = analysisDbPath(paths.appDir());
    ExportOptions options;
    options.sideSources = sideSources;
    AnalysisDbUpdate result;
    std::error_code error;
    // What a writer killed in the middle of a first build left; an update
    // in place would never clear it.
    fs::path partial = file;
    partial += ".partial";
    fs::remove(partial, error);
    const fs::file_status status = fs::symlink_status(file, error);
    const bool existed = fs::exists(status);
    // A link would have the update write wherever it points: it is
    // replaced by a file of the folder's own.
    if (fs::is_symlink(status)) {
        result.problem = file.string() + " is a link, not a file of the program folder";
    } else {
        auto opened = SqliteSink::open(file, false);
        if (auto* sink = std::get_if<std::unique_ptr<SqliteSink>>(&opened)) {
            const auto failure = exportInto(paths, **sink, options, progress, pump, result.report);
            if (!failure) {
                result.status = existed ? Status::updated : Status::built;
                return result;
            }
            result.problem = file.string() + ": " + *failure;
            // A new file that failed has nothing to be rebuilt from another try.
            if (!existed) {
                result.status = Status::failed;
                return result;
            }
        } else {
            result.problem = std::get<SqliteOpenError>(opened).message;
        }
    }
    auto created = SqliteSink::create(file);
    if (const auto* refused = std::get_if<SqliteOpenError>(&created)) {
        result.status = Status::failed;
        if (refused->message != result.problem) result.problem += "; " + refused->message;
        return result;
    }
    result.report = {};
    if (const auto failure = exportInto(paths, *std::get<0>(created), options, progress, pump, result.report)) {
        result.status = Status::failed;
        result.problem += "; " + file.string() + ": " + *failure;
        return result;
    }
    result.status = existed ? Status::rebuilt : Status::built;
    return result;
}

}  // namespace vantor::sqlexport
