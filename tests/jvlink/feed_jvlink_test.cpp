#include "jvlink/feed_jvlink.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "record_layouts/jvdata_record.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace std::chrono_literals;

namespace {

SjisString raceRecord(int raceNum) {
    return jvdata::RecordBuilder(jvdata::kRaLayout)
        .text(jvdata::ra::DataKubun, "7")
        .number(jvdata::ra::Year, 2024)
        .number(jvdata::ra::MonthDay, 526)
        .text(jvdata::ra::JyoCD, "05")
        .number(jvdata::ra::RaceNum, raceNum)
        .text(jvdata::ra::Hondai, "\x93\xFA\x96\x7B\x83\x5F\x81\x5B\x83\x72\x81\x5B"_sjis)  // Shift-JIS name
        .take();
}

class FeedJVLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Set-up data: two files stamped 2024-05-27; normal data: one older, one newer.
        test::writeFile(dir / "setup/20240527060000_SETUP202404.jvd", (raceRecord(1) + raceRecord(2)).bytes());
        test::writeFile(dir / "setup/20240527060000_SETUP202405.jvd", raceRecord(3).bytes());
        test::writeFile(dir / "normal/20240523120000_CARD.jvd", raceRecord(4).bytes());
        test::writeFile(dir / "normal/20240603090000_RESULT.jvd", (raceRecord(5) + raceRecord(6)).bytes());
        test::writeFile(dir / "normal/README.txt", "not a feed file");
        test::writeFile(dir / "realtime/20240526/20240526153000_RT.jvd", raceRecord(7).bytes());
    }

    FeedJVLink make(int paceMs = 0) {
        FeedJVLink link(FeedSettings{dir.path(), paceMs, "0490"}, [this] { return now; });
        EXPECT_EQ(link.JVInit("SA000000/SD000000/Vantor/Version 1.40"), 0);
        return link;
    }

    // Reads until 0 or an error; returns results and record race numbers in call order.
    std::vector<std::string> readAll(FeedJVLink& link) {
        std::vector<std::string> seen;
        std::string buff, name;
        int size = 6000;
        for (int guard = 0; guard < 1000; ++guard) {
            const int r = link.JVRead(buff, size, name);
            if (r > 0) {
                seen.push_back(name + ":" + std::string(jvdata::get(sjisBytes(buff), jvdata::ra::RaceNum).bytes()));
                EXPECT_EQ(r, static_cast<int>(buff.size()));
            } else {
                seen.push_back(std::to_string(r));
                if (r == 0 || r < -3) break;
            }
        }
        return seen;
    }

    test::TempDir dir;
    std::chrono::milliseconds now{0};
};

}  // namespace

TEST_F(FeedJVLinkTest, InitChecksTheSid) {
    FeedJVLink link(FeedSettings{dir.path()});
    EXPECT_EQ(link.JVInit(""), jv::kSidEmpty);
    EXPECT_EQ(link.JVInit(std::string(64, 'a')), jv::kSidTooLong);
    EXPECT_EQ(link.JVInit(" SA"), jv::kSidLeadingBlank);
    int rc = 0, dc = 0;
    std::string last;
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kNotInitialised);
    EXPECT_EQ(link.JVInit(std::string(63, 'a')), jv::kOk);
    EXPECT_EQ(link.version(), "0490");
}

TEST_F(FeedJVLinkTest, OpenValidatesItsArguments) {
    FeedJVLink link = make();
    int rc = -9, dc = -9;
    std::string last;
    EXPECT_EQ(link.JVOpen("RACE", "20240101000000", 1, rc, dc, last), jv::kBadDataSpec);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "2024010100000", 1, rc, dc, last), jv::kBadFromTime);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20241301000000", 1, rc, dc, last), jv::kBadFromTime);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "2024010100000x", 1, rc, dc, last), jv::kBadFromTime);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 2, rc, dc, last), jv::kBadOption);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240603090000", 1, rc, dc, last), jv::kNoNewerData);
    EXPECT_EQ(link.JVStatus(), jv::kNotOpen);
}

