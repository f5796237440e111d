#include "store/record_filer.h"

#include <gtest/gtest.h>

#include "record_layouts/jvdata_record.h"
#include "store/day_list.h"
#include "store/unfiled_counts.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class FilingTest : public ::testing::Test {
protected:
    // Files each record as an acquisition from fromDate would, then saves.
    std::vector<std::string> acquire(std::initializer_list<SjisView> records, long long fromDate = 20240101) {
        std::vector<SjisString> lines;
        for (const auto& r : records) filer.fileAcquired(r, fromDate, lines);
        batch.flush();
        std::vector<std::string> utf8;
        for (const auto& l : lines) utf8.push_back(cp932ToUtf8(l));
        return utf8;
    }
    void realtime(std::initializer_list<SjisView> records) {
        for (const auto& r : records) filer.fileRealtime(r);
        batch.flush();
    }
    // The file's lines, records as they were filed.
    std::vector<SjisString> lines(const fs::path& p) {
        std::vector<SjisString> out;
        const std::string bytes = readFile(p);
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", at);
            EXPECT_NE(end, std::string::npos) << "every line ends in CR LF: " << p;
            if (end == std::string::npos) break;
            out.push_back(SjisString::fromBytes(bytes.substr(at, end - at)));
            at = end + 2;
        }
        return out;
    }
    fs::path data(const std::string& name) { return dir.data() / name; }

    ProgramFolder dir;
    StorePaths paths = dir.paths();
    StoreBatch batch;
    RecordFiler filer{paths, batch};
};

SjisString line(SjisView record) { return SjisString(record.substr(0, record.size() - 2)); }
SjisString zeroed(SjisView record) { return line(record).replace(2, 9, "000000000"); }

}  // namespace

TEST_F(FilingTest, RaceRecordsReplaceByKeyZeroTheStampAndSort) {
    const RaceId r11{}, r2{.race = 2};
    const SjisString first = raRecord(r11, 16, "2", "前");
    const SjisString later = raRecord(r11, 16, "7", "後");
    const auto list = acquire({first, raRecord(r2), later});
    const auto day = lines(data("2024年05月26日.jvRA"));
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0], zeroed(raRecord(r2)));
    EXPECT_EQ(day[1], zeroed(later));
    EXPECT_EQ(day[1].view().substr(2, 9), "000000000"_sjis);
    EXPECT_EQ(list[0], "作成済み:11R/2024年05月26日.jvRA");
    EXPECT_EQ(listRaceDays(paths), std::vector<std::string>{"2024年05月26日"});
}

TEST_F(FilingTest, RaceRecordsNeedAHeadCountOfOneToEighteenAndARaceNumber) {
    acquire({raRecord({.race = 1}, 0), raRecord({.race = 2}, 19), raRecord({.race = 0}, 10), raRecord({.race = 3}, 18),
             raRecord({.race = 4}, 1)});
    const auto day = lines(data("2024年05月26日.jvRA"));
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(jvdata::get(day[0], jvdata::ra::RaceNum), "03"_sjis);
    EXPECT_EQ(jvdata::get(day[1], jvdata::ra::RaceNum), "04"_sjis);
}

TEST_F(FilingTest, DateFilterWorksOnTheNumbersNotOnTheCalendar) {
    acquire({raRecord({.date = 20040305}), raRecord({.date = 20040304})}, 20040315);
    EXPECT_TRUE(fs::exists(data("2004年03月05日.jvRA")));
    EXPECT_FALSE(fs::exists(data("2004年03月04日.jvRA")));
    // 20040305 - 10 and 20040301 - 10 lie above every February date.
    for (long long from : {20040305LL, 20040301LL}) {
        TempDir other;
        fs::create_directories(other / "Data");
        StorePaths p(other.path());
        StoreBatch b;
        RecordFiler f(p, b);
        std::vector<SjisString> list;
        f.fileAcquired(raRecord({.date = 20040301}), from, list);
        f.fileAcquired(raRecord({.date = 20040229}), from, list);
        b.flush();
        EXPECT_TRUE(fs::exists(other / "Data" / "2004年03月01日.jvRA")) << from;
        EXPECT_FALSE(fs::exists(other / "Data" / "2004年02月29日.jvRA")) << from;
    }
}

