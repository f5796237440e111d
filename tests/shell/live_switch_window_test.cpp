// The window's 速報 switch over the demo's live day, replayed at high speed:
// every race's card gets the day's live values, no fetch overlaps another,
// a results fetch asked for mid-fetch waits for it, a refresh keeps the
// user's row, scroll and orders, and a day chosen or the window closed
// mid-fetch ends the switch with no fetch left running.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "jvlink/acquisition.h"
#include "jvlink/feed_jvlink.h"
#include "raceday/live_schedule.h"
#include "shell/main_form.h"
#include "support/demo_live.h"
#include "support/demo_live_feed.h"
#include "support/program_folder.h"
#include "text/qt_text.h"
#include "text/sjis_literal.h"

using namespace vantor;
using namespace vantor::test;

namespace {

// The feed replacement counting its sessions: every open begins one, JVClose ends it.
class CountingFeed : public FeedJVLink {
public:
    using FeedJVLink::FeedJVLink;

    int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount, int& downloadcount,
               std::string& lastfiletimestamp) override {
        opened(dataspec);
        return FeedJVLink::JVOpen(dataspec, fromtime, option, readcount, downloadcount, lastfiletimestamp);
    }
    int JVRTOpen(std::string_view dataspec, std::string_view key) override {
        opened(dataspec);
        return FeedJVLink::JVRTOpen(dataspec, key);
    }
    int JVRead(std::string& buff, int& size, std::string& filename) override {
        if (duringRead) std::exchange(duringRead, {})();
        return FeedJVLink::JVRead(buff, size, filename);
    }
    int JVClose() override {
        if (sessions > 0) --sessions;
        return FeedJVLink::JVClose();
    }

    int sessions = 0, mostSessions = 0;
    std::vector<std::string> opens;  // the dataspecs, in order
    std::function<void()> duringRead;  // once, in the next read

private:
    void opened(std::string_view dataspec) {
        opens.emplace_back(dataspec);
        mostSessions = std::max(mostSessions, ++sessions);
    }
};

// Processes events until done() holds or `seconds` have passed; whether it held.
bool waitFor(const std::function<bool()>& done, int seconds) {
    QElapsedTimer since;
    since.start();
    while (!done()) {
        if (since.elapsed() > seconds * 1000) return false;
        QTest::qWait(2);
    }
    return true;
}

std::vector<QString> cells(const ui::TStringGrid& grid) {
    std::vector<QString> texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c) texts.push_back(grid.cell(c, r));
    return texts;
}

class LiveSwitchWindow : public ::testing::Test {
protected:
    // The demo's feed and a program folder holding its races since 2024-05-20.
    static void SetUpTestSuite() {
        feed_ = new TempDir;
        app_ = new RunningProgramFolder;
        const demo::DemoResult made = makeDemoLiveFeed(feed_->path());
        ASSERT_TRUE(made.ok()) << made.error;
        FeedJVLink link(FeedSettings{feed_->path(), 0, "0490"});
        link.JVInit("Vantor");
        Acquisition::Ui ui;
        ui.status = ui.addLine = ui.report = [](const SjisString&) {};
        ui.downloadBar = ui.readBar = [](int, int) {};
        ui.clearLines = ui.beep = ui.pump = [] {};
        ui.storeLastTime = [](const SjisString&) { return true; };
        Acquisition acquisition(link, app_->paths(), ui);
        auto next = acquisition.start("20240520000000", jv::kOptionNormal);
        while (next == Acquisition::Next::poll) next = acquisition.poll();
        if (next == Acquisition::Next::read) acquisition.readAll();
        acquisition.closeLink();
        ASSERT_FALSE(acquisition.failed());
    }
    static void TearDownTestSuite() {
        delete app_;
        delete feed_;
    }

    // Each test begins with nothing announced.
    void SetUp() override { std::filesystem::remove_all(app_->path() / "Live"); }

    // The window on the newest day, the live day, with its first race shown.
    std::unique_ptr<TMainForm> openLiveDay() {
        auto owned = std::make_unique<CountingFeed>(FeedSettings{feed_->path(), 0, "0490"});
        link = owned.get();
        link->JVInit("Vantor");
        auto form = std::make_unique<TMainForm>(std::move(owned));
        form->show();
        form->showNewestDay();
        EXPECT_EQ(form->DateCombo->currentText(), QStringLiteral("2024年05月26日"));
        return form;
    }

    // Seconds after the live day's midnight on the switch's clock.
    static int clock(const TMainForm& form) {
        return japanSecondsOfDay("20240526", form.LiveSwitch1->now()).value_or(0);
    }