TEST_F(FeedJVLinkTest, SetupDeliversSetupFilesFromTheDateThenNewerNormalFilesInStampOrder) {
    FeedJVLink link = make();
    int rc = 0, dc = 0;
    std::string last;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240524000000", 3, rc, dc, last), jv::kOk);
    EXPECT_EQ(rc, 3);  // both set-up files and the newer normal file; the older card is not newer
    EXPECT_EQ(dc, 3);
    EXPECT_EQ(last, "20240603090000");
    EXPECT_EQ(link.JVStatus(), 3);
    EXPECT_EQ(readAll(link),
              (std::vector<std::string>{"20240527060000_SETUP202404.jvd:01", "20240527060000_SETUP202404.jvd:02", "-1",
                                        "20240527060000_SETUP202405.jvd:03", "-1", "20240603090000_RESULT.jvd:05",
                                        "20240603090000_RESULT.jvd:06", "0"}));
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240524000000", 3, rc, dc, last), jv::kStillOpen);
    EXPECT_EQ(link.JVClose(), 0);

    // Everything is in the cache now: nothing left to download.
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(rc, 2);
    EXPECT_EQ(dc, 1);  // the card file was never downloaded before
    EXPECT_EQ(link.JVClose(), 0);
}

TEST_F(FeedJVLinkTest, EntriesNamedLikeFeedFilesThatCannotBeReadAreLeftOutAndNamed) {
    namespace fs = std::filesystem;
    const fs::path normal = dir / "normal";
    fs::create_directories(normal / "20240601000000_DIR.jvd");
    ASSERT_EQ(::mkfifo((normal / "20240601000001_FIFO.jvd").c_str(), 0600), 0);
    fs::create_symlink(normal / "nowhere", normal / "20240601000002_DANGLING.jvd");
    fs::create_symlink(normal / "20240601000003_LOOP.jvd", normal / "20240601000003_LOOP.jvd");
    fs::create_symlink(normal / "20240603090000_RESULT.jvd", normal / "20240601000004_LINKED.jvd");
    fs::create_directories(normal / "20200101000000_OLDDIR.jvd");  // not due in this open
    FeedJVLink link = make();
    int rc = 0, dc = 0;
    std::string last;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240531000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(rc, 2);
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(readAll(link),
              (std::vector<std::string>{"20240601000004_LINKED.jvd:05", "20240601000004_LINKED.jvd:06", "-1",
                                        "20240603090000_RESULT.jvd:05", "20240603090000_RESULT.jvd:06", "0"}));
    EXPECT_EQ(link.unusableFiles(),
              (std::vector<std::string>{"20240601000000_DIR.jvd", "20240601000001_FIFO.jvd",
                                        "20240601000002_DANGLING.jvd", "20240601000003_LOOP.jvd"}));
    link.JVClose();

    // A cache name taken by a folder: the feed file is read where it is.
    fs::create_directories(dir / "cache/20240523120000_CARD.jvd");
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240522000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(link.JVStatus(), 0);
    EXPECT_EQ(readAll(link).front(), "20240523120000_CARD.jvd:04");
}

TEST_F(FeedJVLinkTest, ALinkAtTheCachesTemporaryNameLeadsTheCopyNowhere) {
    namespace fs = std::filesystem;
    const test::TempDir outside;
    test::writeFile(outside / "victim", "the user's file");
    fs::create_directories(dir / "cache");
    fs::create_symlink(outside / "victim", dir / "cache/20240603090000_RESULT.jvd.part");
    fs::create_symlink(outside / "made", dir / "cache/20240523120000_CARD.jvd.part");
    FeedJVLink link = make();
    int rc = 0, dc = 0;
    std::string last;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(readAll(link).back(), "0");
    EXPECT_EQ(test::readFile(outside / "victim"), "the user's file");
    EXPECT_FALSE(fs::exists(fs::symlink_status(outside / "made")));
    EXPECT_EQ(sjisBytes(test::readFile(dir / "cache/20240603090000_RESULT.jvd")), raceRecord(5) + raceRecord(6));
}

