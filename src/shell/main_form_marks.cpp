// The user's own marks (印) and notes in the main window: the marks file
// opened for the whole run, the set chooser and the race note on the card's
// strip, the mark keys and the horse notes on the card's rows. Every change
// goes into the marks file at once; the views then show it from the race
// day, where showRaceUserMarks puts it.

#include <QComboBox>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "analysis/race_card.h"
#include "analysis/view_grids.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "settings/setting.h"
#include "shell/grid_rows.h"
#include "shell/main_form.h"
#include "text/qt_text.h"
#include "usermarks/day_user_marks.h"

namespace vantor {
namespace {

constexpr Setting<int> kShownUserMarkSet{"UserMarks", "set", 1};

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The mark a key stands for: 1-7 the marks in glyph order, 0 and Delete none.
std::optional<UserMark> markOfKey(int key) {
    if (key == Qt::Key_Delete) return UserMark::none;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return userMarkFromNumber(key - Qt::Key_0);
    return std::nullopt;
}

}  // namespace

void TMainForm::openUserMarks() {
    auto opened = UserMarksFile::open(userMarksPath(AppDir));
    if (auto* problem = std::get_if<std::string>(&opened)) {
        userMarksProblem_ = std::move(*problem);
    } else {
        UserMarks.emplace(std::move(std::get<UserMarksFile>(opened)));
        userMarksNotice_ = UserMarks->keptAside();
    }
    const int set = readSetting(IniGT1, kShownUserMarkSet);
    UserMarkSet = isUserMarkSet(set) ? set : 1;
    const QSignalBlocker quiet(SirusiCombo);
    for (int n = 1; n <= kUserMarkSets; ++n)
        SirusiCombo->addItem(utf8(UserMarks ? UserMarks->setName(n) : defaultUserMarkSetName(n)));
    SirusiCombo->setCurrentIndex(UserMarkSet - 1);
    SirusiNameBtn->setEnabled(UserMarks.has_value());
    RaceMemo->setReadOnly(!UserMarks);
}

void TMainForm::reportUserMarksFile() {
    if (!userMarksProblem_.empty())
        ui::showInfo(this, QStringLiteral("印とメモは保存できません。\n%1").arg(utf8(userMarksProblem_)));
    else if (!userMarksNotice_.empty())
        ui::showInfo(this, utf8(userMarksNotice_));
    userMarksNotice_.clear();
}

bool TMainForm::userMarksWritable() {
    if (UserMarks) return true;
    ui::showInfo(this, QStringLiteral("印のファイルがないため保存できません。\n%1").arg(utf8(userMarksProblem_)));
    return false;
}

void TMainForm::showDayUserMarks() {
    if (UserMarks) showUserMarks(*Day, *UserMarks, UserMarkSet);
}

void TMainForm::refreshUserMarkViews() {
    if (DatList->count() == 0) return;  // no day loaded: the grids hold no rows
    const RaceCardTexts card = assembleRaceCard(*Day, CurRace);
    fillRows(*StringGrid1, signCheckGrid(card));
    fillRows(*StringGrid2, cardCheckGrid(card));
    fillRows(*StringGrid4, raceCardGrid(*Day, CardRows));
    StringGrid4->updateCells();
    StringGrid5->updateCells();
}

void TMainForm::showRaceMemo() {
    const QSignalBlocker quiet(RaceMemo);
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(CurRace)];
    RaceMemo->setPlainText(UserMarks ? utf8(UserMarks->raceNote(userMarksRaceKey(race))) : QString());
}

bool TMainForm::StringGrid4KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (openCareerByKey(*StringGrid4, CardRows, key, modifiers)) return true;
    if (modifiers & ~Qt::KeypadModifier) return false;
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (!digit && key != Qt::Key_Delete) return false;
    // 8 and 9 are no mark, but are taken too: the grid would jump to a row starting with them.
    if (const auto mark = markOfKey(key)) setUserMarkOfRow(StringGrid4->currentRow(), *mark);
    return true;
}

