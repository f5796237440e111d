// The main window's ways into the record dialog: the menu entry, and the
// card's context menu on a jockey, trainer, owner or sire name.

#include <QListWidget>
#include <QMenu>

#include "analysis/race_card.h"
#include "components/message_box.h"
#include "export/analysis_db.h"
#include "shell/main_form.h"
#include "shell/stats_form.h"
#include "text/qt_text.h"

namespace vantor {

TStatsForm* TMainForm::openStatsForm(const std::string& raceKey) {
    if (!ensureAnalysisDb()) return nullptr;
    auto opened = stats::StatsDb::open(sqlexport::analysisDbPath(AppDir));
    if (const auto* problem = std::get_if<std::string>(&opened)) {
        ui::showInfo(this,
                     QStringLiteral("分析用データベースを開けませんでした。\n") + QString::fromStdString(*problem));
        return nullptr;
    }
    auto* form = new TStatsForm(AppDir, std::move(std::get<stats::StatsDb>(opened)), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setChosenRace(raceKey);
    form->show();
    return form;
}

void TMainForm::StatsItemClick() {
    const bool raceShown = DatList->count() > 0 && CurRace >= 0 && CurRace < Day->RaceCount;
    openStatsForm(raceShown ? std::string(Day->RaceTbl[static_cast<std::size_t>(CurRace)].RaceKey.view().bytes())
                            : std::string());
}

void TMainForm::addRecordActions(QMenu& menu, int col, int row) {
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    if (!runner || (col != card::kPeopleColumn && col != card::kHorseColumn)) return;
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(runner->race)];
    const auto j = static_cast<std::size_t>(runner->runner);
    const std::string raceKey(race.RaceKey.view().bytes());
    struct Named {
        stats::SubjectKind kind;
        const char* caption;  // %1 the name
        SjisView codeOrName, name;
    };
    const std::vector<Named> names =
        col == card::kPeopleColumn ? std::vector<Named>{{stats::SubjectKind::jockey, "騎手「%1」の成績集計(&J)...",
                                                         race.KisyuCd[j].view(), race.KisyuName[j].view()},
                                                        {stats::SubjectKind::trainer, "調教師「%1」の成績集計(&T)...",
                                                         race.ChokCd[j].view(), race.ChokName[j].view()}}
                                   : std::vector<Named>{{stats::SubjectKind::sire, "種牡馬「%1」の成績集計(&S)...",
                                                         race.Ketto1Name[j].view(), race.Ketto1Name[j].view()},
                                                        {stats::SubjectKind::owner, "馬主「%1」の成績集計(&O)...",
                                                         race.BanusiName[j].view(), race.BanusiName[j].view()}};
    menu.addSeparator();
    for (const Named& n : names) {
        const SjisString codeOrName(trimBlanks(n.codeOrName));
        if (codeOrName.empty()) continue;
        menu.addAction(QString::fromUtf8(n.caption).arg(toQString(SjisString(trimBlanks(n.name)))), this,
                       [this, kind = n.kind, codeOrName, raceKey] {
                           TStatsForm* form = openStatsForm(raceKey);
                           if (!form) return;
                           form->setSameCourse(true);
                           form->presetSubject(kind, codeOrName);
                       });
    }
}

}  // namespace vantor