TEST_F(FeedJVLinkTest, ACorrectedFileOfTheSameSizeIsDownloadedAgain) {
    namespace fs = std::filesystem;
    FeedJVLink link = make();
    int rc = 0, dc = 0;
    std::string last;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(dc, 1);
    EXPECT_EQ(readAll(link).front(), "20240603090000_RESULT.jvd:05");
    link.JVClose();
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(dc, 0);  // the cached copy is current
    link.JVClose();

    const fs::path file = dir / "normal/20240603090000_RESULT.jvd";
    const auto written = fs::last_write_time(file);
    test::writeFile(file, (raceRecord(7) + raceRecord(8)).bytes());  // same size, new content
    fs::last_write_time(file, written + 1s);
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), jv::kOk);
    EXPECT_EQ(dc, 1);
    EXPECT_EQ(readAll(link).front(), "20240603090000_RESULT.jvd:07");
}

TEST_F(FeedJVLinkTest, RecordsArriveAsTheFileBytes) {
    FeedJVLink link = make();
    int rc = 0, dc = 0, size = 6000;
    std::string last, buff, name;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), jv::kOk);
    ASSERT_EQ(link.JVStatus(), 1);
    ASSERT_EQ(link.JVRead(buff, size, name), 1272);
    EXPECT_EQ(sjisBytes(buff), raceRecord(5));
    EXPECT_EQ(size, 6000);
}

TEST_F(FeedJVLinkTest, DownloadAdvancesAtThePaceAndReadWaitsForIt) {
    FeedJVLink link = make(100);
    int rc = 0, dc = 0, size = 6000;
    std::string last, buff, name;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 3, rc, dc, last), jv::kOk);
    ASSERT_EQ(dc, 4);
    EXPECT_EQ(link.JVStatus(), 0);
    EXPECT_EQ(link.JVRead(buff, size, name), jv::kDownloading);
    now = 150ms;
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_GT(link.JVRead(buff, size, name), 0);
    now = 250ms;
    EXPECT_EQ(link.JVStatus(), 2);
    now = 10s;
    EXPECT_EQ(link.JVStatus(), 4);
    EXPECT_EQ(link.JVStatus(), 4);
}

TEST_F(FeedJVLinkTest, CancelStopsTheOpenButOnlyCloseEndsIt) {
    FeedJVLink link = make(100);
    int rc = 0, dc = 0, size = 6000;
    std::string last, buff, name;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 3, rc, dc, last), jv::kOk);
    link.JVCancel();
    now = 10s;
    EXPECT_EQ(link.JVStatus(), 0);  // the download stopped
    EXPECT_EQ(link.JVRead(buff, size, name), jv::kNotOpen);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 3, rc, dc, last), jv::kStillOpen);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 3, rc, dc, last), jv::kOk);
    link.JVCancel();  // cancelling with nothing running is harmless
    link.JVClose();
    link.JVCancel();
}

TEST_F(FeedJVLinkTest, RealtimeServesTheDaysFiles) {
    FeedJVLink link = make();
    EXPECT_EQ(link.JVRTOpen("0B99", "20240526"), jv::kBadDataSpec);
    EXPECT_EQ(link.JVRTOpen("0B12", "2024052"), jv::kBadKey);
    EXPECT_EQ(link.JVRTOpen("0B12", "2024-5-26"), jv::kBadKey);
    ASSERT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kOk);
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kStillOpen);
    EXPECT_EQ(readAll(link), (std::vector<std::string>{"20240526153000_RT.jvd:07", "0"}));
    EXPECT_EQ(link.JVClose(), 0);

    // A file that arrives within the folder time's granularity of the last
    // listing, leaving the folder's time as it was, is still seen.
    const std::filesystem::path day = dir / "realtime/20240526";
    const auto listed = std::filesystem::last_write_time(day);
    test::writeFile(day / "20240526154000_RT.jvd", raceRecord(8).bytes());
    std::filesystem::last_write_time(day, listed);
    ASSERT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kOk);
    EXPECT_EQ(readAll(link).size(), 4u);
    link.JVClose();
}

