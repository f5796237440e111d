#include "jvlink/live_fetch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "jvlink/feed_jvlink.h"
#include "store/live_files.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "support/live_records.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvdata;
using vantor::test::liveRecord;

namespace {

SjisString scratch(int horse, SjisView announce) {
    return liveRecord(kAvLayout, announce, 11).number(av::Umaban, horse).text(av::JiyuKubun, "001").take();
}

SjisString winOdds(int raceNum, SjisView announce, int tenths) {
    return liveRecord(kO1Layout, announce, raceNum).number(o1::TanUmaban, 1).number(o1::TanOdds, tenths).take();
}

class LiveFetchTest : public ::testing::Test {
protected:
    void SetUp() override {
        link.JVInit("Vantor");
        link.setJapanClock([this] { return now; });
    }

    void put(std::string_view name, SjisView records) {
        test::writeFile(feed / "realtime/20240526" / (std::string(name) + ".jvd"), records.bytes());
    }
    struct Fetched {
        LiveFetchOutcome out;
        int filesWritten = 0;
    };
    // One fetch, written at once.
    Fetched fetch(LiveDataspec dataspec, SjisView key) {
        LiveFiler filer(paths, "20240526");
        const LiveFetchOutcome out = fetchLive(link, filer, dataspec, key, [] {});
        return {out, filer.write()};
    }
    std::filesystem::path live(std::string_view name) const { return app / "Live/20240526" / name; }
    // Every live file with its bytes and time, to see that nothing changed.
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> liveFiles() const {
        std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> files;
        for (const auto& e : std::filesystem::directory_iterator(app / "Live/20240526"))
            files[e.path().filename().string()] = {test::readFile(e.path()), e.last_write_time()};
        return files;
    }

    test::TempDir feed, app;
    StorePaths paths{app.path()};
    std::string now = "20240526103000";
    FeedJVLink link{FeedSettings{feed.path(), 0, "0490"}};
};

}  // namespace

TEST_F(LiveFetchTest, EachSpecIsFiledAsDeliveredAndARepeatedFetchWritesNothing) {
    const SjisString changes = scratch(5, "05260900") + scratch(7, "05261000");
    put("20240526100000_0B14_20240526", changes);
    const SjisString weights11 = liveRecord(kWhLayout, "05261000", 11).number(wh::Umaban, 1).take();
    const SjisString weights3 = liveRecord(kWhLayout, "05260900", 3).number(wh::Umaban, 2).take();
    put("20240526100000_0B11_2024052605021211", weights11);
    put("20240526090000_0B11_2024052605021203", weights3);
    const SjisString o3 = liveRecord(RecordLayout{"O3", kO3Length, {}}, "05261000", 11).take();
    put("20240526100000_0B30_2024052605021211", winOdds(11, "05261000", 52) + o3);
    put("20240526100000_0B41_2024052605021211", winOdds(11, "05261000", 52));
    put("20240526093000_0B41_2024052605021211", winOdds(11, "05260930", 61));

    const std::pair<LiveDataspec, SjisView> fetches[] = {{LiveDataspec::dayChanges, "20240526"_sjis},
                                                        {LiveDataspec::weights, "20240526"_sjis},
                                                        {LiveDataspec::odds, "2024052605021211"_sjis},
                                                        {LiveDataspec::winOddsSeries, "202405260511"_sjis}};
    const auto fetchAll = [&] {
        int written = 0;
        for (const auto& [dataspec, key] : fetches) {
            const Fetched f = fetch(dataspec, key);
            EXPECT_FALSE(f.out.failed()) << f.out.openResult;
            EXPECT_TRUE(f.out.skipped.empty());
            written += f.filesWritten;
        }
        return written;
    };
    EXPECT_EQ(fetchAll(), 5);
    EXPECT_EQ(sjisBytes(test::readFile(live("changes.jvd"))), changes);
    EXPECT_EQ(sjisBytes(test::readFile(live("weights.jvd"))), weights3 + weights11) << "in race-key order";
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O1.jvd"))), winOdds(11, "05261000", 52));
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O3.jvd"))), o3);
    EXPECT_EQ(sjisBytes(test::readFile(live("series.jvd"))), winOdds(11, "05260930", 61) + winOdds(11, "05261000", 52));

    const auto before = liveFiles();
    EXPECT_EQ(fetchAll(), 0);
    EXPECT_EQ(liveFiles(), before) << "nothing new, no byte and no file time changed";
}

