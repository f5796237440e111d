#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "codes/calendar.h"
#include "commands.h"
#include "export/export_messages.h"
#include "export/postgres_sink.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "progress_lines.h"
#include "usermarks/user_marks_export.h"

namespace vantor::cli {
namespace {

// "yyyy-mm-dd" of a real date.
bool isIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    return isValidDateText(text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2));
}

}  // namespace

int exportStore(const Context& ctx) {
    using namespace sqlexport;
    ExportOptions options;
    options.from = ctx.args.value("--from").value_or("");
    options.to = ctx.args.value("--to").value_or("");
    for (const auto& date : {options.from, options.to}) {
        if (!date.empty() && !isIsoDate(date)) {
            std::cerr << "--from and --to take a date yyyy-mm-dd, not \"" << date << "\"\n";
            return 2;
        }
    }
    const auto file = ctx.args.value("--sqlite");
    const auto server = ctx.args.value("--postgres");
    if (file.has_value() == server.has_value() || (file && file->empty())) {
        std::cerr << "export needs --sqlite FILE or --postgres CONNINFO\n";
        return 2;
    }
    std::unique_ptr<SqlSink> sink;
    if (file) {
        const bool replace = ctx.args.has("--replace");
        auto opened = SqliteSink::open(*file, replace);
        if (const auto* refused = std::get_if<SqliteOpenError>(&opened)) {
            // Only a file refused as no export of this version can be replaced by a new one.
            const bool replaceable = !replace && refused->refusal;
            std::cerr << refused->message << (replaceable ? "; --replace overwrites it\n" : "\n");
            return 1;
        }
        sink = std::move(std::get<0>(opened));
    } else {
        auto opened = PostgresSink::open(*server);
        if (const auto* error = std::get_if<std::string>(&opened)) {
            std::cerr << *error << '\n';
            return 1;
        }
        sink = std::move(std::get<0>(opened));
    }
    const UserMarksExportSource marks(ctx.appDir);
    options.sideSources.push_back(&marks);
    const std::string target = file ? *file : "the PostgreSQL database";
    ProgressLines progress("exporting store files", isatty(STDERR_FILENO) == 1);
    try {
        const auto report = exportStore(StorePaths(ctx.appDir), *sink, options,
                                        [&progress](int done, int total) { progress.show(done, total); });
        progress.end();
        for (const auto& line : reportLines(report)) std::cerr << line << '\n';
    } catch (const SinkError& error) {
        progress.end();
        std::cerr << failureText(target, error.what()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantor::cli
