// A horse's career from the main window: opened from the race card by Enter
// and by the context menu, from the horse search by a double-click and
// from the trainer view by Enter; it lists the runs the analysis database
// holds, marks the chosen race's day and sets the later runs apart, sorts
// numbers as numbers, copies its rows, and shows and edits the horse note
// as the card does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "components/message_box.h"
#include "components/string_grid.h"
#include "export/analysis_db.h"
#include "painting/card_columns.h"
#include "shell/horse_career_form.h"
#include "shell/main_form.h"
#include "stats/hand_made_records.h"
#include "stats/horse_career.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "text/qt_text.h"
#include "usermarks/user_marks_file.h"

using namespace vantor;
using namespace vantor::test;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr const char* kHorse = "2020100001";
constexpr int kChosenDate = 20230527;
const QString kChosenDay = q("2023年05月27日");

class HorseCareerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // The hand-made rides, and one more of the horse: 10th as number 12
        // in an older race, so that its numbers run past one digit.
        ExportStore store;
        fillHandRides(store);
        const HandRide tenth{{.date = 20221225, .course = "06", .race = 2}, 12, kJockey, 10};
        store.dayRaces(tenth.date(), handRace(tenth));
        store.dayRunners(tenth.date(), "中山", {handRunner(tenth, "手作騎手")});
        store.dayPayouts(tenth.date(), handPayout(tenth.race, {}));
        std::filesystem::copy(
            store.appDir(), app.path(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }

    // The main window on the chosen day, its first race shown.
    std::unique_ptr<TMainForm> openDay() {
        auto form = std::make_unique<TMainForm>(std::make_unique<FakeJVLink>());
        const int day = form->DateCombo->findText(kChosenDay);
        EXPECT_GE(day, 0);
        form->DateCombo->setCurrentIndex(day);
        form->DateComboChange();
        form->show();
        return form;
    }

    // The career the core reads for the horse.
    stats::HorseCareer coreCareer() const {
        auto opened = stats::StatsDb::open(sqlexport::analysisDbPath(app.path()));
        EXPECT_TRUE(std::holds_alternative<stats::StatsDb>(opened));
        return stats::horseCareer(std::get<stats::StatsDb>(opened), {stats::SubjectKind::horse, kHorse, {}});
    }

    static HorseCareerForm* careerOf(TMainForm& form) {
        const auto forms = form.findChildren<HorseCareerForm*>();
        return forms.size() == 1 ? forms.front() : nullptr;
    }

    // The run grid's column as texts, rows 1 on.
    static QStringList column(const HorseCareerForm& career, int col) {
        QStringList cells;
        for (int r = 1; r < career.RunGrid->rowCount(); ++r) cells.append(career.RunGrid->cell(col, r));
        return cells;
    }

    RunningProgramFolder app;
    ui::MessageBoxHook messages;
};

TEST_F(HorseCareerWindow, EnterOnTheCardListsTheStoredRunsWithTheChosenDayMarkedAndTheLaterRunsApart) {
    auto form = openDay();
    messages.clear();
    ASSERT_GE(form->StringGrid4->rowCount(), 2);
    form->StringGrid4->setCurrentRow(1);
    QTest::keyClick(&form->StringGrid4->view(), Qt::Key_Return);
    HorseCareerForm* career = careerOf(*form);
    ASSERT_NE(career, nullptr) << "Enter opens the career";

    const auto core = coreCareer();
    ASSERT_EQ(core.runs.size(), 8u) << "the hand-made runs of the horse";
    EXPECT_EQ(career->RunGrid->rowCount() - 1, static_cast<int>(core.runs.size()));
    // The chosen day's run marked, the five after it set apart.
    const int chosen = career->chosenRow();
    ASSERT_GT(chosen, 0);
    EXPECT_EQ(career->RunGrid->cell(0, chosen), q("2023-05-27"));
    for (int row = 1; row < career->RunGrid->rowCount(); ++row) EXPECT_EQ(career->isLaterRow(row), row < chosen) << row;
    EXPECT_EQ(chosen, 6);
    EXPECT_TRUE(messages.shown().empty()) << messages.shown().join(q("\n")).toStdString();
}

TEST_F(HorseCareerWindow, TheCardsMenuTheHorseSearchAndTheTrainerViewOpenTheSameCareer) {
    auto form = openDay();

    // The card's context menu has the entry, with Enter as its key.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == q("競走成績(&C)")) entry = action;
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::Key_Enter));
        entry->trigger();
        menu->close();
    });
    form->StringGrid4ContextMenu(card::kPeopleColumn, 1, form->mapToGlobal(QPoint(40, 40)));
    HorseCareerForm* fromMenu = careerOf(*form);
    ASSERT_NE(fromMenu, nullptr);
    const int runs = static_cast<int>(coreCareer().runs.size());
    EXPECT_EQ(fromMenu->RunGrid->rowCount() - 1, runs);
    fromMenu->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(careerOf(*form), nullptr) << "a closed career is gone";

    // The horse search lists the day's horse: a double-click on its row.
    ASSERT_EQ(form->StringGrid3->rowCount(), 2);
    QTableView& search = form->StringGrid3->view();
    QTest::mouseDClick(search.viewport(), Qt::LeftButton, {}, search.visualRect(search.model()->index(0, 3)).center());
    HorseCareerForm* fromSearch = careerOf(*form);
    ASSERT_NE(fromSearch, nullptr) << "a double-click on the horse search opens it";
    EXPECT_EQ(fromSearch->RunGrid->rowCount() - 1, runs);
    fromSearch->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The trainer view's row, by Enter.
    ASSERT_EQ(form->StringGrid5->rowCount(), 2);
    form->StringGrid5->setCurrentRow(1);
    QTest::keyClick(&form->StringGrid5->view(), Qt::Key_Enter, Qt::KeypadModifier);
    HorseCareerForm* fromTrainer = careerOf(*form);
    ASSERT_NE(fromTrainer, nullptr) << "Enter on the trainer view opens it";
    EXPECT_EQ(fromTrainer->RunGrid->rowCount() - 1, runs);
}