TEST_F(FeedJVLinkTest, NothingAnnouncedYetHoldsTheSessionUntilClose) {
    FeedJVLink link = make();
    EXPECT_EQ(link.JVRTOpen("0B12", "20240527"), jv::kNoNewerData);
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kStillOpen);
    EXPECT_EQ(link.JVRTOpen("0B14", "20240526"), jv::kStillOpen);
    int rc = 0, dc = 0;
    std::string last;
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kStillOpen);
    EXPECT_EQ(readAll(link), (std::vector<std::string>{"0"}));
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kOk);
}

TEST_F(FeedJVLinkTest, EachRealtimeSpecTakesTheKeysTheServiceTakes) {
    FeedJVLink link = make();
    const auto answer = [&](std::string_view dataspec, std::string_view key) {
        const int r = link.JVRTOpen(dataspec, key);
        link.JVClose();
        return r;
    };
    for (const char* dataspec : {"0B30", "0B41"}) EXPECT_EQ(answer(dataspec, "20240526"), jv::kBadKey) << dataspec;
    for (const char* dataspec : {"0B14", "0B12"})
        EXPECT_EQ(answer(dataspec, "2024052605021211"), jv::kBadKey) << dataspec;
    for (const char* dataspec : {"0B11", "0B30", "0B41"}) {
        EXPECT_EQ(answer(dataspec, "2024052605021211"), jv::kNoNewerData) << dataspec;
        EXPECT_EQ(answer(dataspec, "202405260511"), jv::kNoNewerData) << dataspec;
    }
    EXPECT_EQ(answer("0B11", "20240526"), jv::kNoNewerData);
    EXPECT_EQ(answer("0B14", "20240526"), jv::kNoNewerData);
    for (const char* bad : {"20240526050212", "202405260500", "2024052605021200", "20240230", "2024052605021a11"})
        EXPECT_EQ(answer("0B30", bad), jv::kBadKey) << bad;
}

