// The race day's live records: the input is the day ("yyyymmdd") and then
// answers separated by kAnswerBreak, each a byte (dataspec in its low two
// bits, "complete" in bit 2) and records separated by CR LF. Each answer is
// filed by the live filing into a store held in memory and applied to the
// day's live state. Whatever the bytes: no write lands outside the day's
// folder, every file holds whole lines, every record the checks refuse is
// counted by both, and the state names only races of that day.

#include <numeric>

#include "fuzz_support.h"
#include "memory_store.h"
#include "raceday/live_day.h"
#include "store/live_files.h"
#include "store/record_checks.h"
#include "store/store_image.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

int counted(std::span<const LiveSkip> skips) {
    return std::accumulate(skips.begin(), skips.end(), 0, [](int n, const LiveSkip& s) { return n + s.count; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<LiveDay> live = LiveDay::create();
    const std::string_view input = fuzz::bytesOf(data, size);
    if (input.size() < 8) return 0;
    const SjisView day = input.substr(0, 8);
    fuzz::MemoryStore store;
    const StorePaths& paths = store.paths();
    live->reset(day);
    LiveFiler filer(paths, day, store.files);

    int refused = 0, filedRefused = 0;
    std::vector<SjisView> records;
    for (const std::string_view answer : fuzz::split(input.substr(8), fuzz::kAnswerBreak)) {
        if (answer.empty()) continue;
        const auto dataspec = static_cast<LiveDataspec>(answer[0] & 3);
        const bool complete = (answer[0] & 4) != 0;
        records.clear();
        for (const std::string_view record : fuzz::split(answer.substr(1), "\r\n"))
            if (!record.empty()) records.push_back(record);
        int problems = 0;
        for (const SjisView record : records) problems += liveRecordProblem(dataspec, record, day).has_value();
        refused += problems;
        // Part of a day-changes answer is not filed at all.
        if (dataspec != LiveDataspec::dayChanges || complete) filedRefused += problems;
        try {
            filer.file(dataspec, records, complete);
        } catch (const StoreError&) {
            fuzz::check(false, "a store in memory takes every answer");
        }
        live->applyAnswer(dataspec, records);
    }

    fuzz::check(counted(filer.skips().entries()) == filedRefused, "the filing counts every record it refuses");
    fuzz::check(counted(live->skipped()) >= refused, "the live state counts every record it refuses");
    const fs::path folder = paths.liveDayDir(day);
    store.files.forEachFile([&folder](const std::string& path, std::string_view bytes) {
        fuzz::check(fs::path(path).parent_path() == folder, "nothing lands outside the day's folder");
        fuzz::check(bytes.empty() || bytes.ends_with("\r\n"), "a file ends its last line");
        for (const std::string_view line :
             fuzz::split(bytes.substr(0, bytes.size() - std::min<std::size_t>(bytes.size(), 2)), "\r\n"))
            fuzz::check(isOneLine(line), "every line is one record");
    });
    for (const LiveRace& race : live->races())
        fuzz::check(race.raceKey.view().starts_with(day), "the state holds races of the day alone");
    return 0;
}
