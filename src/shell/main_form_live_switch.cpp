// The 速報 switch of the main window: the tool button and the menu item
// turn the live run of the day shown on and off (live_switch.h); after each
// step the card, its header, the odds pane and the chart of the race shown
// are refreshed where they stand, and the status bar tells the time of the
// update and the last change announced.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

#include "analysis/view_grids.h"
#include "codes/race_key.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "fileio/writer_lock.h"
#include "jvlink/feed_jvlink.h"
#include "raceday/live_card.h"
#include "analysis/race_card.h"
#include "shell/grid_rows.h"
#include "shell/live_replay_form.h"
#include "shell/main_form.h"
#include "jvlink_setup/program_jvlink.h"
#include "text/qt_text.h"

namespace vantor {

void TMainForm::createLiveSwitch() {
    LiveStatusLabel = new QLabel;
    LiveStatusLabel->setObjectName(QStringLiteral("LiveStatusLabel"));
    StatusLine->addPermanentWidget(LiveStatusLabel);
    LiveSwitch1 = std::make_unique<LiveSwitch>(*JVLink1, [this] { return feedLink(); }, AppDir);
    LiveSwitch1->setStepped([this](const LiveStepReport& report) { LiveSwitchStepped(report); });
    LiveSwitch1->setEnded([this] { LiveSwitchEnded(); });
    connect(SokuhoItem, &QAction::triggered, this, &TMainForm::SokuhoBtnClick);
    connect(SokuhoBtn, &QToolButton::clicked, this, &TMainForm::SokuhoBtnClick);
}

FeedJVLink* TMainForm::feedLink() const {
    if (auto* program = dynamic_cast<ProgramJVLink*>(JVLink1.get()))
        return dynamic_cast<FeedJVLink*>(&program->current());
    return dynamic_cast<FeedJVLink*>(JVLink1.get());
}

void TMainForm::SokuhoBtnClick(bool on) {
    if (!on) {
        LiveSwitch1->stop();
        return;
    }
    std::optional<LiveReplay> replay;
    if (offersLiveReplay()) {
        TLiveReplayForm form(this);
        if (form.exec() != QDialog::Accepted) {
            SokuhoItem->setChecked(false);
            SokuhoBtn->setChecked(false);
            return;
        }
        replay = form.replay();
    }
    startLiveSwitch(replay);
}

bool TMainForm::startLiveSwitch(std::optional<LiveReplay> replay) {
    const bool on = DatList->count() > 0 && LiveSwitch1->start(*Day, replay);
    SokuhoItem->setChecked(on);
    SokuhoBtn->setChecked(on);
    liveSwitchDay_ = on ? DateCombo->currentText() : QString();
    lastLiveChange_.clear();
    if (!on) {
        LiveStatusLabel->setText(DatList->count() > 0 ? QStringLiteral("速報を始められません")
                                                      : QStringLiteral("速報: 開催日を選んでください"));
    } else if (replay) {
        LiveStatusLabel->setText(QStringLiteral("速報 再生 %1:%2から %3倍")
                                     .arg(replay->from / 3600, 2, 10, QLatin1Char('0'))
                                     .arg(replay->from / 60 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(replay->speed));
    } else {
        LiveStatusLabel->setText(QStringLiteral("速報 開始"));
    }
    return on;
}

bool TMainForm::offersLiveReplay() const {
    const FeedJVLink* feed = feedLink();
    if (!feed || Day->RaceCount <= 0 || DatList->count() == 0) return false;
    const SjisView day = RaceKey(Day->RaceTbl[0].RaceKey.view()).date();
    std::error_code ec;
    if (!std::filesystem::is_directory(feed->settings().feedDir / feed::kRealtimeDir / day.bytes(), ec)) return false;
    const std::optional<int> now = japanSecondsOfDay(day, LiveSwitch1->now());
    return now && *now >= 24 * 60 * 60;
}

LiveSwitch::Hold TMainForm::holdLiveSwitch() {
    if (LiveSwitch1->isOn() && DateCombo->currentText() != liveSwitchDay_) LiveSwitch1->stop();
    return LiveSwitch1->hold();
}

void TMainForm::refreshLiveViews() {
    Day->live() = LiveSwitch1->state();
    fillLiveCard(*Day);
    if (DatList->currentRow() < 0 || CurRace >= Day->RaceCount) return;
    applyRaceHeading(assembleRaceCard(*Day, CurRace).header);
    fillRows(*StringGrid4, raceCardGrid(*Day, CardRows));
    StringGrid4->updateCells();
    showLiveOdds();
}

void TMainForm::LiveSwitchStepped(const LiveStepReport& report) {
    refreshLiveViews();
    if (!report.changes.empty()) lastLiveChange_ = toQString(report.changes.back());
    QString text = QStringLiteral("速報 %1 更新").arg(toQString(report.clock));
    if (!lastLiveChange_.isEmpty()) text += QStringLiteral("　") + lastLiveChange_;
    if (report.failed) text += QStringLiteral("　(取得できなかったデータがあります)");
    LiveStatusLabel->setText(text);
    QString notes;
    for (const std::string& note : report.notes) notes += QString::fromStdString(note) + QLatin1Char('\n');
    LiveStatusLabel->setToolTip(notes.trimmed());
    // What the step filed goes into the analysis database under the writer
    // lock, as every writer's files do, once the views show the step; a
    // lock held elsewhere leaves it to that writer's own update.
    if (report.fetches > 0) {
        if (auto lock = WriterLock::take(AppDir, "vantor 速報", false); std::holds_alternative<WriterLock>(lock))
            updateAnalysisDb();
    }
}

void TMainForm::LiveSwitchEnded() {
    SokuhoItem->setChecked(false);
    SokuhoBtn->setChecked(false);
    liveSwitchDay_.clear();
    LiveStatusLabel->setText(QStringLiteral("速報 終了"));
}

}  // namespace vantor