TEST_F(FilingTest, RunnerFileIsAlways216WholeSlots) {
    const SjisString se = seRecord({.race = 11}, 3, "2020100001", "2");
    const auto list = acquire({se});
    const fs::path file = data("2024年05月26日東京.jvSEr");
    EXPECT_EQ(fs::file_size(file), 216u * 555u);
    const auto slots = lines(file);
    ASSERT_EQ(slots.size(), 216u);
    for (std::size_t i = 0; i < slots.size(); ++i)
        EXPECT_EQ(slots[i], i == 10 * 18 + 2 ? line(se) : SjisString(553, ' ')) << i;
    EXPECT_EQ(list[0], "作成済み:11R/03番/2024年05月26日東京.jvSEr");
    // Kind "2" goes into the runner file only.
    EXPECT_FALSE(fs::exists(dir / "SEI" / "2020" / "2020100001.jvSEI"));
    EXPECT_TRUE(fs::is_directory(dir / "SEI" / "2020"));

    // The same runner's result (kind "7") goes into both; the slot keeps the stamp.
    const SjisString result = seRecord({.race = 11}, 3, "2020100001", "7");
    const auto list2 = acquire({result});
    EXPECT_EQ(lines(file)[10 * 18 + 2], line(result));
    EXPECT_EQ(lines(dir / "SEI" / "2020" / "2020100001.jvSEI"), std::vector<SjisString>{zeroed(result)});
    EXPECT_EQ(list2[1], "作成済み:2024年05月26日東京11R/2020100001.jvSEI");
}

TEST_F(FilingTest, RunnerNumbersOutsideTheSlotsNeverIndexTheFile) {
    acquire({seRecord({.race = 13}, 1), seRecord({.race = 1}, 0), seRecord({.race = 1}, 19), seRecord({.race = 0}, 5)});
    EXPECT_FALSE(fs::exists(data("2024年05月26日東京.jvSEr")));
    EXPECT_EQ(lines(dir / "SEI" / "2020" / "2020100001.jvSEI").size(), 3u);  // race keys 13, 01 and 00
}

TEST_F(FilingTest, LocalAndOverseasRunsGoToHistoriesAndOutsideRaceFiles) {
    const RaceId local{.date = 20230105, .course = "44", .race = 9};
    acquire({raRecord(local, 12, "A"), seRecord(local, 4, "2020100001", "A")}, 20240101);
    EXPECT_EQ(lines(dir / "SEIR" / "2023" / "2023010544.jvSERA").size(), 1u);
    EXPECT_EQ(lines(dir / "SEI" / "2020" / "2020100001.jvSEI").size(), 1u);
    EXPECT_FALSE(fs::exists(data("2023年01月05日大井.jvSEr")));
    EXPECT_FALSE(fs::exists(data("2023年01月05日.jvRA")));
}

TEST_F(FilingTest, RunsAtARacecourseWithoutANameAreKeptWhereNoFileIsNamedAfterIt) {
    const RaceId overseas{.date = 20231001, .course = "00", .race = 5};
    const RaceId unnamedJra{.date = 20240526, .course = "00", .race = 3};
    acquire({raRecord(overseas, 12, "B"), seRecord(overseas, 4, "2020100001", "B"),
             seRecord(unnamedJra, 2, "2020100001", "7")});
    EXPECT_EQ(filer.rejected(), 0);
    EXPECT_EQ(lines(dir / "SEIR" / "2023" / "2023100100.jvSERA").size(), 1u);
    EXPECT_EQ(lines(dir / "SEI" / "2020" / "2020100001.jvSEI").size(), 2u);
    EXPECT_TRUE(fs::is_empty(dir.data())) << "no course runner file without a course name";

    realtime({seRecord(unnamedJra, 2, "2020100001", "7")});
    EXPECT_EQ(filer.rejected(), 1) << "a real-time runner record has nowhere else to go";
    SjisString lowerCase = seRecord(overseas, 4, "2020100001", "B");
    lowerCase.replace(19, 2, "a0");
    acquire({lowerCase});
    EXPECT_EQ(filer.rejected(), 2) << "a code that is not two of 0-9 and A-Z never reaches a path";
}