void TMainForm::setUserMarkOfRow(int row, UserMark mark) {
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    if (!runner || !userMarksWritable()) return;
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(runner->race)];
    const int umaban = lenientInt(race.Umaban[static_cast<std::size_t>(runner->runner)]);
    if (const auto error = UserMarks->setMark(userMarksRaceKey(race), umaban, UserMarkSet, mark))
        ui::showInfo(this, utf8(*error));
    // What the file holds now, whether or not the change went in.
    showRaceUserMarks(*Day, runner->race, *UserMarks, UserMarkSet);
    refreshUserMarkViews();
}

QString TMainForm::StringGrid4ToolTip(int row) const {
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    if (!runner || !UserMarks || DatList->count() == 0) return {};
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(runner->race)];
    return utf8(UserMarks->horseNote(userMarksHorseKey(race, runner->runner)));
}

void TMainForm::StringGrid4ContextMenu(int col, int row, const QPoint& globalPos) {
    if (!runnerOfRow(CardRows, row) || DatList->count() == 0) return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("馬メモ編集(&M)..."), this, [this, row] { editHorseNote(row); });
    addCareerAction(menu, *runnerOfRow(CardRows, row));
    addRecordActions(menu, col, row);
    menu.exec(globalPos);
}

void TMainForm::editHorseNote(int row) {
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    if (!runner) return;
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(runner->race)];
    editHorseNote(this, userMarksHorseKey(race, runner->runner),
                  toQString(race.Bamei[static_cast<std::size_t>(runner->runner)]));
}

std::optional<QString> TMainForm::editHorseNote(QWidget* parent, std::string_view horseKey, const QString& name) {
    if (!userMarksWritable()) return std::nullopt;
    // The box waits for the user while the window may load the day again: the key is kept apart.
    const std::string horse(horseKey);
    bool ok = false;
    const QString note = QInputDialog::getMultiLineText(parent, QStringLiteral("馬メモ"),
                                                        name + QStringLiteral("（以後のレースにも表示されます）"),
                                                        utf8(UserMarks->horseNote(horse)), &ok);
    if (!ok) return std::nullopt;
    setHorseNote(horse, note);
    return utf8(UserMarks->horseNote(horse));
}

void TMainForm::setHorseNoteOfRow(int row, const QString& note) {
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    if (!runner) return;
    setHorseNote(userMarksHorseKey(Day->RaceTbl[static_cast<std::size_t>(runner->race)], runner->runner), note);
}

void TMainForm::setHorseNote(std::string_view horse, const QString& note) {
    if (!userMarksWritable()) return;
    if (const auto error = UserMarks->setHorseNote(horse, note.trimmed().toStdString()))
        ui::showInfo(this, utf8(*error));
    // The horse may run in more than one race of the day.
    showDayUserMarks();
    refreshUserMarkViews();
}

void TMainForm::SirusiComboChange() {
    if (SirusiCombo->currentIndex() < 0) return;
    UserMarkSet = SirusiCombo->currentIndex() + 1;
    if (!writeSetting(IniGT1, kShownUserMarkSet, UserMarkSet)) reportSettingsNotSaved();
    showDayUserMarks();
    refreshUserMarkViews();
}

void TMainForm::SirusiNameBtnClick() {
    if (!userMarksWritable()) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("印の名前"),
                                               QStringLiteral("印%1 の名前（空欄で元の名前）").arg(UserMarkSet),
                                               QLineEdit::Normal, SirusiCombo->currentText(), &ok);
    if (ok) renameUserMarkSet(name);
}

void TMainForm::renameUserMarkSet(const QString& name) {
    if (!userMarksWritable()) return;
    if (const auto error = UserMarks->setSetName(UserMarkSet, name.trimmed().toStdString()))
        ui::showInfo(this, utf8(*error));
    SirusiCombo->setItemText(UserMarkSet - 1, utf8(UserMarks->setName(UserMarkSet)));
}

void TMainForm::RaceMemoChange() {
    if (DatList->count() == 0 || !userMarksWritable()) return;
    const TRaceRec& race = Day->RaceTbl[static_cast<std::size_t>(CurRace)];
    if (const auto error = UserMarks->setRaceNote(userMarksRaceKey(race), RaceMemo->toPlainText().toStdString()))
        ui::showInfo(this, utf8(*error));
}

}  // namespace vantor