TEST_F(FeedJVLinkTest, SnapshotsGiveTheNewestAnnouncedFileSeriesEveryAnnouncedOne) {
    const auto put = [&](std::string_view name, int raceNum) {
        test::writeFile(dir / "realtime/20240526" / (std::string(name) + ".jvd"), raceRecord(raceNum).bytes());
    };
    put("20240526090000_0B14_20240526", 1);
    put("20240526100000_0B14_20240526", 2);
    put("20240526110000_0B14_20240526", 3);  // not announced at 10:30
    put("20240526093000_0B30_2024052605021211", 11);
    put("20240526100000_0B30_2024052605021211", 11);
    put("20240526100000_0B30_202405260512", 12);
    put("20240526093000_0B41_2024052605021211", 1);
    put("20240526100000_0B41_202405260511", 2);
    put("20240526110000_0B41_2024052605021211", 3);
    put("20240526094000_0B11_2024052605021211", 1);
    put("20240526095000_0B11_2024052605021212", 2);
    put("20240526100500_0B11_2024052605021211", 3);
    put("20240526100000_0B11_2024052508021211", 4);  // another day's key in this day's folder
    put("20240526090000_0B30_20240526x", 5);         // a key that cannot be read
    std::string now = "20240526103000";
    FeedJVLink link = make();
    link.setJapanClock([&] { return now; });
    const auto deliver = [&](std::string_view dataspec, std::string_view key) {
        std::vector<std::string> seen;
        if (link.JVRTOpen(dataspec, key) == jv::kOk) seen = readAll(link);
        link.JVClose();
        return seen;
    };
    using Seen = std::vector<std::string>;
    EXPECT_EQ(deliver("0B14", "20240526"), (Seen{"20240526100000_0B14_20240526.jvd:02", "0"}));
    EXPECT_EQ(deliver("0B30", "2024052605021211"), (Seen{"20240526100000_0B30_2024052605021211.jvd:11", "0"}));
    EXPECT_EQ(deliver("0B30", "202405260512"), (Seen{"20240526100000_0B30_202405260512.jvd:12", "0"}))
        << "the short and the long form name one race";
    EXPECT_EQ(deliver("0B41", "202405260511"), (Seen{"20240526093000_0B41_2024052605021211.jvd:01", "-1",
                                                     "20240526100000_0B41_202405260511.jvd:02", "0"}));
    EXPECT_EQ(deliver("0B11", "20240526"), (Seen{"20240526095000_0B11_2024052605021212.jvd:02", "-1",
                                                 "20240526100500_0B11_2024052605021211.jvd:03", "0"}))
        << "a day's weights: the newest of each race";
    EXPECT_EQ(deliver("0B11", "2024052605021212"), (Seen{"20240526095000_0B11_2024052605021212.jvd:02", "0"}));
    EXPECT_EQ(deliver("0B12", "20240526"), Seen{}) << "the results are announced at 15:30";

    now = "20240526160000";
    EXPECT_EQ(deliver("0B14", "20240526"), (Seen{"20240526110000_0B14_20240526.jvd:03", "0"}));
    EXPECT_EQ(deliver("0B41", "2024052605021211").size(), 6u);
    EXPECT_EQ(deliver("0B12", "20240526"), (Seen{"20240526153000_RT.jvd:07", "0"}));
}

TEST_F(FeedJVLinkTest, AKeptListingFollowsTheClockAndEveryChangeOfTheFolder) {
    const std::filesystem::path day = dir / "realtime/20240526";
    const auto put = [&](std::string_view name, int raceNum) {
        test::writeFile(day / (std::string(name) + ".jvd"), raceRecord(raceNum).bytes());
    };
    // Files written a minute ago: the first open's listing is kept.
    const auto settle = [&](std::chrono::minutes ago) {
        std::filesystem::last_write_time(day, std::filesystem::file_time_type::clock::now() - ago);
    };
    put("20240526100000_0B30_2024052605021211", 1);
    put("20240526110000_0B30_2024052605021211", 2);
    put("20240526100000_0B41_2024052605021211", 1);
    put("20240526110000_0B41_2024052605021211", 2);
    settle(std::chrono::minutes(1));
    std::string now = "20240526103000";
    FeedJVLink link = make();
    link.setJapanClock([&] { return now; });
    const auto deliver = [&](std::string_view dataspec) {
        std::vector<std::string> seen;
        if (link.JVRTOpen(dataspec, "2024052605021211") == jv::kOk) seen = readAll(link);
        link.JVClose();
        return seen;
    };
    using Seen = std::vector<std::string>;
    EXPECT_EQ(deliver("0B30"), (Seen{"20240526100000_0B30_2024052605021211.jvd:01", "0"}));
    EXPECT_EQ(deliver("0B41"), (Seen{"20240526100000_0B41_2024052605021211.jvd:01", "0"}))
        << "a file listed before its announce time waits for it";
    now = "20240526110000";
    EXPECT_EQ(deliver("0B30"), (Seen{"20240526110000_0B30_2024052605021211.jvd:02", "0"}));
    EXPECT_EQ(deliver("0B41").size(), 4u);

    // A file that arrives later changes the folder's time, whichever way.
    put("20240526105000_0B30_2024052605021211", 3);
    put("20240526105000_0B41_2024052605021211", 3);
    settle(std::chrono::minutes(2));
    EXPECT_EQ(deliver("0B30"), (Seen{"20240526110000_0B30_2024052605021211.jvd:02", "0"}));
    EXPECT_EQ(deliver("0B41"),
              (Seen{"20240526100000_0B41_2024052605021211.jvd:01", "-1", "20240526105000_0B41_2024052605021211.jvd:03",
                    "-1", "20240526110000_0B41_2024052605021211.jvd:02", "0"}));
    // A withdrawn file is gone with the listing that held it.
    std::filesystem::remove(day / "20240526110000_0B30_2024052605021211.jvd");
    EXPECT_EQ(deliver("0B30"), (Seen{"20240526105000_0B30_2024052605021211.jvd:03", "0"}));
}

