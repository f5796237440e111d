// Day loading from damaged store files: the input is the bytes of the
// files one day load reads, in the order it reads them, separated by
// kFileBreak (files beyond the input are missing). Each piece is cut to
// the bound of its read, as a store file would be; what the load writes (a
// converted horse master) goes into a store held in memory, emptied for
// each input, and must stay inside the program folder. The day and the
// loader are kept for the whole run, as the window keeps its day, so that
// every load also starts from what the one before left. The load must end,
// whatever the bytes, with a race list that fits the day's tables.

#include "fuzz_support.h"
#include "memory_store.h"
#include "raceday/day_loader.h"

namespace fs = std::filesystem;
using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<RaceDay> day = RaceDay::create();
    static fuzz::MemoryStore store;
    static std::vector<std::string_view> files;
    static std::size_t next = 0;
    static DayLoader loader(
        store.paths(),
        [](const fs::path&, const ReadBound& bound) {
            if (next >= files.size()) return FileContent{FileContent::Status::missing, {}};
            const ReadRange range = readRange(files[next].size(), bound);
            return FileContent{FileContent::Status::ok, std::string(files[next++].substr(range.offset, range.length))};
        },
        store.files);

    store.renew();
    files = fuzz::split(fuzz::bytesOf(data, size), fuzz::kFileBreak);
    next = 0;
    const DayLoadResult result = loader.load("2024年05月26日", *day);
    fuzz::check(result.raceItems.size() <= static_cast<std::size_t>(kMaxRaces), "the race list fits the day");
    fuzz::check(result.upDownMax == static_cast<int>(result.raceItems.size()) - 1 ||
                    result.status != DayLoadResult::Status::loaded,
                "the stepper covers the race list");
    store.files.forEachFile([](const std::string& path, std::string_view) {
        fuzz::check(fuzz::MemoryStore::inside(path), "nothing lands outside the program folder");
    });
    // What the input made goes with it, so that libFuzzer's leak check
    // finds nothing held from one input to the next.
    store.files.clear();
    return 0;
}
