// The record dialog in the main window, on hand-made races filed into the
// program folder: its figures are the core's for the subject, the filters
// and the breakdown change them, the card's names open it on their own
// record and the chosen race's course, and a mark typed on the card counts
// at once.

#include "shell/stats_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "../stats/hand_made_records.h"
#include "analysis/race_card.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "shell/bar_chart_view.h"
#include "shell/main_form.h"
#include "stats/record_figures.h"
#include "stats/stats_tables.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "text/encoding.h"
#include "text/qt_text.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::stats;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

class StatsFormWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fillHandRides(store);
        // The ridden horse's master with its sire's breeding id, by which a sire is found.
        jvdata::RecordBuilder master(jvdata::kUmLayout);
        master.text(jvdata::um::DataKubun, "1")
            .text(jvdata::um::KettoNum, "2020100001")
            .text(jvdata::um::HansyokuNum, "1990100001", 1)
            .text(jvdata::um::HansyokuName, utf8ToCp932("テストサイアー"), 1);
        store.horse("2020100001", master.take());
        std::filesystem::copy(
            store.appDir(), app.path(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        form = std::make_unique<TMainForm>(std::make_unique<FakeJVLink>());
        const int day = form->DateCombo->findText(q("2024年05月26日"));
        ASSERT_GE(day, 0);
        form->DateCombo->setCurrentIndex(day);
        form->DateComboChange();
        // Race 1: kJockey's dead-heat win beside the rival's.
        form->DatList->setCurrentRow(0);
        form->DatListClick();
        key = std::string(form->Day->RaceTbl[static_cast<std::size_t>(form->CurRace)].RaceKey.view().bytes());
        ASSERT_EQ(key.substr(0, 10), "2024052605");
        ASSERT_EQ(key.substr(14), "01");
    }

    std::string raceKey() const { return key; }

    // The card row of the runner kJockey rides.
    int jockeyRow() const {
        for (int row = 1; row < form->StringGrid4->rowCount(); ++row)
            if (const auto runner = runnerOfRow(form->CardRows, row))
                if (trimBlanks(form->Day->RaceTbl[static_cast<std::size_t>(runner->race)]
                                   .KisyuCd[static_cast<std::size_t>(runner->runner)]
                                   .view()) == sjisBytes(kJockey))
                    return row;
        ADD_FAILURE() << "no card row of the jockey";
        return -1;
    }

    TStatsForm* openFromMenu() {
        form->StatsItem->trigger();
        auto forms = form->findChildren<TStatsForm*>();
        EXPECT_EQ(forms.size(), 1);
        return forms.isEmpty() ? nullptr : forms.back();
    }

    // The database the dialog reads, opened on its own, and the core's table of a record.
    StatsDb db() const {
        auto opened = StatsDb::open(app.path() / "analysis.sqlite");
        EXPECT_TRUE(std::holds_alternative<StatsDb>(opened));
        return std::move(std::get<StatsDb>(opened));
    }
    static std::vector<std::vector<QString>> cells(const TextTable& table) {
        std::vector<std::vector<QString>> out;
        for (const auto& row : table.rows) {
            auto& texts = out.emplace_back();
            for (const auto& cell : row) texts.push_back(toQString(cell));
        }
        return out;
    }
    static std::vector<std::vector<QString>> cells(const TStatsForm& dialog) {
        std::vector<std::vector<QString>> out;
        for (int row = 1; row < dialog.Grid->rowCount(); ++row) {
            auto& texts = out.emplace_back();
            for (int col = 0; col < dialog.Grid->colCount(); ++col) texts.push_back(dialog.Grid->cell(col, row));
        }
        return out;
    }
    // A click on a column's heading, as the user makes it: apart from the
    // one before, so that two are no double click.
    static void clickHeading(TStatsForm& dialog, int col) {
        QHeaderView* header = dialog.Grid->view().horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2),
            QApplication::doubleClickInterval() + 20);
    }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    RunningProgramFolder app;
    ExportStore store;
    ui::MessageBoxHook messages;
    std::unique_ptr<TMainForm> form;
    std::string key;  // the race shown
};

}  // namespace

