// Record filing: the input is one delivered record. It is filed by the
// acquisition filing into a fresh store, then once more by the real-time
// filing (which loads, changes and saves what the first wrote). The store
// must then hold only whole records of each file's kind, one per line,
// runner files of 216 slots, keyed files in strictly ascending race-key
// order, no temporary files, and nothing outside the program folder. The
// store is held in memory (a fresh one per input).

#include <algorithm>

#include "fuzz_support.h"
#include "memory_store.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_structure.h"
#include "store/record_checks.h"
#include "store/record_filer.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

struct Kind {
    std::string_view extension;
    std::size_t length;
    bool keyed;
};

constexpr Kind kKinds[] = {
    {".jvRA", jvdata::kRaLength, true},  {".jvHR", jvdata::kHrLength, true},   {".jvSEr", jvdata::kSeLength, false},
    {".jvSEI", jvdata::kSeLength, true}, {".jvSERA", jvdata::kRaLength, true}, {".jvUM2", jvdata::kUmLength, false},
    {".jvO1", jvdata::kO1Length, true},  {".jvO2", jvdata::kO2Length, true},
};

void checkStoreFile(const fs::path& path, std::string_view bytes) {
    const std::string name = path.filename().string();
    fuzz::check(!name.starts_with("."), "no temporary file is left");
    const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                   [&](const Kind& k) { return path.extension() == k.extension; });
    fuzz::check(kind != std::end(kKinds), "every store file is of a known kind");
    fuzz::check(bytes.size() % kind->length == 0, "a store file is whole records");
    if (kind->extension == ".jvSEr") fuzz::check(bytes.size() == kRunnerFileSlots * kind->length, "216 slots");
    if (kind->extension == ".jvUM2") fuzz::check(bytes.size() == kind->length, "one horse master record");
    std::string_view previousKey;
    for (std::size_t at = 0; at < bytes.size(); at += kind->length) {
        const std::string_view record = bytes.substr(at, kind->length);
        fuzz::check(record.ends_with("\r\n"), "every record ends its line");
        fuzz::check(isOneLine(sjisBytes(record)), "every line is one whole record");
        if (!kind->keyed) continue;
        const std::string_view key = record.substr(11, 16);
        fuzz::check(previousKey.empty() || previousKey < key, "race keys ascend, each once");
        previousKey = key;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SjisView record = sjisBytes(fuzz::bytesOf(data, size));
    fuzz::MemoryStore store;
    const StorePaths& paths = store.paths();
    try {
        StoreBatch acquired(store.files);
        RecordFiler filer(paths, acquired);
        std::vector<SjisString> lines;
        filer.fileAcquired(record, 0, lines);
        acquired.flush();
        StoreBatch realtime(store.files);
        RecordFiler(paths, realtime).fileRealtime(record);
        realtime.flush();
    } catch (const StoreError&) {
        // A record that cannot name a file in a folder is an error of the run, not damage.
    }
    store.files.forEachFile([](const std::string& path, std::string_view bytes) {
        fuzz::check(fuzz::MemoryStore::inside(path), "nothing lands outside the program folder");
        checkStoreFile(path, bytes);
    });
    return 0;
}
