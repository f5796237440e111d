// The main window's race day: loading a day, choosing a race, fetching
// results. The core computes every text; these handlers only apply them.

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTabWidget>

#include "analysis/card_row_order.h"
#include "analysis/race_card.h"
#include "analysis/view_grids.h"
#include "components/label3d.h"
#include "components/message_box.h"
#include "components/string_grid.h"
#include "components/up_down.h"
#include "components/writer_lock_box.h"
#include "jvlink/jvlink.h"
#include "jvlink/results_fetch.h"
#include "raceday/day_loader.h"
#include "raceday/payout_import.h"
#include "record_layouts/jvdata_record.h"
#include "shell/grid_rows.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"
#include "shell/sjis_items.h"
#include "text/qt_text.h"
#include "usermarks/day_user_marks.h"

namespace vantor {
std::string TMainForm::shownDayName() const { return DateCombo->currentText().toStdString(); }

void TMainForm::DateComboChange() {
    const LiveSwitch::Hold hold = holdLiveSwitch();  // no live step while the day loads
    PageControl1->hide();
    setItems(*DatList, {});
    const std::string dayName = shownDayName();
    if (dayName.empty()) return;

    DayLoadHooks hooks;
    hooks.progressOpen = [this](int maximum, const SjisString& caption, const SjisString& title) {
        PrgrsForm->HeadingLabel->setText(toQString(caption));
        PrgrsForm->StatusLabel->setText(toQString(title));
        PrgrsForm->ProgressBar1->setMaximum(maximum);
        PrgrsForm->ProgressBar1->setValue(0);
        PrgrsForm->showCentred();
        QCoreApplication::processEvents();
    };
    hooks.progressStep = [this] { PrgrsForm->ProgressBar1->setValue(PrgrsForm->ProgressBar1->value() + 1); };
    hooks.progressClose = [this] {
        PrgrsForm->close();
        setEnabled(false);  // no input while the marks and lists are derived
    };
    hooks.pump = [] { QCoreApplication::processEvents(); };

    const DayLoadResult result = DayLoader(StorePaths(AppDir)).load(dayName, *Day, hooks);
    if (result.status == DayLoadResult::Status::raceFileMissing) {
        setEnabled(true);
        ui::showInfo(this, toQString(dayDataMissingMessage()));
        return;
    }

    showDayUserMarks();
    setItems(*ChokBox, result.trainerItems);
    setItems(*UmaListBox, result.horseInitials);
    UpDown1->setMaximum(result.upDownMax);
    UpDown1->setPosition(0);
    setItems(*DatList, result.raceItems);
    SpeedButton12Click();

    // Each view shows the new day from its first entry.
    if (UmaListBox->count() > 0) {
        const QSignalBlocker block(UmaListBox);
        UmaListBox->setCurrentRow(0);
    }
    UmaListBoxClick();
    RinsenCombo->setCurrentIndex(0);
    ChokBox->setCurrentIndex(0);
    ChokBoxChange();
    RinsenComboChange();
    if (DatList->count() > 0) {
        if (DatList->currentRow() < 0) {
            const QSignalBlocker block(DatList);
            DatList->setCurrentRow(0);
        }
        DatListClick();
    }
    setEnabled(true);
}

void TMainForm::applyRaceHeading(const RaceHeaderTexts& h) {
    Label3D1->setText(toQString(h.grade));
    Label3D2->setText(toQString(h.course));
    Label3D3->setText(toQString(h.raceNumber));
    setSjisText(*Label3D4, h.dateLine);
    Label3D5->setText(toQString(h.raceName));
    Label3D6->setText(toQString(h.weightType));
    Label3D7->setText(toQString(h.raceClass));
    Label3D8->setText(toQString(h.track));
    Label3D9->setText(toQString(h.distance));
    Label3D110->setText(toQString(h.startTime));
    Label3D115->setText(toQString(h.headCount));
    LiveBabaLabel->setText(toQString(h.weatherGoing));
    LiveOddsLabel->setText(toQString(h.oddsTime));
}

void TMainForm::DatListClick() {
    const int race = DatList->currentRow();
    if (race < 0) return;
    PageControl1->hide();
    CurRace = race;
    // Marks made elsewhere meanwhile (vantor-cli marks --import) show too.
    if (UserMarks) showRaceUserMarks(*Day, race, *UserMarks, UserMarkSet);
    const RaceCardTexts card = assembleRaceCard(*Day, race);
    showRaceMemo();

    for (ui::TStringGrid* grid : {StringGrid1, StringGrid2, StringGrid4}) grid->hide();
    for (std::size_t e = 0; e < card.payouts.size(); ++e)
        for (std::size_t k = 0; k < 3; ++k) KekkaLabels[e * 3 + k]->setText(toQString(card.payouts[e][k]));
    applyRaceHeading(card.header);
    fillRows(*StringGrid1, signCheckGrid(card));
    fillRows(*StringGrid2, cardCheckGrid(card));
    CardRows = card::raceCardRows(race, card.runners);
    fillRows(*StringGrid4, raceCardGrid(*Day, CardRows));
    showLiveOdds();

    if (!card.incompleteMessage.empty())
        ui::showInfoQuiet(this, toQString(card.incompleteMessage));
    else
        PageControl1->show();

    StringGrid2->clearSelection();
    StringGrid4->clearSelection();
    for (ui::TStringGrid* grid : {StringGrid1, StringGrid2, StringGrid4}) grid->show();
    UpDown1->setPosition(race);
    if (N5->isChecked()) Panel5->hide();
}

void TMainForm::KekkaGetBtnClick() {
    // JV-Link serves one session at a time: the 速報 switch waits meanwhile.
    LiveSwitch1->exclusive([this] { fetchDayResults(); });
}

void TMainForm::fetchDayResults() {
    if (DatList->currentRow() < 0 || DateCombo->currentIndex() < 0) return;
    const int race = DatList->currentRow();
    const SjisString key(jvdata::raceKey(Day->JvRaTbl[0].view()).date());
    auto lock = ui::takeWriterLock(this, AppDir, "vantor 結果情報");
    if (!lock) return;
    const ResultsFetchOutcome outcome = fetchResults(*JVLink1, StorePaths(AppDir), key,
                                                     {[] { QCoreApplication::processEvents(); }, [] { ui::beep(); }});
    if (outcome.ran) updateAnalysisDb();
    lock.reset();
    if (!outcome.ran) return;
    if (outcome.openResult == jv::kBadSettings) ui::showInfo(this, QString::fromStdString(JVLink1->sourceProblem()));
    if (outcome.storeError) ui::showInfo(this, QString::fromStdString(*outcome.storeError));
    HrReadBtnClick();
    // The reload shows the first race; go back to the one the user had chosen.
    if (race < DatList->count()) {
        {
            const QSignalBlocker block(DatList);
            DatList->setCurrentRow(race);
        }
        DatListClick();
    }
}

void TMainForm::HrReadBtnClick() {
    importPayouts(*Day, StorePaths(AppDir), shownDayName());
    DateComboChange();
}

}  // namespace vantor
