// The store batch: files written early to keep the held changes small end
// as one write at the end leaves them; damaged and oversized files are
// mended; a file that cannot be read or written is an error naming it.

#include "store/store_batch.h"

#include <gtest/gtest.h>

#include <map>

#include "fileio/memory_files.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// Six weeks of racing in which the same horses run again and again, cards
// are replaced by results, masters replaced whole and results fetched for
// a day that is filed and one that is not.
struct Season {
    std::vector<SjisString> acquired, realtime;
};

Season season(int firstWeek, int weeks) {
    static const char* const horses[] = {"2020100001", "2020100002", "2020100003",
                                         "2020100004", "2020100005", "2020100006"};
    static const int dates[] = {20240106, 20240113, 20240120, 20240127, 20240203, 20240210};
    Season s;
    for (int w = firstWeek; w < firstWeek + weeks; ++w) {
        for (const char* kind : {"2", "7"}) {
            for (int race = 1; race <= 3; ++race) {
                const RaceId id{.date = dates[w], .race = race};
                s.acquired.push_back(raRecord(id, 4, kind));
                for (int h = 1; h <= 4; ++h) s.acquired.push_back(seRecord(id, h, horses[(w + race + h) % 6], kind));
                s.acquired.push_back(hrRecord(id, kind));
            }
        }
        for (const char* horse : horses) s.acquired.push_back(umRecord(horse, w % 2 ? "父" : "母"));
        s.realtime.push_back(hrRecord({.date = dates[w], .race = 2}, "7", 3));
        s.realtime.push_back(raRecord({.date = dates[w] + 1}, 4));  // a day never filed
    }
    return s;
}

// Files the season into the store of paths; with keep, writes early after
// every record so that the held changes take no more than keep bytes.
void file(const StorePaths& paths, const Season& s, std::optional<std::size_t> keep, FileAccess& files = diskFiles()) {
    StoreBatch batch(files);
    RecordFiler filer(paths, batch);
    std::vector<SjisString> lines;
    const auto early = [&] {
        if (!keep) return;
        batch.flushTo(*keep);
        EXPECT_LE(batch.heldBytes(), *keep);
    };
    for (const auto& r : s.acquired) {
        filer.fileAcquired(r, 20240101, lines);
        early();
    }
    for (const auto& r : s.realtime) {
        filer.fileRealtime(r);
        early();
    }
    batch.flush();
    EXPECT_EQ(batch.heldBytes(), 0u);
}

}  // namespace

TEST(StoreBatch, FilesWrittenEarlyEndAsOneWriteAtTheEndLeavesThem) {
    ProgramFolder once, early;
    // Files already on disk, which the early writes read back.
    file(once.paths(), season(0, 2), {});
    file(early.paths(), season(0, 2), {});
    file(once.paths(), season(2, 4), {});
    file(early.paths(), season(2, 4), 3000);
    const auto expected = snapshot(once.path());
    EXPECT_GT(expected.size(), 20u);
    EXPECT_EQ(snapshot(early.path()), expected);
}

// Filing again what the store holds (a repeated results fetch) writes no
// file it merges into (the horse masters are replaced whole, unread); a
// file with a torn tail is still mended by its next save.
TEST(StoreBatch, FilingWhatIsThereAgainRewritesNothingButStillMendsDamage) {
    ProgramFolder folder;
    file(folder.paths(), season(0, 3), {});
    std::map<fs::path, fs::file_time_type> written;
    for (const auto& e : fs::recursive_directory_iterator(folder.path()))
        if (e.is_regular_file() && e.path().extension() != ".jvUM2") written[e.path()] = fs::last_write_time(e.path());
    ASSERT_GT(written.size(), 10u);
    const auto expected = snapshot(folder.path());
    const fs::path torn = folder.paths().dayFile("2024年01月06日", ".jvRA");
    std::string bytes = readFile(torn);
    writeFile(torn, bytes + bytes.substr(0, 100));
    const auto tornTime = fs::last_write_time(torn);
    for (auto& [path, time] : written) fs::last_write_time(path, time - std::chrono::hours(1));

    file(folder.paths(), season(0, 3), {});
    EXPECT_EQ(snapshot(folder.path()), expected) << "the torn tail is cut";
    for (const auto& [path, time] : written) {
        if (path == torn)
            EXPECT_NE(fs::last_write_time(path), tornTime - std::chrono::hours(1)) << path;
        else
            EXPECT_EQ(fs::last_write_time(path), time - std::chrono::hours(1)) << path;
    }
}

TEST(StoreBatch, AStoreInMemoryEndsWithTheFilesTheDiskGets) {
    ProgramFolder disk;
    file(disk.paths(), season(0, 2), {});
    file(disk.paths(), season(2, 4), 3000);

    MemoryFiles memory;
    const StorePaths paths(fs::path("/nonexistent/app"));
    for (const fs::path& folder : {paths.dataDir(), paths.seiDir(), paths.seirDir(), paths.um2Dir()})
        memory.makeFolders(folder);
    file(paths, season(0, 2), {}, memory);
    file(paths, season(2, 4), 3000, memory);
    std::map<std::string, std::string> inMemory;
    memory.forEachFile([&](const std::string& path, std::string_view bytes) {
        inMemory[fs::relative(path, paths.appDir()).string()] = bytes;
    });
    // The store folders on disk match their names without regard to case.
    std::map<std::string, std::string> onDisk;
    for (const auto& [path, bytes] : snapshot(disk.path())) {
        const std::size_t slash = path.find('/');
        const std::string top = path.substr(0, slash);
        const fs::path spelt = top == "DATA" ? paths.dataDir() : paths.appDir() / top;
        onDisk[fs::relative(spelt, paths.appDir()).string() + path.substr(slash)] = bytes;
    }
    EXPECT_EQ(inMemory, onDisk);
}