    static int lastPost(const RaceDay& day) {
        std::vector<LiveRaceTime> races;
        liveRaceTimes(day, day.live(), races);
        int last = 0;
        for (const LiveRaceTime& race : races) last = std::max(last, race.post);
        return last;
    }

    static TempDir* feed_;
    static RunningProgramFolder* app_;
    CountingFeed* link = nullptr;
    ui::MessageBoxHook messages;
};

TempDir* LiveSwitchWindow::feed_ = nullptr;
RunningProgramFolder* LiveSwitchWindow::app_ = nullptr;

}  // namespace

TEST_F(LiveSwitchWindow, AWholeDayReplayedFillsEveryRaceCardWithoutOverlappingFetches) {
    auto form = openLiveDay();
    ASSERT_GT(form->DatList->count(), 1);
    EXPECT_TRUE(form->offersLiveReplay()) << "a past day with real-time files";
    ASSERT_TRUE(form->startLiveSwitch(LiveReplay{9 * 60 * 60, 3600}));
    EXPECT_TRUE(form->SokuhoItem->isChecked());
    EXPECT_TRUE(form->SokuhoBtn->isChecked());
    EXPECT_EQ(form->SokuhoItem->shortcut(), QKeySequence(Qt::Key_F5));

    // The race shown moves on after every step, so that every card is refreshed while shown.
    const int end = lastPost(*form->Day) + kLiveResultsAfterPost + 2 * 60;
    int seen = 0, stepsAtEnd = -1;
    const bool done = waitFor(
        [&] {
            LiveSwitch& live = *form->LiveSwitch1;
            if (live.steps() == seen || live.stepping()) return false;
            seen = live.steps();
            const SjisString time = form->Day->RaceTbl[form->CurRace].LiveOddsTime.str();
            if (!time.empty()) {
                EXPECT_EQ(form->OddsTimeLabel->text(), toQString(sjis("ｵｯｽﾞ ") + time + sjis(" 現在")));
            }
            if (form->CurRace + 1 < form->DatList->count())
                form->stepRace(1);
            else
                form->stepRace(-form->CurRace);
            if (stepsAtEnd < 0 && clock(*form) >= end) stepsAtEnd = seen;
            return stepsAtEnd >= 0 && seen > stepsAtEnd;  // a step wholly after the day's end
        },
        240);
    ASSERT_TRUE(done) << "replay clock " << clock(*form) << " of " << end;

    EXPECT_EQ(link->mostSessions, 1) << "fetches overlapped";
    for (const char* dataspec : {"0B14", "0B11", "0B30", "0B41", "0B12"})
        EXPECT_NE(std::find(link->opens.begin(), link->opens.end(), dataspec), link->opens.end()) << dataspec;
    // The day was loaded before anything was announced: the live values are the refreshes'.
    for (int r = 0; r < form->Day->RaceCount; ++r) {
        const TRaceRec& race = form->Day->RaceTbl[r];
        EXPECT_FALSE(race.LiveOddsTime.empty()) << "race " << r + 1;
        for (int j = 0; j < kMaxRunners; ++j)
            if (!race.Umaban[j].empty() && race.LiveStatus[j].empty()) {
                EXPECT_FALSE(race.LiveWinOdds[j].empty()) << "race " << r + 1 << " runner " << j + 1;
            }
    }
    EXPECT_TRUE(form->LiveStatusLabel->text().startsWith(QStringLiteral("速報 "))) << form->LiveStatusLabel->text().toStdString();
    EXPECT_TRUE(form->LiveStatusLabel->text().contains(QStringLiteral("更新")));

    form->SokuhoBtn->click();
    ASSERT_TRUE(waitFor([&] { return !form->LiveSwitch1->stepping(); }, 30));
    EXPECT_FALSE(form->LiveSwitch1->isOn());
    EXPECT_FALSE(form->SokuhoItem->isChecked());
    EXPECT_EQ(form->LiveStatusLabel->text(), QStringLiteral("速報 終了"));
    EXPECT_EQ(link->sessions, 0);
}

