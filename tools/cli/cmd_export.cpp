#include <iostream>

#include "codes/calendar.h"
#include "commands.h"
#include "export/export_messages.h"
#include "export/postgres_sink.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"

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
        auto opened = SqliteSink::open(*file, ctx.args.has("--replace"));
        if (const auto* refused = std::get_if<SqliteOpenError>(&opened)) {
            std::cerr << refused->message << "; --replace overwrites it\n";
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
    const std::string target = file ? *file : "the PostgreSQL database";
    try {
        const auto report = exportStore(StorePaths(ctx.appDir), *sink, options, [](int done, int total) {
            if (done % 200 != 0 && done != total) return;
            std::cerr << "\rexporting store files " << done << "/" << total << std::flush;
            if (done == total) std::cerr << '\n';
        });
        for (const auto& line : reportLines(report)) std::cerr << line << '\n';
    } catch (const SinkError& error) {
        std::cerr << failureText(target, error.what()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantor::cli