TEST_F(LiveFetchTest, ALaterAnswerReplacesOrAddsAsItsSpecSays) {
    put("20240526100000_0B14_20240526", scratch(5, "05260900") + scratch(7, "05261000"));
    put("20240526110000_0B14_20240526", scratch(7, "05261000"));  // the scratch of 5 withdrawn
    put("20240526100000_0B41_2024052605021211", winOdds(11, "05261000", 52));
    put("20240526110000_0B41_2024052605021211", winOdds(11, "05261100", 48));
    put("20240526100000_0B30_2024052605021211", winOdds(11, "05261000", 52));
    put("20240526110000_0B30_2024052605021211", winOdds(11, "05261100", 48));
    fetch(LiveDataspec::dayChanges, "20240526");
    fetch(LiveDataspec::winOddsSeries, "2024052605021211");
    fetch(LiveDataspec::odds, "2024052605021211");
    now = "20240526113000";
    fetch(LiveDataspec::dayChanges, "20240526");
    fetch(LiveDataspec::winOddsSeries, "2024052605021211");
    fetch(LiveDataspec::odds, "2024052605021211");
    EXPECT_EQ(sjisBytes(test::readFile(live("changes.jvd"))), scratch(7, "05261000"));
    EXPECT_EQ(sjisBytes(test::readFile(live("series.jvd"))), winOdds(11, "05261000", 52) + winOdds(11, "05261100", 48));
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O1.jvd"))), winOdds(11, "05261100", 48));
}

TEST_F(LiveFetchTest, NothingAnnouncedAnIncompleteAnswerAndBadRecordsFileNothingOfThem) {
    const LiveFetchOutcome none = fetch(LiveDataspec::odds, "2024052605021211").out;
    EXPECT_EQ(none.openResult, jv::kNoNewerData);
    EXPECT_FALSE(none.failed()) << "not announced yet is no failure";
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kNoNewerData) << "the fetch closed the session";
    link.JVClose();
    EXPECT_FALSE(std::filesystem::exists(app / "Live"));

    put("20240526090000_0B14_20240526", scratch(5, "05260900"));
    ASSERT_EQ(fetch(LiveDataspec::dayChanges, "20240526").filesWritten, 1);
    const SjisString horse19 = liveRecord(kAvLayout, "05261000", 11).number(av::Umaban, 19).take();
    put("20240526100000_0B14_20240526",
        scratch(6, "05261000") + horse19 + scratch(8, "05261000").view().substr(0, 40) + "\r\n");
    link.faults().add("JVRead", link.faults().calls("JVRead") + 2, jv::kDownloadFailed);
    const LiveFetchOutcome broken = fetch(LiveDataspec::dayChanges, "20240526").out;
    EXPECT_TRUE(broken.failed());
    EXPECT_EQ(sjisBytes(test::readFile(live("changes.jvd"))), scratch(5, "05260900")) << "part of an answer withdraws nothing";

    put("20240526093000_0B14_20240526", horse19);
    now = "20240526094000";
    EXPECT_EQ(fetch(LiveDataspec::dayChanges, "20240526").filesWritten, 0) << "refused records withdraw nothing";
    EXPECT_EQ(sjisBytes(test::readFile(live("changes.jvd"))), scratch(5, "05260900"));

    now = "20240526103000";
    const LiveFetchOutcome skipped = fetch(LiveDataspec::dayChanges, "20240526").out;
    EXPECT_EQ(sjisBytes(test::readFile(live("changes.jvd"))), scratch(6, "05261000"));
    ASSERT_EQ(skipped.skipped.size(), 2u);
    EXPECT_EQ(liveSkipText(skipped.skipped[0]), "AV 1件 馬番が01-18の外");
    EXPECT_EQ(liveSkipText(skipped.skipped[1]), "AV 1件 長さが違う");
}

TEST_F(LiveFetchTest, AKeyedFileIsReadWhateverItsLineEndsAndMendedByTheNextChange) {
    // odds_O1.jvd as another tool may leave it: a lone CR and a lone LF
    // between records, a broken line, races out of order, no last line end.
    std::filesystem::create_directories(live(""));
    test::writeFile(live("odds_O1.jvd"), (winOdds(12, "05261000", 30) + "\r" + winOdds(3, "05261000", 41) + "\n" +
                                          winOdds(5, "05261000", 25).view().substr(0, 50) + "\r\n" +
                                          winOdds(4, "05261000", 90).view().substr(0, kO1Length - 2))
                                             .bytes());
    put("20240526100000_0B30_2024052605021211", winOdds(11, "05261000", 52));
    EXPECT_EQ(fetch(LiveDataspec::odds, "2024052605021211").filesWritten, 1);
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O1.jvd"))), winOdds(3, "05261000", 41) + winOdds(4, "05261000", 90) +
                                                       winOdds(11, "05261000", 52) + winOdds(12, "05261000", 30));
    EXPECT_EQ(fetch(LiveDataspec::odds, "2024052605021211").filesWritten, 0);
}