TEST(StoreBatch, AnUnreadableFileInMemoryIsAnErrorNamingIt) {
    MemoryFiles memory;
    memory.put("/app/Data/x.jvRA", "");
    memory.makeUnreadable("/app/Data/x.jvRA");
    StoreBatch b(memory);
    EXPECT_THROW(b.mergeKeyed("/app/Data/x.jvRA", SjisString(1268, 'R')), StoreError);
    b.putRunnerSlot("/app/Data/missing/x.jvSEr", SjisString(553, 'B'), 1, 1, true);
    EXPECT_THROW(b.flush(), StoreError) << "its folder is not there";
}

TEST(StoreBatch, TheFileLeftAloneLongestIsWrittenFirst) {
    TempDir dir;
    StoreBatch b;
    const auto run = [](int n) {
        return "SE000000000" + formatted("%lld", 2024010100000000LL + n) + SjisString(526, ' ');
    };
    for (int n = 0; n < 10; ++n) b.mergeKeyed(dir / "done.jvSEI", run(n));
    for (int n = 0; n < 10; ++n) b.mergeKeyed(dir / "running.jvSEI", run(n));
    b.flushTo(b.heldBytes() / 2 + 1000);
    EXPECT_TRUE(fs::exists(dir / "done.jvSEI"));
    EXPECT_FALSE(fs::exists(dir / "running.jvSEI"));
}

TEST(StoreBatch, ReplacingAFileWholeLetsGoOfItsEarlierChanges) {
    TempDir dir;
    StoreBatch b;
    b.replaceWhole(dir / "h.jvUM2", "first");
    const std::size_t one = b.heldBytes();
    for (int n = 0; n < 100; ++n) b.replaceWhole(dir / "h.jvUM2", SjisString(1607, static_cast<char>('a' + n % 26)));
    b.replaceWhole(dir / "h.jvUM2", "last");
    EXPECT_EQ(b.heldBytes(), one - 1);  // "last" is a byte shorter than "first"
    b.flush();
    EXPECT_EQ(readFile(dir / "h.jvUM2"), "last\r\n");
}

TEST(StoreBatch, DamagedRunnerSlotsBecomeBlankAndTheOthersStayInPlace) {
    TempDir dir;
    const fs::path file = dir / "x.jvSEr";
    std::string broken(553, 'C');
    broken[10] = '\r';
    test::writeFile(file, broken + "\r\n" + std::string(553, 'A') + "\r\n" + std::string(300, 'D'));
    StoreBatch b;
    b.putRunnerSlot(file, SjisString(553, 'B'), 12, 18, false);
    b.flush();
    const std::string bytes = readFile(file);
    ASSERT_EQ(bytes.size(), 216u * 555u);
    EXPECT_EQ(bytes.substr(0, 555), std::string(553, ' ') + "\r\n");
    EXPECT_EQ(bytes.substr(555, 555), std::string(553, 'A') + "\r\n");
    EXPECT_EQ(bytes.substr(2 * 555, 555), std::string(553, ' ') + "\r\n");
    EXPECT_EQ(bytes.substr(215 * 555, 553), std::string(553, 'B'));
}

// A file grown far beyond what it can hold is read only as far as it can
// hold: what lies beyond is dropped by the save.
TEST(StoreBatch, OversizedFilesAreReadOnlyAsFarAsTheyCanHold) {
    TempDir dir;
    const fs::path runners = dir / "x.jvSEr";
    test::writeFile(runners, std::string(553, 'A') + "\r\n");
    fs::resize_file(runners, 3ull << 30);  // sparse
    const fs::path history = dir / "h.jvSEI";
    // Lines of 553 bytes whose race key (bytes 12-27) counts up from key(0).
    const auto run = [](int n) {
        return "SE000000000" + formatted("%lld", 1000000000000000LL + n) + SjisString(526, ' ');
    };
    SjisString runs;
    for (int n = 0; n < 600; ++n) runs += run(n) + "\r\n";
    test::writeFile(history, runs.bytes());

    StoreBatch b;
    b.putRunnerSlot(runners, SjisString(553, 'B'), 1, 2, false);
    b.mergeKeyed(history, run(600));
    EXPECT_LT(b.heldBytes(), 1u << 20);
    b.flush();
    const std::string kept = readFile(runners);
    ASSERT_EQ(kept.size(), 216u * 555u);
    EXPECT_EQ(kept.substr(0, 1110), std::string(553, 'A') + "\r\n" + std::string(553, 'B') + "\r\n");
    // The newest 512 lines are kept (the oldest cut off), with the new one.
    const std::string newest = readFile(history);
    EXPECT_EQ(newest.size(), 513u * 555u);
    EXPECT_EQ(sjisBytes(newest).substr(0, 553), run(88));
    EXPECT_EQ(sjisBytes(newest).substr(512 * 555, 553), run(600));
}

TEST(StoreBatch, UnwritableFileIsAnErrorNamingIt) {
    TempDir dir;
    fs::create_directories(dir / "Data" / "2024年05月26日.jvRA");  // a folder where the file goes
    StoreBatch b;
    EXPECT_THROW(b.mergeKeyed(dir / "Data" / "2024年05月26日.jvRA", raRecord({})), StoreError);
    b.replaceWhole(dir / "missing" / "x.jvUM2", "x");
    try {
        b.flush();
        FAIL() << "flush must fail";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("x.jvUM2"), std::string::npos);
    }
}