TEST_F(LiveSwitchWindow, ARefreshKeepsTheRowTheScrollAndTheOrdersAndShowsTheNewState) {
    ASSERT_EQ(fileDemoLive(feed_->path(), app_->path(), "20240526", "1000"), "");
    auto form = openLiveDay();
    form->resize(900, 420);  // so that the card scrolls
    {
        const QSignalBlocker block(form->DatList);
        form->DatList->setCurrentRow(form->DatList->count() - 1);  // a race long before its post
    }
    form->DatListClick();
    form->SpeedButton17->click();
    form->WinNinkiBtn->click();
    ui::TStringGrid& card = *form->StringGrid4;
    card.setCurrentRow(3);
    QScrollBar& bar = *card.view().verticalScrollBar();
    bar.setValue(bar.maximum() / 2 + 1);
    const int scroll = bar.value();
    const std::vector<RunnerSlot> rows = form->CardRows;
    const QString before = form->OddsTimeLabel->text();

    ASSERT_TRUE(form->startLiveSwitch(LiveReplay{10 * 60 * 60 + 30 * 60, 1}));
    ASSERT_TRUE(waitFor([&] { return form->LiveSwitch1->steps() >= 1 && !form->LiveSwitch1->stepping(); }, 60));
    EXPECT_EQ(before, QStringLiteral("ｵｯｽﾞ 10:00 現在"));
    EXPECT_EQ(form->OddsTimeLabel->text(), QStringLiteral("ｵｯｽﾞ 10:30 現在"));
    EXPECT_EQ(card.currentRow(), 3);
    EXPECT_EQ(bar.value(), scroll);
    EXPECT_TRUE(form->CardRows == rows);
    EXPECT_TRUE(form->SpeedButton17->isChecked());
    EXPECT_TRUE(form->WinNinkiBtn->isChecked());
    // What the user's orders make afresh is what the refresh left.
    const std::vector<QString> pane = cells(*form->WinPlaceGrid), shown = cells(card);
    form->WinNinkiBtn->click();
    form->SpeedButton17->click();
    EXPECT_EQ(cells(*form->WinPlaceGrid), pane);
    EXPECT_EQ(cells(card), shown);
    form->LiveSwitch1->stop();
}

TEST_F(LiveSwitchWindow, AResultsFetchAskedForMidFetchWaitsForItAndTheScheduleResumes) {
    auto form = openLiveDay();
    // Before any race is over, so that the schedule itself fetches no results.
    ASSERT_TRUE(form->startLiveSwitch(LiveReplay{9 * 60 * 60, 60}));
    std::size_t opensAtAsk = 0;
    int stepsAtAsk = -1;
    link->duringRead = [&] {
        // The click arrives among the events the fetch pumps, its session open.
        QTimer::singleShot(0, form.get(), [&] {
            EXPECT_EQ(link->sessions, 1);
            opensAtAsk = link->opens.size();
            stepsAtAsk = form->LiveSwitch1->steps();
            form->KekkaGetBtn->click();
        });
    };
    ASSERT_TRUE(waitFor([&] { return stepsAtAsk >= 0 && form->LiveSwitch1->steps() >= stepsAtAsk + 2; }, 60));
    EXPECT_EQ(link->mostSessions, 1) << "the results fetch ran beside the fetch under way";
    ASSERT_GT(link->opens.size(), opensAtAsk);
    EXPECT_EQ(link->opens[opensAtAsk], "0B12") << "the results fetch comes next, before the step's other fetches";
    EXPECT_TRUE(form->LiveSwitch1->isOn());
    EXPECT_TRUE(form->SokuhoBtn->isChecked());
    form->LiveSwitch1->stop();
}

TEST_F(LiveSwitchWindow, ADayChosenOrTheWindowClosedMidFetchEndsTheSwitchWithNoFetchLeft) {
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "window closed" : "day chosen");
        std::filesystem::remove_all(app_->path() / "Live");
        auto form = openLiveDay();
        ASSERT_TRUE(form->startLiveSwitch(LiveReplay{12 * 60 * 60, 600}));
        std::size_t opensAtEnd = 0;
        bool ended = false;
        link->duringRead = [&] {
            QTimer::singleShot(0, form.get(), [&] {
                EXPECT_EQ(link->sessions, 1) << "a fetch is under way";
                if (closing)
                    form->close();
                else
                    form->stepDay(1);
                opensAtEnd = link->opens.size();
                ended = true;
            });
        };
        ASSERT_TRUE(waitFor([&] { return ended && !form->LiveSwitch1->stepping(); }, 60));
        QTest::qWait(300);  // many steps' time at this speed
        EXPECT_FALSE(form->LiveSwitch1->isOn());
        EXPECT_FALSE(form->SokuhoItem->isChecked());
        EXPECT_FALSE(form->SokuhoBtn->isChecked());
        EXPECT_EQ(link->sessions, 0);
        EXPECT_EQ(link->opens.size(), opensAtEnd) << "a fetch began after the end";
        EXPECT_EQ(link->mostSessions, 1);
        if (!closing) {
            EXPECT_EQ(form->DateCombo->currentText(), QStringLiteral("2024年05月25日"));
        }
    }
}
