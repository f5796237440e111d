#include "export/analysis_db.h"

#include <optional>

#include "export/sqlite_sink.h"

namespace vantor::sqlexport {
namespace fs = std::filesystem;
namespace {

// The export into the sink; the database's error when it failed, the
// sink's transaction then rolled back.
std::optional<std::string> exportInto(const StorePaths& paths, SqlSink& sink, const ExportOptions& options,
                                      const ExportProgress& progress, ExportReport& report) {
    try {
        report = exportStore(paths, sink, options, progress);
        return std::nullopt;
    } catch (const SinkError& error) {
        return std::string(error.what());
    }
}

}  // namespace

fs::path analysisDbPath(const fs::path& programFolder) { return programFolder / "analysis.sqlite"; }

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
            (*sink)->setPump(pump);
            const auto failure = exportInto(paths, **sink, options, progress, result.report);
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
    std::get<0>(created)->setPump(pump);
    if (const auto failure = exportInto(paths, *std::get<0>(created), options, progress, result.report)) {
        result.status = Status::failed;
        result.problem += "; " + file.string() + ": " + *failure;
        return result;
    }
    result.status = existed ? Status::rebuilt : Status::built;
    return result;
}

}  // namespace vantor::sqlexport