TEST_F(FilingTest, HorseMasterIsReplacedWhole) {
    acquire({umRecord("2020100001", "父一")});
    const SjisString second = umRecord("2020100001", "父二");
    const auto list = acquire({second});
    EXPECT_EQ(lines(dir / "UM2" / "2020" / "2020100001.jvUM2"), std::vector<SjisString>{line(second)});
    EXPECT_EQ(list[0], "作成済み:2020100001.jvUM2");
}

TEST_F(FilingTest, PayoutsAreKeyedAndStampedZero) {
    acquire({hrRecord({.race = 2}), hrRecord({.race = 1})});
    const auto hr = lines(data("2024年05月26日.jvHR"));
    ASSERT_EQ(hr.size(), 2u);
    EXPECT_EQ(hr[0], zeroed(hrRecord({.race = 1})));
}

TEST_F(FilingTest, RecordsThatCouldNameABadPathAreRejectedAndCounted) {
    SjisString hostileId = seRecord({}, 1, "../../etc/");
    SjisString badDate = raRecord({});
    badDate.replace(11, 4, "20/4");
    SjisString badCourse = raRecord({});
    badCourse.replace(19, 2, "..");
    SjisString shortRecord = raRecord({}).view().substr(0, 600) + "\r\n";
    SjisString umBad = umRecord("20201/0001");
    const auto list = acquire({hostileId, badDate, badCourse, shortRecord, umBad, "ZZjunk\r\n"});
    EXPECT_EQ(filer.rejected(), 5);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(fs::is_empty(dir.data()));
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "etc"));
}

TEST_F(FilingTest, RealtimeFilingNeverCreatesDayOrRunnerFilesButCreatesPayouts) {
    const RaceId id{};
    realtime({raRecord(id), seRecord(id, 1), hrRecord(id, "4")});
    EXPECT_FALSE(fs::exists(data("2024年05月26日.jvRA")));
    EXPECT_FALSE(fs::exists(data("2024年05月26日東京.jvSEr")));
    EXPECT_EQ(lines(data("2024年05月26日.jvHR")), std::vector<SjisString>{line(hrRecord(id, "4"))});
}

TEST_F(FilingTest, RealtimeFilingUpdatesExistingFiles) {
    const RaceId r1{.race = 1}, r2{.race = 2}, r3{.race = 3};
    acquire({raRecord(r1, 10, "2"), seRecord(r1, 5, "2020100001", "2"), hrRecord(r1), hrRecord(r3)});
    // A blank first line of a day race file is dropped on the way.
    test::writeFile(data("2024年05月26日.jvRA"),
                    std::string(1270, ' ') + "\r\n" + readFile(data("2024年05月26日.jvRA")));
    const SjisString result = seRecord(r1, 5, "2020100001", "7", 2);
    realtime({raRecord(r1, 10, "7"), result, hrRecord(r3, "7", 9), hrRecord(r2, "7")});
    EXPECT_EQ(lines(data("2024年05月26日.jvRA")), std::vector<SjisString>{zeroed(raRecord(r1, 10, "7"))});
    EXPECT_EQ(lines(data("2024年05月26日東京.jvSEr"))[4], line(result));
    EXPECT_EQ(lines(dir / "SEI" / "2020" / "2020100001.jvSEI").size(), 0u);
    // Zeroed acquired lines first, fetched ones after; a fetch replaces the acquired line of its key.
    EXPECT_EQ(lines(data("2024年05月26日.jvHR")),
              (std::vector<SjisString>{zeroed(hrRecord(r1)), line(hrRecord(r2, "7")), line(hrRecord(r3, "7", 9))}));
}