TEST_F(FeedJVLinkTest, TheClockCanStartAtAJapanTimeOfTheEnvironment) {
    test::writeFile(dir / "realtime/20240526/20240526100000_0B14_20240526.jvd", raceRecord(2).bytes());
    ::setenv("VANTOR_JVLINK_CLOCK", "20240526095959", 1);
    FeedJVLink early = make();
    ::setenv("VANTOR_JVLINK_CLOCK", "20240526100000", 1);
    FeedJVLink onTime = make();
    ::setenv("VANTOR_JVLINK_CLOCK", "2024-05-26 10:00", 1);
    FeedJVLink garbled = make();
    ::unsetenv("VANTOR_JVLINK_CLOCK");
    EXPECT_EQ(early.JVRTOpen("0B14", "20240526"), jv::kNoNewerData);
    EXPECT_EQ(onTime.JVRTOpen("0B14", "20240526"), jv::kOk);
    EXPECT_EQ(garbled.JVRTOpen("0B14", "20240526"), jv::kBadSettings);
    EXPECT_NE(garbled.sourceProblem().find("VANTOR_JVLINK_CLOCK"), std::string::npos) << garbled.sourceProblem();
    int rc = 0, dc = 0;
    std::string last;
    EXPECT_EQ(garbled.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kOk) << "stored data needs no clock";
}

TEST_F(FeedJVLinkTest, FaultsReachEveryRealtimeOpen) {
    test::writeFile(dir / "realtime/20240526/20240526100000_0B30_2024052605021211.jvd", raceRecord(11).bytes());
    FeedJVLink link = make();
    link.setJapanClock([] { return std::string("20240526120000"); });
    link.faults().add("JVRTOpen", 1, -504);
    link.faults().add("JVRTOpen", 3, -1);
    EXPECT_EQ(link.JVRTOpen("0B30", "2024052605021211"), -504);
    EXPECT_EQ(link.JVRTOpen("0B30", "2024052605021211"), jv::kOk) << "a faulted open opened nothing";
    link.JVClose();
    EXPECT_EQ(link.JVRTOpen("0B41", "2024052605021211"), -1);
    EXPECT_EQ(link.faults().calls("JVRTOpen"), 3);
}

TEST_F(FeedJVLinkTest, BrokenFilesAreDeliveredAsTheyAreOrReportedByCode) {
    test::TempDir broken;
    const SjisString rec = raceRecord(1);
    test::writeFile(broken / "normal/20240101000001_SHORT.jvd", "RA7short\r\n");
    test::writeFile(broken / "normal/20240101000002_NOCR.jvd",
                    (rec.view().substr(0, 1270) + "\n" + rec.view().substr(0, 1270)).bytes());
    test::writeFile(broken / "normal/20240101000003_EMPTY.jvd", "");
    test::writeFile(broken / "normal/20240101000004_BYTES.jvd", std::string("RA\xFF\x80\x00zz", 7) + "\r\n");
    test::writeFile(broken / "normal/20240101000005_LONG.jvd", std::string(100000, 'X') + "\r\n");
    FeedJVLink link(FeedSettings{broken.path()});
    ASSERT_EQ(link.JVInit("sid"), 0);
    int rc = 0, dc = 0, size = 6000;
    std::string last, buff, name;
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20231231000000", 1, rc, dc, last), jv::kOk);
    ASSERT_EQ(link.JVStatus(), 5);
    std::vector<int> lengths;
    for (int r; (r = link.JVRead(buff, size, name)) != 0;) lengths.push_back(r);
    EXPECT_EQ(lengths, (std::vector<int>{10, -1, 1272, 1272, -1, -1, 9, -1, 100002}));
    link.JVClose();

    // A file that vanished from the cache cannot be read.
    test::writeFile(broken / "normal/20240301000000_GONE.jvd", rec.bytes());
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240229000000", 1, rc, dc, last), jv::kOk);
    ASSERT_EQ(link.JVStatus(), 1);
    std::filesystem::remove(broken / "cache/20240301000000_GONE.jvd");
    EXPECT_EQ(link.JVRead(buff, size, name), jv::kFileNotFound);
}