TEST_F(StatsFormWindow, TheDialogShowsTheCoresFiguresAndItsFiltersAndBreakdownChangeThem) {
    TStatsForm* dialog = openFromMenu();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->SameCourseBtn->isEnabled()) << "the race shown is the chosen race";
    EXPECT_FALSE(dialog->SameCourseBtn->isChecked()) << "from the menu no filter is set";

    // The name two jockeys share: both offered, the first's record shown.
    dialog->NameEdit->setText(q("手作騎手"));
    dialog->FindBtn->click();
    ASSERT_EQ(dialog->SubjectCombo->count(), 2);
    auto core = db();
    const auto found = findSubjects(core, SubjectKind::jockey, utf8ToCp932("手作騎手"));
    ASSERT_EQ(found.size(), 2u);
    const RecordFilter period = withDefaultPeriod(core, {});
    EXPECT_EQ(dialog->FromDate->date(), QDate(period.from / 10000, period.from / 100 % 100, period.from % 100));
    const auto table = [&](const Subject& s, const RecordFilter& f, Dimension by) {
        return cells(recordTable(personRecord(core, s, f, by)));
    };
    EXPECT_EQ(cells(*dialog), table(found[0], period, Dimension::course));
    choose(dialog->SubjectCombo, 1);
    EXPECT_EQ(cells(*dialog), table(found[1], period, Dimension::course));
    choose(dialog->SubjectCombo, 0);
    const auto allSurfaces = cells(*dialog);

    // Dirt only: the one dirt ride; then the whole breakdown by going.
    choose(dialog->SurfaceCombo, 2);
    RecordFilter dirt = period;
    dirt.surface = Surface::dirt;
    const auto onDirt = table(found[0], dirt, Dimension::course);
    EXPECT_EQ(cells(*dialog), onDirt);
    EXPECT_NE(onDirt, allSurfaces);
    EXPECT_EQ(onDirt.back()[1], q("1")) << "the total's starts";
    choose(dialog->SurfaceCombo, 0);
    choose(dialog->ByCombo, static_cast<int>(Dimension::going));
    EXPECT_EQ(cells(*dialog), table(found[0], period, Dimension::going));
    // A period of the core's whole store, the day before the twelve months included.
    dialog->FromDate->setDate(QDate(2023, 1, 1));
    emit dialog->FromDate->editingFinished();
    RecordFilter longer = period;
    longer.from = 20230101;
    EXPECT_EQ(cells(*dialog), table(found[0], longer, Dimension::going));
    EXPECT_NE(cells(*dialog), table(found[0], period, Dimension::going));

    // The chart draws the figure chosen per breakdown row, in the table's order.
    choose(dialog->FigureCombo, static_cast<int>(Figure::winRate));
    const auto& chart = dialog->Chart->chart();
    const auto shown = cells(*dialog);
    ASSERT_EQ(chart.rows.size() + 1, shown.size()) << "every row but the total";
    for (std::size_t r = 0; r < chart.rows.size(); ++r) {
        EXPECT_EQ(toQString(chart.rows[r].label), shown[r][0]);
        EXPECT_EQ(toQString(chart.rows[r].valueText), shown[r][1 + static_cast<int>(Figure::winRate)]);
    }
}

TEST_F(StatsFormWindow, AClickOnAHeadingSortsTheRowsTheTotalStaysLastAndCopyTakesTheTable) {
    TStatsForm* dialog = openFromMenu();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    dialog->presetSubject(SubjectKind::jockey, sjisBytes(kJockey));
    dialog->FromDate->setDate(QDate(2023, 1, 1));
    choose(dialog->ByCombo, static_cast<int>(Dimension::going));
    const auto natural = cells(*dialog);
    ASSERT_GE(natural.size(), 3u) << "two goings at least, and the total";

    const int starts = 1 + static_cast<int>(Figure::starts);
    const auto startsOf = [&](const std::vector<QString>& row) {
        return row[static_cast<std::size_t>(starts)].toInt();
    };
    clickHeading(*dialog, starts);
    auto sorted = cells(*dialog);
    EXPECT_EQ(sorted.back(), natural.back()) << "the total stays last";
    for (std::size_t r = 1; r + 1 < sorted.size(); ++r) EXPECT_GE(startsOf(sorted[r - 1]), startsOf(sorted[r]));
    clickHeading(*dialog, starts);
    sorted = cells(*dialog);
    for (std::size_t r = 1; r + 1 < sorted.size(); ++r) EXPECT_LE(startsOf(sorted[r - 1]), startsOf(sorted[r]));
    clickHeading(*dialog, 0);
    EXPECT_EQ(cells(*dialog), natural) << "the label column gives the dimension's order back";

    dialog->CopyBtn->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(dialog->TitleLabel->text()));
    const QStringList total(natural.back().begin(), natural.back().end());
    EXPECT_TRUE(copied.contains(total.join(QLatin1Char('\t'))));
}