TEST_F(LiveFetchTest, AKilledWritersTemporaryIsRemovedWhenTheDayIsWrittenNext) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const std::string left = ".odds_O1.jvd.tmp-" + std::to_string(ended) + "-0";
    test::writeFile(live(left), "half a record");
    test::writeFile(live(".odds_O1.jvd.tmp-" + std::to_string(::getpid()) + "-999999"), "this process's");
    put("20240526100000_0B30_2024052605021211", winOdds(11, "05261000", 52));
    EXPECT_EQ(fetch(LiveDataspec::odds, "2024052605021211").filesWritten, 1);
    EXPECT_FALSE(std::filesystem::exists(live(left)));
    EXPECT_TRUE(std::filesystem::exists(live(".odds_O1.jvd.tmp-" + std::to_string(::getpid()) + "-999999")));
}

TEST_F(LiveFetchTest, ADaysFetchesAreWrittenOnceEachFileAsTheyWouldBeOneByOne) {
    const SjisString o6 = liveRecord(RecordLayout{"O6", kO6Length, {}}, "05261000", 11).take();
    const SjisString o6of3 = liveRecord(RecordLayout{"O6", kO6Length, {}}, "05261000", 3).take();
    put("20240526100000_0B30_2024052605021211", winOdds(11, "05261000", 52) + o6);
    put("20240526100000_0B30_2024052605021203", winOdds(3, "05261000", 33) + o6of3);
    put("20240526093000_0B41_2024052605021211", winOdds(11, "05260930", 61));
    put("20240526100000_0B41_2024052605021211", winOdds(11, "05261000", 52));
    put("20240526090000_0B41_2024052605021203", winOdds(3, "05260900", 40));
    put("20240526100000_0B14_20240526", scratch(5, "05260900"));
    // Race 11 before race 3, as a schedule may ask.
    const std::pair<LiveDataspec, SjisView> fetches[] = {{LiveDataspec::dayChanges, "20240526"_sjis},
                                                        {LiveDataspec::odds, "2024052605021211"_sjis},
                                                        {LiveDataspec::winOddsSeries, "2024052605021211"_sjis},
                                                        {LiveDataspec::odds, "2024052605021203"_sjis},
                                                        {LiveDataspec::winOddsSeries, "2024052605021203"_sjis}};
    const auto fetchAll = [&](bool together) {
        LiveFiler filer(paths, "20240526");
        int written = 0;
        for (const auto& [dataspec, key] : fetches) {
            EXPECT_FALSE(fetchLive(link, filer, dataspec, key, [] {}).failed()) << key.bytes();
            if (!together) written += filer.write();
        }
        return written + filer.write();
    };

    EXPECT_EQ(fetchAll(true), 4) << "changes, odds_O1, odds_O6 and series, each once";
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O1.jvd"))), winOdds(3, "05261000", 33) + winOdds(11, "05261000", 52));
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O6.jvd"))), o6of3 + o6);
    EXPECT_EQ(sjisBytes(test::readFile(live("series.jvd"))),
              winOdds(3, "05260900", 40) + winOdds(11, "05260930", 61) + winOdds(11, "05261000", 52))
        << "race-key, then time order";
    const auto together = liveFiles();

    std::filesystem::remove_all(app / "Live");
    EXPECT_EQ(fetchAll(false), 7) << "changes once, odds_O1, odds_O6 and series twice";
    ASSERT_EQ(liveFiles().size(), together.size());
    for (const auto& [name, content] : liveFiles()) EXPECT_EQ(content.first, together.at(name).first) << name;

    // Within one write too, a later answer replaces the race's line and a
    // repeated announcement is kept once.
    LiveFiler filer(paths, "20240526");
    LiveSkips skips;
    const SjisString later = winOdds(11, "05261030", 47), again = winOdds(11, "05261000", 52);
    filer.add(LiveDataspec::odds, std::vector<SjisView>{again}, true, skips);
    filer.add(LiveDataspec::odds, std::vector<SjisView>{later}, true, skips);
    filer.add(LiveDataspec::winOddsSeries, std::vector<SjisView>{later, again}, true, skips);
    EXPECT_EQ(filer.write(), 2);
    EXPECT_EQ(sjisBytes(test::readFile(live("odds_O1.jvd"))), winOdds(3, "05261000", 33) + later);
    EXPECT_EQ(sjisBytes(test::readFile(live("series.jvd"))),
              winOdds(3, "05260900", 40) + winOdds(11, "05260930", 61) + again + later);
    EXPECT_EQ(filer.write(), 0) << "the answers went with the write";
}
