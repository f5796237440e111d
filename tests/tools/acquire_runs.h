#pragma once
// Real `vantor-cli acquire` runs for the tools tests: a small set-up feed
// cut from the demo season, runs started as processes, and a program
// folder's files to compare byte for byte (snapshot, in temp_dir.h), the
// analysis database by its rows.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "demo/demo_feed.h"
#include "support/analysis_db_rows.h"
#include "support/temp_dir.h"

namespace vantor::test {

// Starts `vantor-cli acquire` of the set-up data of feed into app, with
// the extra options; its messages go to errors (or nowhere).
inline pid_t startAcquire(const std::filesystem::path& app, const std::filesystem::path& feed,
                          const std::vector<std::string>& extra = {}, const char* errors = "/dev/null") {
    std::vector<std::string> words = {VANTOR_CLI, "--app-dir", app.string(),         "acquire", "--feed", feed.string(),
                                      "--setup",  "--from",    "2023/01/01 00:00:00"};
    words.insert(words.end(), extra.begin(), extra.end());
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen(errors, "w", stderr)) ::_exit(126);
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        ::execv(VANTOR_CLI, argv.data());
        ::_exit(127);
    }
    return pid;
}

// The exit status of a started run (as waitpid gives it).
inline int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// The program folder's files with their bytes, but the analysis database
// by its rows.
inline std::map<std::string, std::string> folderSnapshot(const std::filesystem::path& app) {
    auto files = snapshot(app);
    if (const auto db = files.find("analysis.sqlite"); db != files.end()) db->second = analysisDbRows(db->second);
    return files;
}

// Writes into out the set-up data of the demo's last month, records
// first .. first + count of it: about a thousand store files for 1,200.
inline void makeSetupFeed(const std::filesystem::path& out, std::size_t first, std::size_t count) {
    demo::DemoOptions options;
    options.out = out;
    options.toDate = 20240527;
    options.years = 1;
    if (!demo::generateDemoFeed(options).ok()) return;
    std::filesystem::remove_all(out / "normal");
    for (const auto& e : std::filesystem::directory_iterator(out / "setup")) {
        if (e.path().filename().string() < "20240520060000_RACE202403") {
            std::filesystem::remove(e.path());
            continue;
        }
        const std::string records = readFile(e.path());
        // Where the record after the one starting at pos starts.
        const auto nextRecord = [&records](std::size_t pos) {
            const std::size_t end = records.find("\r\n", pos);
            return end == std::string::npos ? records.size() : end + 2;
        };
        std::size_t begin = 0;
        for (std::size_t n = 0; n < first && begin < records.size(); ++n) begin = nextRecord(begin);
        std::size_t end = begin;
        for (std::size_t n = 0; n < count && end < records.size(); ++n) end = nextRecord(end);
        writeFile(e.path(), records.substr(begin, end - begin));
    }
}

}  // namespace vantor::test
