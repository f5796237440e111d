// Day loading from damaged store files: the input is the bytes of the
// files one day load reads, in the order it reads them, separated by
// kFileBreak (files beyond the input are missing). Each piece is read
// through a file by the program's own bounded read, as a store file would
// be. The load must end, whatever the bytes, with a race list that fits
// the day's tables.

#include <fstream>

#include "fuzz_support.h"
#include "raceday/day_loader.h"
#include "store/store_folders.h"

namespace fs = std::filesystem;
using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path app = [] {
        const fs::path folder = fuzz::workFolder() / "day";
        fs::create_directories(folder);
        if (ensureStoreFolders(folder)) std::abort();
        return folder;
    }();
    static const std::unique_ptr<RaceDay> day = RaceDay::create();

    const std::vector<std::string_view> files = fuzz::split(fuzz::bytesOf(data, size), fuzz::kFileBreak);
    std::size_t next = 0;
    const fs::path piece = app / "piece";
    DayLoader loader(StorePaths(app), [&](const fs::path&, const ReadBound& bound) {
        if (next >= files.size()) return FileContent{FileContent::Status::missing, {}};
        std::ofstream(piece, std::ios::binary | std::ios::trunc) << files[next++];
        return readFilePart(piece, bound);
    });
    const DayLoadResult result = loader.load("2024年05月26日", *day);
    fuzz::check(result.raceItems.size() <= static_cast<std::size_t>(kMaxRaces), "the race list fits the day");
    fuzz::check(result.upDownMax == static_cast<int>(result.raceItems.size()) - 1 ||
                    result.status != DayLoadResult::Status::loaded,
                "the stepper covers the race list");
    return 0;
}
