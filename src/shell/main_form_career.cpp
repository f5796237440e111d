// A runner's career from the main window's runner grids: the race card,
// the horse search and the trainer view open it by a double-click, by
// their context menu's entry and by Enter on the chosen row. The career is
// read from the analysis database, brought up to date first.

#include <QListWidget>
#include <QMenu>

#include "codes/race_key.h"
#include "components/message_box.h"
#include "components/string_grid.h"
#include "export/analysis_db.h"
#include "shell/horse_career_form.h"
#include "shell/main_form.h"
#include "stats/horse_career.h"
#include "text/qt_text.h"
#include "usermarks/day_user_marks.h"

namespace vantor {
namespace {

bool isCareerKey(int key, Qt::KeyboardModifiers modifiers) {
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && !(modifiers & ~Qt::KeypadModifier);
}

}  // namespace

void TMainForm::connectCareerViews() {
    const auto hook = [this](ui::TStringGrid* grid, const std::vector<RunnerSlot>& rows) {
        connect(grid, &ui::TStringGrid::cellDoubleClicked, this, [this, &rows](int, int row) {
            if (const auto runner = runnerOfRow(rows, row)) openHorseCareer(*runner);
        });
    };
    hook(StringGrid4, CardRows);
    hook(StringGrid3, SearchRows);
    hook(StringGrid5, TrainerRows);
    const auto keys = [this](ui::TStringGrid* grid, const std::vector<RunnerSlot>& rows) {
        grid->setOnKeyPress([this, grid, &rows](int key, Qt::KeyboardModifiers modifiers) {
            return openCareerByKey(*grid, rows, key, modifiers);
        });
    };
    keys(StringGrid3, SearchRows);
    keys(StringGrid5, TrainerRows);
    const auto menu = [this](ui::TStringGrid* grid, const std::vector<RunnerSlot>& rows) {
        connect(grid, &ui::TStringGrid::cellMenuRequested, this, [this, &rows](int, int row, const QPoint& at) {
            const auto runner = runnerOfRow(rows, row);
            if (!runner || DatList->count() == 0) return;
            QMenu popup(this);
            addCareerAction(popup, *runner);
            popup.exec(at);
        });
    };
    menu(StringGrid3, SearchRows);
    menu(StringGrid5, TrainerRows);
}

bool TMainForm::openCareerByKey(const ui::TStringGrid& grid, const std::vector<RunnerSlot>& rows, int key,
                                Qt::KeyboardModifiers modifiers) {
    if (!isCareerKey(key, modifiers)) return false;
    if (const auto runner = runnerOfRow(rows, grid.currentRow())) openHorseCareer(*runner);
    return true;
}

void TMainForm::addCareerAction(QMenu& menu, RunnerSlot runner) {
    QAction* action = menu.addAction(QStringLiteral("競走成績(&C)"), this, [this, runner] { openHorseCareer(runner); });
    action->setShortcut(QKeySequence(Qt::Key_Enter));
    action->setShortcutVisibleInContextMenu(true);
}

HorseCareerForm* TMainForm::openHorseCareer(RunnerSlot runner) {
    if (DatList->count() == 0 || runner.race < 0 || runner.race >= Day->RaceCount) return nullptr;
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(runner.race)];
    const auto j = static_cast<std::size_t>(runner.runner);
    const std::string horse(userMarksHorseKey(race, runner.runner));
    if (horse.empty()) return nullptr;
    if (!ensureAnalysisDb()) return nullptr;

    auto opened = stats::StatsDb::open(sqlexport::analysisDbPath(AppDir));
    if (auto* problem = std::get_if<std::string>(&opened)) {
        ui::showInfo(this, QStringLiteral("分析用データベースを読めません。\n") + QString::fromStdString(*problem));
        return nullptr;
    }
    const SjisString name(trimBlanks(race.Bamei[j].view()));
    std::optional<stats::HorseCareer> career;
    try {
        career = stats::horseCareer(std::get<stats::StatsDb>(opened), {stats::SubjectKind::horse, horse, name});
    } catch (const stats::StatsError& error) {
        ui::showInfo(this, QStringLiteral("競走成績を読めません。\n") + QString::fromUtf8(error.what()));
        return nullptr;
    }
    const QString note = UserMarks ? QString::fromStdString(UserMarks->horseNote(horse)) : QString();
    const QString shownName = toQString(name);
    auto* form = new HorseCareerForm(
        std::move(*career), lenientInt(RaceKey(race.RaceKey.view()).date()), note,
        [this, horse, shownName](QWidget* parent) { return editHorseNote(parent, horse, shownName); }, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

}  // namespace vantor