TEST_F(StatsFormWindow, TheCardsMenuOnAJockeyOpensHisRecordOnTheChosenRacesCourseAndDistance) {
    form->show();
    const int row = jockeyRow();
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            offered.append(action->text());
            if (action->text().startsWith(q("騎手「手作騎手」"))) menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    form->StringGrid4ContextMenu(card::kPeopleColumn, row, form->mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(offered.filter(q("調教師「手作師」")).size() == 1) << offered.join(q(" | ")).toStdString();

    auto forms = form->findChildren<TStatsForm*>();
    ASSERT_EQ(forms.size(), 1);
    TStatsForm* dialog = forms.front();
    EXPECT_EQ(dialog->KindCombo->currentText(), q("騎手"));
    EXPECT_TRUE(dialog->SubjectCombo->currentText().contains(q(kJockey)));
    EXPECT_TRUE(dialog->SameCourseBtn->isChecked());
    EXPECT_FALSE(dialog->CourseCombo->isEnabled());

    auto core = db();
    const auto same = sameCourseAndDistance(core, raceKey(), withDefaultPeriod(core, {}));
    ASSERT_TRUE(same);
    const auto subject = findSubjects(core, SubjectKind::jockey, sjisBytes(kJockey));
    ASSERT_EQ(subject.size(), 1u);
    EXPECT_EQ(cells(*dialog), cells(recordTable(personRecord(core, subject.front(), *same, Dimension::course))));
    EXPECT_EQ(dialog->Grid->cell(1, dialog->Grid->rowCount() - 1), q("2"))
        << "the start at the course and distance and the pulled-up one; the scratched and excluded are none";

    // Off again: every course and distance.
    dialog->SameCourseBtn->click();
    EXPECT_TRUE(dialog->CourseCombo->isEnabled());
    EXPECT_EQ(cells(*dialog),
              cells(recordTable(personRecord(core, subject.front(), withDefaultPeriod(core, {}), Dimension::course))));

    // The horse column offers the sire and the owner; another column nothing of the records.
    QMenu horseMenu;
    form->addRecordActions(horseMenu, card::kHorseColumn, row);
    QStringList horseItems;
    for (QAction* action : horseMenu.actions()) horseItems.append(action->text());
    EXPECT_EQ(horseItems.filter(q("種牡馬「テストサイアー」")).size(), 1) << horseItems.join(q(" | ")).toStdString();
    for (QAction* action : horseMenu.actions())
        if (action->text().startsWith(q("種牡馬"))) action->trigger();
    forms = form->findChildren<TStatsForm*>();
    ASSERT_EQ(forms.size(), 2);
    TStatsForm* sire = forms.back() == dialog ? forms.front() : forms.back();
    EXPECT_EQ(sire->KindCombo->currentText(), q("種牡馬"));
    EXPECT_TRUE(sire->SubjectCombo->currentText().startsWith(q("テストサイアー")))
        << "found by the horse masters' name";
    EXPECT_NE(sire->Grid->cell(1, sire->Grid->rowCount() - 1), q("")) << "its runners' record shown";
    QMenu numberMenu;
    form->addRecordActions(numberMenu, card::kNumberColumn, row);
    EXPECT_TRUE(numberMenu.actions().isEmpty());
}

TEST_F(StatsFormWindow, AMarkTypedOnTheCardCountsInTheMarksRecordAtOnce) {
    form->show();
    form->StringGrid4->setCurrentRow(jockeyRow());
    QTest::keyClick(&form->StringGrid4->view(), Qt::Key_1);  // ◎ on the dead-heat winner

    TStatsForm* dialog = openFromMenu();
    ASSERT_TRUE(dialog);
    choose(dialog->KindCombo, 4);
    EXPECT_EQ(dialog->KindCombo->currentText(), q("印"));
    EXPECT_FALSE(dialog->ByCombo->isEnabled()) << "a set's record is broken down by mark";
    ASSERT_EQ(dialog->SubjectCombo->currentText(), q("印1"));
    const auto markRow = [&](const char* glyph) -> std::vector<QString> {
        for (const auto& row : cells(*dialog))
            if (row[0] == q(glyph)) return row;
        ADD_FAILURE() << "no row " << glyph;
        return {};
    };
    auto honmei = markRow("◎");
    ASSERT_FALSE(honmei.empty());
    EXPECT_EQ(honmei[1], q("1"));
    EXPECT_EQ(honmei[2], q("1")) << "the dead heat is a win";

    // With the dialog open: a second mark, then a refresh by any field, counts too.
    const int rival = jockeyRow() == 1 ? 2 : 1;
    form->StringGrid4->setCurrentRow(rival);
    QTest::keyClick(&form->StringGrid4->view(), Qt::Key_2);
    choose(dialog->SubjectCombo, 0);
    EXPECT_EQ(markRow("○")[1], q("1"));
    EXPECT_EQ(cells(*dialog).back()[1], q("2")) << "the total of the set";
    choose(dialog->SubjectCombo, 1);
    EXPECT_EQ(cells(*dialog).back()[1], q("0")) << "set 2 has no marks";
}