TEST_F(FeedJVLinkTest, InjectedFaultsReplaceTheCallWithoutSideEffects) {
    test::writeFile(dir / "faults.txt", "JVOpen@1=-504\nJVRead@2=-402\n");
    FeedJVLink link = make();
    ASSERT_FALSE(link.faultPlanError());
    int rc = 0, dc = 0, size = 6000;
    std::string last, buff, name;
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), -504);
    ASSERT_EQ(link.JVOpen("RACEDIFN", "20240601000000", 1, rc, dc, last), jv::kOk);
    link.JVStatus();
    ASSERT_GT(link.JVRead(buff, size, name), 0);
    EXPECT_EQ(link.JVRead(buff, size, name), -402);
    ASSERT_GT(link.JVRead(buff, size, name), 0);  // the record the fault did not consume
    EXPECT_EQ(jvdata::get(sjisBytes(buff), jvdata::ra::RaceNum), "06"_sjis);

    ::setenv("VANTOR_JVLINK_FAULTS", "JVInit@1=-101,bogus", 1);
    FeedJVLink fromEnv(FeedSettings{dir.path()});
    ::unsetenv("VANTOR_JVLINK_FAULTS");
    EXPECT_EQ(fromEnv.JVInit("sid"), -101);
    ASSERT_TRUE(fromEnv.faultPlanError());
    EXPECT_NE(fromEnv.faultPlanError()->find("bogus"), std::string::npos);
}

TEST(FeedJVLinkSource, AMissingOrUnreadableFeedFolderIsABadSettingNotNoData) {
    const test::TempDir base;
    const auto gone = base / "gone";
    FeedJVLink missing(FeedSettings{gone});
    ASSERT_EQ(missing.JVInit("Vantor"), jv::kOk);
    int rc = 0, dc = 0;
    std::string last;
    EXPECT_EQ(missing.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kBadSettings);
    EXPECT_EQ(missing.JVRTOpen("0B12", "20240526"), jv::kBadSettings);
    EXPECT_NE(missing.sourceProblem().find(gone.string()), std::string::npos) << missing.sourceProblem();
    EXPECT_FALSE(std::filesystem::exists(gone));  // asking makes nothing

    // A plain file where the folder should be is no feed either.
    test::writeFile(base / "file", "x");
    EXPECT_FALSE(FeedJVLink(FeedSettings{base / "file"}).sourceProblem().empty());

    // An empty folder that is there is a feed with nothing newer.
    std::filesystem::create_directories(base / "empty");
    FeedJVLink empty(FeedSettings{base / "empty"});
    EXPECT_EQ(empty.sourceProblem(), "");
    ASSERT_EQ(empty.JVInit("Vantor"), jv::kOk);
    EXPECT_EQ(empty.JVOpen("RACEDIFN", "20240101000000", 1, rc, dc, last), jv::kNoNewerData);
    empty.JVClose();

    // A folder that cannot be listed (root lists any folder).
    std::filesystem::create_directories(base / "locked");
    chmod((base / "locked").c_str(), 0);
    EXPECT_EQ(FeedJVLink(FeedSettings{base / "locked"}).sourceProblem().empty(), geteuid() == 0);
    chmod((base / "locked").c_str(), 0700);
}