TEST_F(FilingTest, ExistingFoldersAreUsedUnderAnyLetterCase) {
    TempDir windowsCopy;
    fs::create_directories(windowsCopy / "DATA");
    fs::create_directories(windowsCopy / "sei");
    StorePaths p(windowsCopy.path());
    StoreBatch b;
    RecordFiler f(p, b);
    std::vector<SjisString> list;
    f.fileAcquired(raRecord({}), 20240101, list);
    f.fileAcquired(seRecord({}, 1), 20240101, list);
    b.flush();
    EXPECT_TRUE(fs::exists(windowsCopy / "DATA" / "2024年05月26日.jvRA"));
    EXPECT_TRUE(fs::exists(windowsCopy / "sei" / "2020" / "2020100001.jvSEI"));
    EXPECT_FALSE(fs::exists(windowsCopy / "Data"));
}

TEST_F(FilingTest, BatchedFilingEqualsFilingRecordByRecord) {
    std::vector<SjisString> records;
    for (int race = 1; race <= 12; ++race) {
        records.push_back(raRecord({.race = race}, 3));
        for (int h = 1; h <= 3; ++h)
            records.push_back(seRecord({.race = race}, h, h == 1 ? "2020100001" : "2020100002"));
        records.push_back(hrRecord({.race = race}));
    }
    ProgramFolder oneByOne;
    const StorePaths p = oneByOne.paths();
    StoreBatch b;
    RecordFiler f(p, b);
    std::vector<SjisString> list;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        f.fileAcquired(*it, 20240101, list);
        b.flush();
        filer.fileAcquired(*it, 20240101, list);
    }
    batch.flush();
    for (const auto& entry : fs::recursive_directory_iterator(oneByOne.path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path rel = fs::relative(entry.path(), oneByOne.path());
        EXPECT_EQ(readFile(entry.path()), readFile(dir.path() / rel)) << rel;
    }
}

TEST_F(FilingTest, RecordsWithALineBreakInsideAreRejectedAndCounted) {
    SjisString raWithCr = raRecord({});
    raWithCr[600] = '\r';
    SjisString seWithLf = seRecord({}, 1);
    seWithLf[400] = '\n';
    SjisString hrWithCrLf = hrRecord({});
    hrWithCrLf.replace(300, 2, "\r\n");
    const auto list = acquire({raWithCr, seWithLf, hrWithCrLf, raRecord({.race = 1})});
    EXPECT_EQ(filer.rejected(), 3);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(lines(data("2024年05月26日.jvRA")).size(), 1u);
    EXPECT_FALSE(fs::exists(data("2024年05月26日東京.jvSEr")));
    EXPECT_FALSE(fs::exists(data("2024年05月26日.jvHR")));
}

// A record with a line break inside, filed before such records were
// rejected, split its line in two: the next filing keeps whole records only.
TEST_F(FilingTest, SplitLinesOfAKeyedFileAreDroppedByTheNextFiling) {
    const SjisString first = zeroed(raRecord({.race = 1})), third = zeroed(raRecord({.race = 3}));
    SjisString split = zeroed(raRecord({.race = 2}));
    split[600] = '\r';
    test::writeFile(data("2024年05月26日.jvRA"), (first + "\r\n" + split + "\r\n" + third + "\r\n").bytes());
    acquire({raRecord({.race = 4})});
    EXPECT_EQ(lines(data("2024年05月26日.jvRA")),
              (std::vector<SjisString>{first, third, zeroed(raRecord({.race = 4}))}));

    // The same in a horse's history, with a stray LF and a cut-off last line.
    const fs::path history = dir / "SEI" / "2020" / "2020100001.jvSEI";
    SjisString run = zeroed(seRecord({.date = 20240101}, 1));
    run[100] = '\n';
    test::writeFile(history, (run + "\r\n" + zeroed(seRecord({.date = 20240201}, 1)).view().substr(0, 300)).bytes());
    acquire({seRecord({.date = 20240301}, 1)});
    EXPECT_EQ(lines(history), std::vector<SjisString>{zeroed(seRecord({.date = 20240301}, 1))});
}

