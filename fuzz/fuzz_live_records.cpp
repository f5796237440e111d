// The race day's live records: the input is the day ("yyyymmdd") and then
// answers separated by kAnswerBreak, each a byte (dataspec in its low two
// bits, "complete" in bit 2) and records separated by CR LF. Each answer is
// taken by the live filing and applied to the day's live state; the filing
// writes into files held in memory as two fetches of the day do: once after
// the first answer, and once after the others, over what the first wrote. Whatever the bytes: no answer fails, no write
// lands outside the day's folder, every file holds whole lines, the records the checks refuse are counted alike by
// both, and the state names only races of that day.

#include <numeric>
#include <utility>

#include "fileio/memory_files.h"
#include "fuzz_support.h"
#include "memory_store.h"
#include "raceday/live_day.h"
#include "store/live_files.h"
#include "store/record_checks.h"
#include "store/store_image.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

// The records skipped for the reason and of the kind of `like`.
int countLike(std::span<const LiveSkip> skips, const LiveSkip& like) {
    return std::accumulate(skips.begin(), skips.end(), 0, [&like](int n, const LiveSkip& s) {
        return s.reason == like.reason && s.kind == like.kind ? n + s.count : n;
    });
}

// A table of skips that has room left counts each kind and reason apart.
constexpr std::size_t kSkipKinds = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<LiveDay> live = LiveDay::create();
    const std::string_view input = fuzz::bytesOf(data, size);
    if (input.size() < 8) return 0;
    // The race day as the live fetch names it: eight digits.
    const SjisView day = sjisBytes(input.substr(0, 8));
    if (!isAllDigits(day)) return 0;
    // The live filing needs no store folder of its own: it makes the day's.
    MemoryFiles files;
    const StorePaths& paths = fuzz::MemoryStore::paths();
    live->reset(day);
    LiveFiler filer(paths, day, files);
    LiveSkips skips;

    const auto write = [&filer] {
        try {
            filer.write();
        } catch (const StoreError&) {
            fuzz::check(false, "a store in memory takes every answer");
        }
    };
    bool partial = false;  // a day-changes answer that is not filed at all
    bool first = true;
    std::vector<SjisView> records;
    for (const std::string_view answer : fuzz::split(input.substr(8), fuzz::kAnswerBreak)) {
        if (answer.empty()) continue;
        const auto dataspec = static_cast<LiveDataspec>(answer[0] & 3);
        const bool complete = (answer[0] & 4) != 0;
        records.clear();
        for (const std::string_view record : fuzz::split(answer.substr(1), "\r\n"))
            if (!record.empty()) records.push_back(sjisBytes(record));
        partial = partial || (dataspec == LiveDataspec::dayChanges && !complete);
        filer.add(dataspec, records, complete, skips);
        live->applyAnswer(dataspec, records);
        if (std::exchange(first, false)) write();
    }
    write();

    // Both take the same records through the same checks; the live state
    // also skips what its tables cannot hold (a race beyond the day's).
    const bool roomLeft = skips.entries().size() < kSkipKinds && live->skipped().size() < kSkipKinds;
    for (const LiveSkip& skip : skips.entries()) {
        const int inState = countLike(live->skipped(), skip);
        fuzz::check(!roomLeft || inState >= skip.count, "what the filing refuses the live state refuses");
        if (roomLeft && !partial && skip.reason != LiveSkipReason::race)
            fuzz::check(inState == skip.count, "both count the same refusals");
    }
    const fs::path folder = paths.liveDayDir(day);
    files.forEachFile([&folder](const std::string& path, std::string_view bytes) {
        fuzz::check(fs::path(path).parent_path() == folder, "nothing lands outside the day's folder");
        fuzz::check(bytes.empty() || bytes.ends_with("\r\n"), "a file ends its last line");
        for (const std::string_view line :
             fuzz::split(bytes.substr(0, bytes.size() - std::min<std::size_t>(bytes.size(), 2)), "\r\n"))
            fuzz::check(isOneLine(sjisBytes(line)), "every line is one record");
    });
    for (const LiveRace& race : live->races())
        fuzz::check(race.raceKey.view().starts_with(day), "the state holds races of the day alone");
    return 0;
}