TEST_F(HorseCareerWindow, ANumericColumnSortsAsNumbersTheMarkFollowsAndTheCopyGivesTheRowsShown) {
    auto form = openDay();
    HorseCareerForm* career = form->openHorseCareer({0, 0});
    ASSERT_NE(career, nullptr);
    constexpr int kNumberColumn = 8, kFinishColumn = 11;
    ASSERT_EQ(career->RunGrid->cell(kNumberColumn, 0), q("馬番"));

    // A click on the header sorts; numbers start from the highest: 12
    // before 6, which text order would swap.
    QHeaderView& header = *career->RunGrid->view().horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(kNumberColumn) + header.sectionSize(kNumberColumn) / 2,
                             header.height() / 2));
    QStringList numbers = column(*career, kNumberColumn);
    EXPECT_EQ(numbers.front(), q("12"));
    for (int i = 1; i < numbers.size(); ++i) EXPECT_GE(numbers[i - 1].toInt(), numbers[i].toInt()) << i;
    career->sortRuns(kNumberColumn);
    numbers = column(*career, kNumberColumn);
    EXPECT_EQ(numbers.back(), q("12")) << "a second click turns the order round";
    EXPECT_EQ(career->RunGrid->cell(0, career->chosenRow()), q("2023-05-27")) << "the mark follows its run";

    // The finishes: 10th last of the numbers, the runs without a finish after them.
    career->sortRuns(kFinishColumn);
    const QStringList finishes = column(*career, kFinishColumn);
    EXPECT_EQ(finishes.mid(0, 5), (QStringList{q("10"), q("3"), q("2"), q("1"), q("1")}));
    for (const QString& word : finishes.mid(5)) EXPECT_FALSE(word.front().isDigit()) << word.toStdString();

    // The copy is the title, the header and the rows in the order shown.
    QApplication::clipboard()->clear();
    career->copyRuns();
    const QStringList lines = QApplication::clipboard()->text().split(q("\r\n"));
    ASSERT_EQ(lines.size(), career->RunGrid->rowCount() + 2) << "title, rows and the end of the last line";
    EXPECT_TRUE(lines.front().contains(q(kHorse)));
    for (int r = 0; r < career->RunGrid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < career->RunGrid->colCount(); ++c) cells.append(career->RunGrid->cell(c, r));
        EXPECT_EQ(lines[r + 1], cells.join(QLatin1Char('\t'))) << r;
    }
    EXPECT_TRUE(lines.back().isEmpty());

    // The totals keep their total row last whatever the order.
    ASSERT_FALSE(career->TotalsGrids.empty());
    ui::TStringGrid& totals = *career->TotalsGrids.front();
    career->sortTotals(0, 1);
    EXPECT_EQ(totals.cell(0, totals.rowCount() - 1), q("計"));
    EXPECT_EQ(totals.cell(1, totals.rowCount() - 1), QString::number(coreCareer().total.starts));
}

TEST_F(HorseCareerWindow, TheHorseNoteShowsInFullAndAnEditInTheViewIsKeptInTheMarksFile) {
    auto form = openDay();
    form->setHorseNoteOfRow(1, q("右回り得意\n叩いて良化"));
    HorseCareerForm* career = form->openHorseCareer({0, 0});
    ASSERT_NE(career, nullptr);
    EXPECT_EQ(career->NoteLabel->text(), q("右回り得意\n叩いて良化"));

    // The note is edited in the box the card's rows use.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textValue(), q("右回り得意\n叩いて良化"));
        box->setTextValue(q("  距離延長で  "));
        box->accept();
    });
    career->editNote();
    EXPECT_EQ(career->NoteLabel->text(), q("距離延長で"));
    EXPECT_EQ(form->StringGrid4ToolTip(1), q("距離延長で")) << "the card shows the same note";

    auto file = UserMarksFile::open(userMarksPath(app.path()));
    ASSERT_TRUE(std::holds_alternative<UserMarksFile>(file));
    EXPECT_EQ(std::get<UserMarksFile>(file).horseNote(kHorse), "距離延長で");

    // A cancelled edit keeps the note.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) box->reject();
    });
    career->editNote();
    EXPECT_EQ(career->NoteLabel->text(), q("距離延長で"));
}

}  // namespace