TEST_F(FilingTest, FinalOddsGoBesideTheRaceOneFilePerRacecourseDayAndKind) {
    using jvdata::kO1Layout, jvdata::kO2Layout;
    const RaceId tokyo11{}, tokyo2{.race = 2}, kyoto5{.course = "08", .meeting = 3, .day = 8, .race = 5};
    const SjisString later = finalOddsRecord(kO1Layout, tokyo11, 41, "5");
    const auto list = acquire({finalOddsRecord(kO1Layout, tokyo11, 35), finalOddsRecord(kO2Layout, tokyo11),
                               finalOddsRecord(kO1Layout, tokyo2), finalOddsRecord(kO1Layout, kyoto5), later});
    // A later record of the race replaces the earlier; lines in race-key order, stamp zeroed.
    EXPECT_EQ(lines(data("2024年05月26日東京.jvO1")),
              (std::vector<SjisString>{zeroed(finalOddsRecord(kO1Layout, tokyo2)), zeroed(later)}));
    EXPECT_EQ(lines(data("2024年05月26日東京.jvO2")),
              std::vector<SjisString>{zeroed(finalOddsRecord(kO2Layout, tokyo11))});
    EXPECT_EQ(lines(data("2024年05月26日京都.jvO1")).size(), 1u);
    EXPECT_EQ(list[0], "作成済み:11R/2024年05月26日東京.jvO1");
    EXPECT_EQ(list[1], "作成済み:11R/2024年05月26日東京.jvO2");
    EXPECT_TRUE(filer.unfiled().empty());
}

TEST_F(FilingTest, RecordsFiledNowhereAreCountedByKindAndBadOnesAsRejected) {
    using jvdata::kO1Layout;
    SjisString shortOdds = finalOddsRecord(kO1Layout, {}).view().substr(0, 500) + "\r\n";
    SjisString badCourse = finalOddsRecord(kO1Layout, {});
    badCourse.replace(19, 2, "..");
    const SjisString voteCounts = "H1" + SjisString(28951, ' ') + "\r\n";
    acquire({finalOddsRecord(kO1Layout, {.date = 20231201}),                      // before the date filter
             finalOddsRecord(kO1Layout, {.course = "00"}),                        // a racecourse without a name
             raRecord({.race = 1}, 0),                                            // no head count
             voteCounts, voteCounts, "O3x\r\n", "WF\r\n", "\x82\xa0xx\r\n"_sjis,  // kinds the store does not keep
             shortOdds, badCourse, raRecord({.race = 2})});
    EXPECT_EQ(filer.rejected(), 2) << "a short record and one that could name a bad path";
    EXPECT_EQ(cp932ToUtf8(filer.unfiled().text()), "?? 1件 H1 2件 O1 2件 O3 1件 RA 1件 WF 1件");
    EXPECT_EQ(lines(data("2024年05月26日.jvRA")).size(), 1u);
    EXPECT_FALSE(fs::exists(data("2023年12月01日東京.jvO1")));

    filer.resetCounts();
    EXPECT_TRUE(filer.unfiled().empty());
    EXPECT_EQ(filer.rejected(), 0);
}

TEST(UnfiledCounts, CountsAreGroupedByThousandsAndNoKindIsLostWhenTheTableIsFull) {
    UnfiledCounts counts;
    for (int i = 0; i < 1234567; ++i) counts.add("O3");
    EXPECT_EQ(unfiledRecordsLine(counts), utf8ToCp932("読込んで保存しなかったレコード:O3 1,234,567件"));
    const auto kind = [](char a, char b) {
        SjisString k(1, a);
        k += b;
        return k;
    };
    UnfiledCounts many;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'C'; ++b) many.add(kind(a, b));
    EXPECT_EQ(many.count("AA"), 1);
    long long sum = 0;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'C'; ++b) sum += many.count(kind(a, b));
    EXPECT_EQ(sum + many.count("??"), 26 * 3);
    EXPECT_GT(many.count("??"), 0);
}
